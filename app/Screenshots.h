#pragma once
// Pictures for the documentation: when COLVANE_SCREENSHOTS names a folder, the running
// program saves the empty main window, the Beta Test Information dialog (opened with F9)
// and the About dialog into it as PNG files, then ends.

#include <QString>
#include <QStringList>

class QDialog;
class QWidget;
class TForm1;

// The folder named by COLVANE_SCREENSHOTS; empty when the variable is not set.
QString ScreenshotFolder();

class ScreenshotRun {
public:
    // Starts once the event loop runs, so that the window is shown and laid out.
    ScreenshotRun(TForm1& form, const QString& folder);

    // True when every picture was saved.
    bool Succeeded() const { return saved_.size() == 3 && failures_.isEmpty(); }

private:
    void TakeAll();
    void Save(QWidget& widget, const QString& fileName);
    int GrabAndClose(QDialog& dialog);

    TForm1& form_;
    QString folder_;
    QString nextDialogFile_;
    QStringList saved_;
    QStringList failures_;
};
