// The program: the application object with its title and help file, the main window, and
// the event loop until the main window closes. Takes no arguments.
#include "mainwindow/unitADIF_Form1.h"
#include "platform/TApplication.h"

#include <QIcon>
#include <cstdio>
#include <cstdlib>
#include <exception>

namespace {

// Without any display the toolkit would abort with a page of diagnostics; say it in one line.
bool HasDisplay()
{
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value && *value;
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
}

} // namespace

int main(int argc, char** argv)
{
    if (!HasDisplay()) {
        std::fputs("colvane: no display found (set DISPLAY, or run it under xvfb-run)\n", stderr);
        return 1;
    }
    TApplication application(argc, argv);
    try {
        application.SetTitle("Editor for comma delimited data");
        // The help viewer looks the file up in its own places.
        application.SetHelpFile("COLVANE.HLP");
        application.setWindowIcon(QIcon(":/images/colvane.png"));
        TForm1 form;
        form.show();
        application.exec();
    } catch (const std::exception& failure) {
        ShowExceptionReport(QString::fromLocal8Bit(failure.what()));
    } catch (...) {
        ShowExceptionReport("Unknown failure.");
    }
    return 0;
}
