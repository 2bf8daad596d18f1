// The design of the Change Column Names dialog: its controls and their settings.
#include "editing/UnitChangeColumnNames.h"

#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, const QRect& place)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(place);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

QLabel* MakeGreenLabel(QWidget* parent, const char* name, const QString& text, const QRect& place)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(place);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 128, 0));
    label->setPalette(palette);
    return label;
}

} // namespace

void TOKRightDlg2::CreateDesign()
{
    setObjectName("OKRightDlg2");
    setWindowTitle("Change Column Names");
    setFixedSize(418, 352);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);

    OKBtn = MakeButton(this, "OKBtn", "OK", QRect(332, 8, 75, 25));
    CancelBtn = MakeButton(this, "CancelBtn", "Cancel", QRect(332, 38, 75, 25));

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName("Bevel1");
    Bevel1->setFrameShape(QFrame::Box);
    Bevel1->setFrameShadow(QFrame::Sunken);
    Bevel1->setGeometry(8, 8, 316, 220);

    ListView1 = new QTreeWidget(this);
    ListView1->setObjectName("ListView1");
    ListView1->setGeometry(16, 16, 300, 204);
    ListView1->setColumnCount(2);
    ListView1->setHeaderLabels({"Column Name", "Column Number"});
    ListView1->setColumnWidth(0, 200);
    ListView1->setColumnWidth(1, 100);
    ListView1->setRootIsDecorated(false);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    // The list's own in-place editing of a name stays available (F2 or a click on the
    // selected item); a double click moves to Edit1 instead.
    ListView1->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    // Keep the selection in the active colours when the list loses the focus.
    QPalette palette = ListView1->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight, palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Active, QPalette::HighlightedText));
    ListView1->setPalette(palette);

    Label1 = new QLabel("New Name for Selected Column:", this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(16, 236, 300, 17);

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName("Edit1");
    Edit1->setGeometry(16, 256, 200, 21);
    Edit1->setMaxLength(200);

    Button1 = MakeButton(this, "Button1", "<- Change this item", QRect(224, 254, 120, 25));

    Label2 = MakeGreenLabel(this, "Label2",
                            "The column number starts with \"1\" as the first user column and does "
                            "not include the record number column.",
                            QRect(16, 286, 390, 34));
    Label2->setWordWrap(true);
    Label3 = MakeGreenLabel(this, "Label3", "You may just click 'OK' to accept the default names.",
                            QRect(16, 326, 390, 17));

    setTabOrder(ListView1, Edit1);
    setTabOrder(Edit1, Button1);
    setTabOrder(Button1, OKBtn);
    setTabOrder(OKBtn, CancelBtn);
}
