#include "dialogs/OKCANCL2.h"

#include "dialogs/DialogDesign.h"

#include <QFrame>
#include <QKeyEvent>
#include <QPushButton>

TOKRightDlg::TOKRightDlg(QWidget* owner)
    : QDialog(owner)
{
    BuildDesign();
}

void TOKRightDlg::BuildDesign()
{
    setWindowTitle("Dialog");
    SetDialogBorder(*this, 384, 179);

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName("Bevel1");
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setGeometry(8, 8, 281, 161);

    OKBtn = new QPushButton("OK", this);
    OKBtn->setObjectName("OKBtn");
    OKBtn->setGeometry(300, 8, 75, 25);
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);

    CancelBtn = new QPushButton("Cancel", this);
    CancelBtn->setObjectName("CancelBtn");
    CancelBtn->setGeometry(300, 38, 75, 25);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    CentreOnScreen(*this);
}

void TOKRightDlg::keyPressEvent(QKeyEvent* event)
{
    // QDialog would reject on Esc whatever the buttons are; here Esc is the cancel button's.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (CancelBtnIsCancel && !CancelBtn->isHidden() && CancelBtn->isEnabled())
            CancelBtn->click();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
