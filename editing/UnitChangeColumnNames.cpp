// The handlers of the Change Column Names dialog. Failures inside them are ignored: a failed
// load keeps the items added so far, a failed apply ends the apply, and a failure while
// deciding whether to ask on closing lets the dialog close.
#include "editing/UnitChangeColumnNames.h"

#include "dialogs/UnitMessageBoxCDF.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>

namespace {

const QString kUnappliedTextQuestion = "Text has been typed, but not applied.  Exit anyway?";

bool IsEnterKey(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

TOKRightDlg2::TOKRightDlg2(QWidget* owner)
    : QDialog(owner)
{
    CreateDesign();
    ConnectHandlers();
    FormCreate();
}

void TOKRightDlg2::ConnectHandlers()
{
    connect(OKBtn, &QPushButton::clicked, this, &TOKRightDlg2::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TOKRightDlg2::CancelBtnClick);
    connect(Button1, &QPushButton::clicked, this, &TOKRightDlg2::Button1Click);
    connect(ListView1, &QTreeWidget::itemDoubleClicked, this, &TOKRightDlg2::ListView1DblClick);
    connect(Edit1, &QLineEdit::textChanged, this, &TOKRightDlg2::Edit1Change);
    ListView1->installEventFilter(this);
    Edit1->installEventFilter(this);
}

void TOKRightDlg2::FormCreate()
{
    ResultCode = -1;
    ChangeApplied = false;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move((area.width() - frameGeometry().width()) / 2, (area.height() - frameGeometry().height()) / 2);
    }
}

void TOKRightDlg2::LoadColumnNames(const QStringList& names)
{
    try {
        for (int i = 0; i < names.size(); ++i)
            new QTreeWidgetItem(ListView1, {names[i], QString::number(i + 1)});
        if (ListView1->topLevelItemCount() > 0)
            ListView1->setCurrentItem(ListView1->topLevelItem(0));
    } catch (...) {
    }
}

QStringList TOKRightDlg2::ColumnNames() const
{
    QStringList names;
    for (int i = 0; i < ListView1->topLevelItemCount(); ++i)
        names.append(ListView1->topLevelItem(i)->text(0));
    return names;
}

void TOKRightDlg2::FormActivate()
{
    ListView1->setFocus();
}

void TOKRightDlg2::ListView1DblClick()
{
    Edit1->setFocus();
}

void TOKRightDlg2::ListView1KeyUp(int key)
{
    if (IsEnterKey(key))
        Edit1->setFocus();
}

void TOKRightDlg2::Edit1Change()
{
    ChangeApplied = false;
}

void TOKRightDlg2::Edit1KeyUp(int key)
{
    if (IsEnterKey(key))
        Button1Click();
}

void TOKRightDlg2::Button1Click()
{
    try {
        const QList<QTreeWidgetItem*> selected = ListView1->selectedItems();
        QTreeWidgetItem* item = selected.isEmpty() ? nullptr : selected.first();
        if (item && !Edit1->text().isEmpty()) {
            item->setText(0, Edit1->text());
            ResultCode = 0;
            ChangeApplied = true;
            Edit1->clear(); // a change: ChangeApplied is false again
        }
        ListView1->setFocus();
    } catch (...) {
    }
}

void TOKRightDlg2::OKBtnClick()
{
    ResultCode = 0;
    close();
}

void TOKRightDlg2::CancelBtnClick()
{
    ResultCode = -1;
    ChangeApplied = true;
    close();
}

bool TOKRightDlg2::FormCloseQuery()
{
    try {
        if (!Edit1->text().isEmpty() && !ChangeApplied)
            return ConfirmYesNo(kUnappliedTextQuestion);
    } catch (...) {
    }
    return true;
}

void TOKRightDlg2::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

// Every way of closing (OK, Cancel, Escape, the close box) comes here; the outcome is
// ResultCode, not the modal result.
void TOKRightDlg2::closeEvent(QCloseEvent* event)
{
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    event->accept();
    QDialog::done(QDialog::Rejected);
}

void TOKRightDlg2::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        CancelBtn->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TOKRightDlg2::reject()
{
    close();
}

bool TOKRightDlg2::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyRelease) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (watched == ListView1)
            ListView1KeyUp(key);
        else if (watched == Edit1)
            Edit1KeyUp(key);
    }
    return QDialog::eventFilter(watched, event);
}
