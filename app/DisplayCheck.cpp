#include "app/DisplayCheck.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct HeldMessage {
    QtMsgType type;
    const char* category;  // the categories are static objects
    QString text;
};

QtMessageHandler previousHandler = nullptr;
std::vector<HeldMessage> heldMessages;

QByteArray NoDisplayLine()
{
    const QByteArray x11 = qgetenv("DISPLAY");
    const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
    const QByteArray advice = "; start it from a desktop session or under xvfb-run";
    if (!x11.isEmpty())
        return "colvane: cannot open the display \"" + x11 + "\"" + advice;
    if (!wayland.isEmpty())
        return "colvane: cannot open the Wayland display \"" + wayland + "\"" + advice;
    return "colvane: no display to open (DISPLAY is not set)" + advice;
}

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", NoDisplayLine().constData());
        std::fflush(stderr);
        // Nothing of the half-made application object may run its destructors now.
        std::_Exit(1);
    }
    heldMessages.push_back({type, context.category, text});
}

} // namespace

std::unique_ptr<TApplication> OpenApplication(int& argc, char** argv)
{
    previousHandler = qInstallMessageHandler(HoldMessage);
    auto application = std::make_unique<TApplication>(argc, argv);
    qInstallMessageHandler(previousHandler);
    for (const HeldMessage& message : heldMessages) {
        if (previousHandler)
            previousHandler(message.type, QMessageLogContext(nullptr, 0, nullptr, message.category),
                            message.text);
    }
    heldMessages.clear();
    return application;
}
