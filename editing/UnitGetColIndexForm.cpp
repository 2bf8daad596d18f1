#include "editing/UnitGetColIndexForm.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>

TOKRightDlg1::TOKRightDlg1(QWidget* owner)
    : QDialog(owner)
{
    BuildDesign();
    FormCreate();
}

void TOKRightDlg1::BuildDesign()
{
    setObjectName("OKRightDlg1");
    setWindowTitle("Select Column(s)");
    setFixedSize(418, 301);

    OKBtn = new QPushButton("OK", this);
    OKBtn->setObjectName("OKBtn");
    OKBtn->setDefault(true);
    OKBtn->setGeometry(334, 8, 75, 25);
    connect(OKBtn, &QPushButton::clicked, this, &TOKRightDlg1::OKBtnClick);

    CancelBtn = new QPushButton("Cancel", this);
    CancelBtn->setObjectName("CancelBtn");
    CancelBtn->setGeometry(334, 38, 75, 25);
    connect(CancelBtn, &QPushButton::clicked, this, &TOKRightDlg1::CancelBtnClick);

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName("Bevel1");
    Bevel1->setFrameShape(QFrame::Box);
    Bevel1->setGeometry(8, 8, 318, 221);

    ListView1 = new QTreeWidget(Bevel1);
    ListView1->setObjectName("ListView1");
    ListView1->setRootIsDecorated(false);
    ListView1->setColumnCount(2);
    ListView1->setHeaderLabels({"Column Number", "Info in first row"});
    ListView1->header()->resizeSection(0, 100);
    ListView1->header()->resizeSection(1, 200);
    ListView1->setGeometry(4, 4, 310, 213);

    Label1 = new QLabel(
        "Select the column(s) to clear.  The list (above) shows the information  that is in "
        "the first row of the respective column(s)",
        this);
    Label1->setObjectName("Label1");
    Label1->setWordWrap(true);
    Label1->setGeometry(8, 236, 318, 56);
}

// QDialog's reject() already serves as the cancel key (Escape) and the close box.
void TOKRightDlg1::FormCreate()
{
    FirstCheckedIndex = -1;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move((area.width() - width()) / 2, (area.height() - height()) / 2);
    }
}

void TOKRightDlg1::LoadColumnList(const QStringList& labels)
{
    ListView1->clear();
    for (int i = 0; i < labels.size(); ++i) {
        auto* item = new QTreeWidgetItem(ListView1, {QString::number(i + 1), labels[i]});
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(0, Qt::Unchecked);
    }
}

bool TOKRightDlg1::IsItemChecked(int index) const
{
    const QTreeWidgetItem* item = ListView1->topLevelItem(index);
    return item && item->checkState(0) == Qt::Checked;
}

int TOKRightDlg1::ItemCount() const
{
    return ListView1->topLevelItemCount();
}

void TOKRightDlg1::OKBtnClick()
{
    for (int i = 0; i < ItemCount(); ++i) {
        if (IsItemChecked(i)) {
            FirstCheckedIndex = i;
            break;
        }
    }
    accept();
}

void TOKRightDlg1::CancelBtnClick()
{
    reject();
}
