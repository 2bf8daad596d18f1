// The handlers of the Find dialog. They ignore their own failures.
#include "dialogs/UnitSearch.h"

#include "dialogs/FindInGrid.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace {

// Shared by every Find dialog.
TSearchCallback searchCallback = nullptr;

bool IsEnterKey(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

void SetSearchCallback(TOKHelpRightDlg*, TSearchCallback callback)
{
    searchCallback = callback;
}

void StartSearch(TOKHelpRightDlg* dialog, int findNext)
{
    try {
        if (searchCallback)
            searchCallback(TrimBlanks(dialog->Edit1->text()).toString(), findNext,
                           dialog->CheckBox1->isChecked() ? 1 : 0, 0);
    } catch (...) {
    }
}

TOKHelpRightDlg::TOKHelpRightDlg(QWidget* owner)
    : TOKRightDlg(owner)
{
    CreateDesign();
    ConnectHandlers();
    FormCreate();
}

void TOKHelpRightDlg::ConnectHandlers()
{
    // Find First searches; it does not close the dialog as the base's OK does.
    disconnect(OKBtn, nullptr, this, nullptr);
    disconnect(CancelBtn, nullptr, this, nullptr);
    connect(OKBtn, &QPushButton::clicked, this, &TOKHelpRightDlg::OKBtnClick);
    connect(Button1, &QPushButton::clicked, this, &TOKHelpRightDlg::Button1Click);
    Edit1->installEventFilter(this);
}

void TOKHelpRightDlg::FormCreate()
{
}

bool TOKHelpRightDlg::HasSearchText() const
{
    return !TrimBlanks(Edit1->text()).isEmpty();
}

void TOKHelpRightDlg::FormActivate()
{
    try {
        move(MainLeft + MainWidth / 3, MainTop + MainHeight / 2);
        Edit1->setFocus();
    } catch (...) {
    }
}

void TOKHelpRightDlg::OKBtnClick()
{
    if (HasSearchText())
        StartSearch(this, 0);
}

void TOKHelpRightDlg::Button1Click()
{
    if (HasSearchText())
        StartSearch(this, 1);
}

void TOKHelpRightDlg::Edit1KeyPress(int key)
{
    if (IsEnterKey(key))
        OKBtnClick();
}

void TOKHelpRightDlg::FormClose()
{
    try {
        if (searchCallback)
            searchCallback(QString(), 0, 0, 0);
    } catch (...) {
    }
}

bool TOKHelpRightDlg::OwnerIsActive() const
{
    return parentWidget() && QApplication::activeWindow() == parentWidget()->window();
}

void TOKHelpRightDlg::HandFocusBack()
{
    focusHandedBack_ = true;
    if (FocusBackToOwner)
        FocusBackToOwner();
}

void TOKHelpRightDlg::changeEvent(QEvent* event)
{
    TOKRightDlg::changeEvent(event);
    if (event->type() != QEvent::ActivationChange)
        return;
    if (isActiveWindow()) {
        focusHandedBack_ = false;
        FormActivate();
    } else if (OwnerIsActive()) {
        HandFocusBack();
    }
}

// Closing hands the focus back to the owner; when the window system has not already done
// so while the dialog hid, the owner is told here, once.
void TOKHelpRightDlg::closeEvent(QCloseEvent* event)
{
    const bool wasActive = isActiveWindow();
    focusHandedBack_ = false;
    TOKRightDlg::closeEvent(event);
    if (!event->isAccepted())
        return;
    FormClose();
    if (wasActive && !focusHandedBack_)
        HandFocusBack();
}

// Enter in the search box searches, and the key goes on to the box as usual.
bool TOKHelpRightDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Edit1 && event->type() == QEvent::KeyPress)
        Edit1KeyPress(static_cast<QKeyEvent*>(event)->key());
    return TOKRightDlg::eventFilter(watched, event);
}
