#include "editing/UnitGetColumnName.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace {

QLabel* MakeNote(QWidget* parent, const char* name, const QString& text)
{
    auto* note = new QLabel(text, parent);
    note->setObjectName(name);
    note->setWordWrap(true);
    note->setStyleSheet("color: green;");
    note->setGeometry(16, 120, 279, 90);
    note->hide();
    return note;
}

} // namespace

TPasswordDlg::TPasswordDlg(QWidget* owner)
    : QDialog(owner)
{
    BuildDesign();
}

void TPasswordDlg::BuildDesign()
{
    setObjectName("PasswordDlg");
    setWindowTitle("Column Parameters");
    setFixedSize(311, 225);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move((area.width() - width()) / 2, (area.height() - height()) / 2);
    }

    Label1 = new QLabel("Column name        ", this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(16, 8, 200, 16);

    edtColName = new QLineEdit(this);
    edtColName->setObjectName("edtColName");
    edtColName->setMaxLength(255);
    edtColName->setGeometry(16, 26, 190, 22);

    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName("ComboBox1");
    ComboBox1->setEditable(false);
    ComboBox1->setGeometry(16, 26, 190, 22);
    ComboBox1->hide();

    OKBtn = new QPushButton("OK", this);
    OKBtn->setObjectName("OKBtn");
    OKBtn->setDefault(true);
    OKBtn->setGeometry(220, 26, 75, 25);
    connect(OKBtn, &QPushButton::clicked, this, &TPasswordDlg::OKBtnClick);

    Label2 = new QLabel("Prefill value:              ", this);
    Label2->setObjectName("Label2");
    Label2->setGeometry(16, 60, 200, 16);

    edtPrefill = new QLineEdit(this);
    edtPrefill->setObjectName("edtPrefill");
    edtPrefill->setMaxLength(9999);
    edtPrefill->setGeometry(16, 78, 279, 22);

    lblFillNote = MakeNote(this, "lblFillNote",
        "You have clicked on the 'FILL COLUMN' button.  The prefill value that you specify will "
        "be written into all rows of the column that you select (but not the title row).   Any "
        "existing data will be overwritten.");
    lblAddColNote = MakeNote(this, "lblAddColNote",
        "You have clicked on the 'ADD COLUMN' button.  The column name that you select must be "
        "unique.  The column will be appended after the rightmost data in the current file.");

    setTabOrder(edtColName, edtPrefill);
}

void TPasswordDlg::ShowAddMode()
{
    lblAddColNote->setVisible(true);
    ComboBox1->setVisible(false);
    setWindowTitle("Add a Column");
}

void TPasswordDlg::ShowFillMode(const QStringList& labels)
{
    lblFillNote->setVisible(true);
    edtColName->setVisible(false);
    ComboBox1->setVisible(true);
    ComboBox1->clear();
    ComboBox1->addItem("NO COLUMN CHOSEN");
    ComboBox1->addItems(labels);
    ComboBox1->setCurrentIndex(0);
    setWindowTitle("Column Fill");
}

void TPasswordDlg::OKBtnClick()
{
    accept();
}

void TPasswordDlg::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
