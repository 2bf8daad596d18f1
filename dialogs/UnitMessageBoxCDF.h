#pragma once
// The application message box that reports problems and notices with a title line and a
// text, and the yes-or-no question used for every confirmation.

#include <QDialog>
#include <QString>

class QFrame;
class QLabel;
class QPushButton;

class TMessageBoxCDF : public QDialog {
    Q_OBJECT
public:
    explicit TMessageBoxCDF(QWidget* owner = nullptr);

    QFrame* Shape1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblMessage = nullptr;
    QPushButton* OKBtn = nullptr;

private:
    void BuildDesign();
};

// Shows the message box with the caption "Colvane!", the title line and the text, owned by
// the main window, and destroys it when the user has closed it. Never fails: a failure
// while creating or showing the box is ignored.
void ShowProblem(const QString& title, const QString& text);

// Asks a Yes/No question; true only when the user pressed Yes. Closing the question in
// any other way (Esc, the close box) counts as No.
bool ConfirmYesNo(const QString& question);

// The platform's plain message box: the text, the program's title as caption, and OK.
void ShowMessage(const QString& text);

// The caption of the question box.
inline constexpr const char* kConfirmCaption = "Confirm";

// Destroys a message box still held from a call that failed; the main window calls this
// when it closes.
void DestroyHeldMessageBox();
