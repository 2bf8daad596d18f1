#include "dialogs/UnitAboutColvane.h"

#include "dialogs/DialogDesign.h"
#include "dialogs/DialogPictures.h"
#include "dialogs/DialogResources.h"
#include "platform/ModalSeam.h"
#include "platform/SystemColours.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <memory>

namespace {

QLabel* NewImage(QWidget* parent, const char* name, const QRect& geometry, const QPixmap& picture)
{
    auto* image = new QLabel(parent);
    image->setObjectName(name);
    image->setGeometry(geometry);
    image->setAttribute(Qt::WA_TranslucentBackground);
    image->setPixmap(picture);
    return image;
}

} // namespace

TOKBottomDlg::TOKBottomDlg(QWidget* owner)
    : QDialog(owner)
{
    InitDialogResources();
    BuildDesign();
    FormCreate();
}

void TOKBottomDlg::BuildDesign()
{
    setObjectName("OKBottomDlg");
    setWindowTitle("About ");
    SetDialogBorder(*this, 423, 352);
    SetBackground(*this, kInactiveCaptionTextColour);

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName("Bevel1");
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setGeometry(7, 9, 410, 305);

    Label1 = NewLabel(this, "Label1", "Colvane -", QRect(21, 14, 177, 19));
    Label1->setFont(DesignFont("Arial", 16, true));
    SetTextColour(*Label1, Qt::black);

    Image1 = NewImage(this, "Image1", QRect(10, 37, 193, 49), PaintColvaneLogo(193, 49));
    Label6 = NewLabel(this, "Label6", "Beta Build #8", QRect(22, 63, 113, 17));

    Label5 = NewLabel(this, "Label5", "To have questions answered contact any of the following", QRect(80, 181, 0, 0));
    Label5->adjustSize();

    Image2 = NewImage(this, "Image2", QRect(104, 200, 225, 89), PaintContactList(225, 89));

    Label2 = NewLabel(this, "Label2", "Colvane 1.1 for Linux", QRect(9, 326, 147, 16));
    Label2->setFont(DesignFont("Arial", 11));

    OKBtn = new QPushButton("OK", this);
    OKBtn->setObjectName("OKBtn");
    OKBtn->setGeometry(342, 322, 75, 25);
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &TOKBottomDlg::OKBtnClick);
}

void TOKBottomDlg::FormCreate()
{
    CentreOnScreen(*this);
}

void TOKBottomDlg::OKBtnClick()
{
    accept();
}

void ShowAboutDialog(QWidget* owner)
{
    try {
        auto dialog = std::make_unique<TOKBottomDlg>(owner);
        ExecModal(*dialog);
    } catch (...) {
        // The About dialog only informs; nothing depends on it.
    }
}
