#pragma once
// The application object: the title, the help file, and the standard report of a failure
// that escapes an event handler (the program goes on after it).

#include <QApplication>
#include <QString>

class TApplication : public QApplication {
    Q_OBJECT

public:
    TApplication(int& argc, char** argv);

    QString Title() const;
    void SetTitle(const QString& title);
    QString HelpFile() const { return helpFile_; }
    void SetHelpFile(const QString& path) { helpFile_ = path; }

    bool notify(QObject* receiver, QEvent* event) override;

private:
    QString helpFile_;
};

// The standard report of an unexpected failure: a message box with the application's title
// and the failure's text.
void ShowExceptionReport(const QString& text);
