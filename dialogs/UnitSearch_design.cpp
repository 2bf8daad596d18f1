// The design of the Find dialog: its controls and their settings.
#include "dialogs/UnitSearch.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QCheckBox* MakeCheckBox(QWidget* parent, const char* name, const QString& caption, const QRect& place)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setGeometry(place);
    return box;
}

} // namespace

void TOKHelpRightDlg::CreateDesign()
{
    setObjectName("OKHelpRightDlg");
    setWindowTitle("Find");
    setFixedSize(381, 171);

    Bevel1->setGeometry(8, 8, 257, 105);

    Label1 = new QLabel("Search For", this);
    Label1->setObjectName("Label1");
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label1->setGeometry(16, 27, 60, 17);

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName("Edit1");
    Edit1->setGeometry(88, 24, 153, 21);

    CheckBox1 = MakeCheckBox(this, "CheckBox1", "Case Sensitive", QRect(88, 64, 153, 17));
    CheckBox2 = MakeCheckBox(this, "CheckBox2", "Whole words only", QRect(88, 88, 161, 17));
    CheckBox2->hide();

    OKBtn->setText("Find &First");
    OKBtn->setGeometry(300, 8, 68, 24);
    OKBtn->setDefault(false);
    OKBtn->setAutoDefault(false);

    Button1 = new QPushButton("Find Next", this);
    Button1->setObjectName("Button1");
    Button1->setGeometry(300, 39, 69, 26);
    Button1->setAutoDefault(false);

    // Hidden, so Esc does not close the dialog.
    CancelBtn->setGeometry(300, 74, 69, 25);
    CancelBtn->setAutoDefault(false);
    CancelBtn->hide();

    Label2 = new QLabel("The search will not include the first row, or the column 'Label' or 'Headings' row.  ", this);
    Label2->setObjectName("Label2");
    Label2->setWordWrap(true);
    Label2->setGeometry(8, 128, 257, 39);
    QPalette palette = Label2->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 128, 0));
    Label2->setPalette(palette);

    // Tab order: Find First, Search For, Find Next, Case Sensitive.
    setTabOrder(OKBtn, Edit1);
    setTabOrder(Edit1, Button1);
    setTabOrder(Button1, CheckBox1);
}
