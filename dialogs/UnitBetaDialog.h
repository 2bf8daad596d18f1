#pragma once
// The Beta Test Information dialog: reports an unexpected failure in two labelled texts
// beside a fixed explanatory text, and opens the help.

#include "dialogs/OKCANCL2.h"

#include <QColor>
#include <QString>

class QLabel;
class QTextEdit;

class TOKHelpRightDlg1 : public TOKRightDlg {
    Q_OBJECT
public:
    explicit TOKHelpRightDlg1(QWidget* owner = nullptr);

    QFrame* Bevel2 = nullptr;
    QFrame* Bevel3 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label2 = nullptr;
    QTextEdit* RichEdit1 = nullptr;
    QLabel* Image1 = nullptr;
    QPushButton* HelpBtn = nullptr;

public slots:
    void HelpBtnClick();

private:
    void BuildDesign();
    void FormCreate();
};

// Context number of the help topic the Help button opens.
inline constexpr int kBetaHelpContext = 100;

// The colours of the explanatory text's colour table: 0 is the automatic colour (the
// text's own), 1 to 15 the sixteen-colour palette without black.
QColor BetaTextColour(int index);

// The explanatory text as Qt rich text.
QString BetaInformationText();

// Shows the dialog with the problem type and the details (the extra text, when there is
// one, follows the details); on failure the plain message box says so.
void ShowBetaInfo(QWidget* owner, const QString& problemType, const QString& details,
                  const QString& extra = QString());
