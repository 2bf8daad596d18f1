#include "dialogs/UnitBetaDialog.h"

#include "dialogs/DialogDesign.h"
#include "dialogs/DialogPictures.h"
#include "dialogs/DialogResources.h"
#include "dialogs/UnitMessageBoxCDF.h"
#include "platform/HelpViewer.h"
#include "platform/ModalSeam.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <array>
#include <memory>

namespace {

const QColor kTeal(0, 128, 128);

// Indents of the explanatory text, 360 and 720 twips at 96 pixels per inch.
constexpr int kIndent = 24;
constexpr int kDoubleIndent = 48;

// One paragraph of the explanatory text.
QString Paragraph(int indent, const QString& body)
{
    return QString("<p style=\"margin-top:0px; margin-bottom:0px; margin-left:%1px;\">%2</p>")
        .arg(indent)
        .arg(body);
}

// An empty paragraph, written the way Qt keeps one (it drops a paragraph without content).
QString EmptyParagraph(int indent, const QString& extraStyle = QString())
{
    return QString("<p style=\"-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; "
                   "margin-left:%1px;%2\"><br /></p>")
        .arg(indent)
        .arg(extraStyle);
}

QString Span(int points, int colour, const QString& text)
{
    QString style = QString("font-size:%1pt;").arg(points);
    if (colour > 0)
        style += QString(" color:%1;").arg(BetaTextColour(colour).name());
    return QString("<span style=\"%1\">%2</span>").arg(style, text);
}

const QString kTab = "<span style=\"white-space:pre;\">\t</span>";

QString FootnotesAndHeading()
{
    // The topic's footnotes in Helv at 10 points, then the heading in Arial.
    const QString footnotes = "<span style=\"font-family:'Helv'; font-size:10pt; vertical-align:super;\">"
                              "$ Contents # Contents K Contents</span>";
    return Paragraph(0, footnotes) + Paragraph(0, kTab + "<b><u>" + Span(12, 0, "Beta Test Information") + "</u></b>");
}

QString FeedbackParagraphs()
{
    const QStringList addresses = FeedbackAddresses();
    QString html = EmptyParagraph(kIndent);
    for (int i = 0; i < addresses.size(); ++i)
        html += Paragraph(kIndent, kTab + Span(8, 5, (i == 0 ? "" : "or ") + addresses[i]));
    return html;
}

} // namespace

QColor BetaTextColour(int index)
{
    static const std::array<QColor, 16> table{
        QColor(), QColor(0, 0, 127), QColor(0, 127, 0), QColor(0, 127, 127),
        QColor(127, 0, 0), QColor(127, 0, 127), QColor(127, 127, 0), QColor(127, 127, 127),
        QColor(192, 192, 192), QColor(0, 0, 255), QColor(0, 255, 0), QColor(0, 255, 255),
        QColor(255, 0, 0), QColor(255, 0, 255), QColor(255, 255, 0), QColor(255, 255, 255)};
    return index >= 0 && index < int(table.size()) ? table[index] : QColor();
}

QString BetaInformationText()
{
    // pre-wrap keeps the text's double blanks.
    QString html = "<html><body style=\"font-family:'Arial'; font-size:9pt; white-space:pre-wrap;\">";
    html += FootnotesAndHeading();
    html += EmptyParagraph(0);
    html += Paragraph(kIndent, Span(10, 15,
        "This dialog is shown when an exception is generated  in the program.   It facilitates the "
        "display of the useful information that should  be returned as  feedback to the author, so "
        "that changes/improvements can be  made to the program."));
    html += EmptyParagraph(kDoubleIndent, QString(" color:%1;").arg(BetaTextColour(1).name()));
    html += Paragraph(kIndent, Span(10, 15, "Please send feedback via email to one of the following  email addresses: "));
    html += FeedbackParagraphs();
    html += EmptyParagraph(0);
    html += Paragraph(kDoubleIndent, Span(10, 15, "Thank you for helping to make Colvane better."));
    html += EmptyParagraph(0, " page-break-after:always;");
    html += "</body></html>";
    return html;
}

TOKHelpRightDlg1::TOKHelpRightDlg1(QWidget* owner)
    : TOKRightDlg(owner)
{
    InitDialogResources();
    BuildDesign();
    FormCreate();
}

void TOKHelpRightDlg1::BuildDesign()
{
    setObjectName("OKHelpRightDlg1");
    setWindowTitle("Beta Test Information Dialog");
    SetDialogBorder(*this, 535, 419);
    SetBackground(*this, kTeal);

    Bevel1->setGeometry(272, 384, 33, 17);
    Bevel1->hide();

    Bevel2 = new QFrame(this);
    Bevel2->setObjectName("Bevel2");
    Bevel2->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel2->setGeometry(8, 8, 233, 401);

    Label3 = NewLabel(this, "Label3", "Type of problem encountered:", QRect(16, 16, 185, 17));
    SetTextColour(*Label3, Qt::white);
    Label1 = NewLabel(this, "Label1", QString(), QRect(16, 40, 209, 145));
    Label1->setWordWrap(true);
    Label4 = NewLabel(this, "Label4", "Details relating to the problem:", QRect(16, 200, 177, 17));
    SetTextColour(*Label4, Qt::white);
    Label2 = NewLabel(this, "Label2", QString(), QRect(16, 224, 209, 159));
    Label2->setWordWrap(true);

    Bevel3 = new QFrame(this);
    Bevel3->setObjectName("Bevel3");
    Bevel3->setFrameShape(QFrame::VLine);
    Bevel3->setFrameShadow(QFrame::Plain);
    Bevel3->setGeometry(240, 8, 1, 401);

    RichEdit1 = new QTextEdit(this);
    RichEdit1->setObjectName("RichEdit1");
    RichEdit1->setGeometry(248, 8, 273, 361);
    RichEdit1->setFrameStyle(QFrame::NoFrame);
    RichEdit1->setReadOnly(true);
    RichEdit1->setFont(DesignFont("MS Sans Serif", 11));
    QPalette editPalette = RichEdit1->palette();
    editPalette.setColor(QPalette::Base, kTeal);
    editPalette.setColor(QPalette::Text, Qt::white);
    RichEdit1->setPalette(editPalette);

    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setGeometry(338, 377, 100, 35);
    Image1->setPixmap(PaintVersionBadge(100, 35));

    HelpBtn = new QPushButton("&Help", this);
    HelpBtn->setObjectName("HelpBtn");
    HelpBtn->setGeometry(257, 384, 75, 25);
    HelpBtn->setAutoDefault(false);
    connect(HelpBtn, &QPushButton::clicked, this, &TOKHelpRightDlg1::HelpBtnClick);

    OKBtn->move(444, 384);
    OKBtn->setDefault(false);
    OKBtn->setAutoDefault(false);

    CancelBtn->setGeometry(20, 374, 29, CancelBtn->height());
    CancelBtnIsCancel = false;
    CancelBtn->hide();
}

void TOKHelpRightDlg1::FormCreate()
{
    try {
        CentreOnScreen(*this);
        RichEdit1->setHtml(BetaInformationText());
    } catch (...) {
        ShowMessage("Could not show Beta-Info Message dialog ... ");
    }
}

void TOKHelpRightDlg1::HelpBtnClick()
{
    try {
        ShowHelpTopic(kBetaHelpContext, this);
    } catch (...) {
        // The help reports its own problems; the dialog stays open.
    }
}

void ShowBetaInfo(QWidget* owner, const QString& problemType, const QString& details, const QString& extra)
{
    try {
        auto dialog = std::make_unique<TOKHelpRightDlg1>(owner);
        dialog->Label1->setText(problemType);
        dialog->Label2->setText(extra.isEmpty() ? details : details + "\n\n" + extra);
        ExecModal(*dialog);
    } catch (...) {
        ShowMessage("Could not show Beta-Info-Message dialog. ");
    }
}
