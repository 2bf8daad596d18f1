#include "dialogs/UnitMessageBoxCDF.h"

#include "dialogs/DialogDesign.h"
#include "platform/ModalSeam.h"
#include "platform/SystemColours.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

namespace {

// The one message box the main window holds; empty while no box is shown.
QPointer<TMessageBoxCDF>& HeldBox()
{
    static QPointer<TMessageBoxCDF> box;
    return box;
}

// The program's main window, the owner of message boxes and questions (none in tests that
// run without one).
QWidget* MainWindow()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<QMainWindow*>(widget))
            return widget;
    }
    return nullptr;
}

} // namespace

TMessageBoxCDF::TMessageBoxCDF(QWidget* owner)
    : QDialog(owner)
{
    BuildDesign();
}

void TMessageBoxCDF::BuildDesign()
{
    setObjectName("MessageBoxCDF");
    setWindowTitle("Message");
    setWindowIcon(QApplication::windowIcon());
    SetDialogBorder(*this, 313, 201);

    Shape1 = new QFrame(this);
    Shape1->setObjectName("Shape1");
    Shape1->setGeometry(8, 8, 297, 161);
    Shape1->setStyleSheet(QString("QFrame#Shape1 { background-color: %1; border: 1px solid #c0c0c0; }")
                              .arg(kInactiveCaptionTextColour.name()));

    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(16, 16, 265, 25);
    Label1->setFont(DesignFont("MS Sans Serif", 13, true));
    Label1->setTextFormat(Qt::PlainText);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setWordWrap(false);
    SetBackground(*Label1, kInactiveCaptionTextColour);

    lblMessage = new QLabel(this);
    lblMessage->setObjectName("lblMessage");
    lblMessage->setGeometry(16, 56, 281, 89);
    lblMessage->setTextFormat(Qt::PlainText);
    lblMessage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblMessage->setWordWrap(true);
    SetBackground(*lblMessage, kInactiveCaptionTextColour);

    OKBtn = new QPushButton("OK", this);
    OKBtn->setObjectName("OKBtn");
    OKBtn->setGeometry(119, 172, 75, 25);
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);

    CentreOnScreen(*this);
}

void ShowProblem(const QString& title, const QString& text)
{
    try {
        QPointer<TMessageBoxCDF>& box = HeldBox();
        if (!box)
            box = new TMessageBoxCDF(MainWindow());
        box->setWindowTitle("Colvane!");
        box->lblMessage->setText(DisplayLineBreaks(text));
        box->Label1->setText(title);
        RecordShownMessage(title, text);
        ExecModal(*box);
        delete box.data();
        box = nullptr;
    } catch (...) {
        // A message that cannot be shown must not stop the operation that reported it.
    }
}

bool ConfirmYesNo(const QString& question)
{
    QMessageBox dialog(QMessageBox::Question, kConfirmCaption, DisplayLineBreaks(question),
                       QMessageBox::Yes | QMessageBox::No, MainWindow());
    dialog.setObjectName("ConfirmYesNo");
    dialog.setTextFormat(Qt::PlainText);
    QAbstractButton* yes = dialog.button(QMessageBox::Yes);
    dialog.setDefaultButton(QMessageBox::Yes);
    dialog.setEscapeButton(QMessageBox::No);
    RecordShownMessage(kConfirmCaption, question);
    ExecModal(dialog);
    return dialog.clickedButton() == yes;
}

void ShowMessage(const QString& text)
{
    const QString caption = QGuiApplication::applicationDisplayName();
    QMessageBox dialog(QMessageBox::NoIcon, caption, DisplayLineBreaks(text), QMessageBox::Ok, MainWindow());
    dialog.setObjectName("ShowMessage");
    dialog.setTextFormat(Qt::PlainText);
    RecordShownMessage(caption, text);
    ExecModal(dialog);
}

void DestroyHeldMessageBox()
{
    delete HeldBox().data();
    HeldBox() = nullptr;
}
