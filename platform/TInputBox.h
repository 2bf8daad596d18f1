#pragma once
// The input box: a caption, a prompt, one line of text and OK and Cancel, shown through
// ExecModal. InputBox gives back the typed text on OK and the default text otherwise.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class TInputBox : public QDialog {
    Q_OBJECT

public:
    TInputBox(const QString& caption, const QString& prompt, const QString& defaultText, QWidget* owner = nullptr);

    QLabel* Prompt = nullptr;
    QLineEdit* Edit = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

private:
    void CreateDesign(const QString& caption, const QString& prompt, const QString& defaultText);
};

// Asks for one line of text; the default text when the user cancels or closes the box.
QString InputBox(const QString& caption, const QString& prompt, const QString& defaultText,
                 QWidget* owner = nullptr);
