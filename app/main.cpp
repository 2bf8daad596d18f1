// The program: the application object with its title and help file, the main window, and
// the event loop until the main window closes. Takes no arguments.
#include "app/DisplayCheck.h"
#include "app/Screenshots.h"
#include "mainwindow/unitADIF_Form1.h"

#include <QIcon>
#include <cstdio>
#include <exception>
#include <memory>

int main(int argc, char** argv)
{
    const std::unique_ptr<TApplication> application = OpenApplication(argc, argv);
    std::unique_ptr<ScreenshotRun> screenshots;
    try {
        application->SetTitle("Editor for comma delimited data");
        // The help viewer looks the file up in its own places.
        application->SetHelpFile("COLVANE.HLP");
        application->setWindowIcon(QIcon(":/images/colvane.png"));
        TForm1 form;
        if (const QString folder = ScreenshotFolder(); !folder.isEmpty())
            screenshots = std::make_unique<ScreenshotRun>(form, folder);
        form.show();
        // A start-up check that failed has closed the window already.
        if (form.isVisible())
            application->exec();
    } catch (const std::exception& failure) {
        ShowExceptionReport(QString::fromLocal8Bit(failure.what()));
    } catch (...) {
        ShowExceptionReport("Unknown failure.");
    }
    if (screenshots && !screenshots->Succeeded()) {
        std::fputs("colvane: screenshots: not every picture was saved\n", stderr);
        return 1;
    }
    return 0;
}
