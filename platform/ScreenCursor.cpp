#include "platform/ScreenCursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace {

int& CurrentCursor()
{
    static int cursor = crDefault;
    return cursor;
}

QCursor ShapeOf(int cursor)
{
    return QCursor(cursor == crHourGlass ? Qt::WaitCursor : Qt::ArrowCursor);
}

} // namespace

int ScreenCursor()
{
    return CurrentCursor();
}

// The application-wide cursor is one override cursor of our own, changed in place.
void SetScreenCursor(int cursor)
{
    const bool overridden = CurrentCursor() != crDefault;
    CurrentCursor() = cursor;
    if (cursor == crDefault) {
        if (overridden)
            QGuiApplication::restoreOverrideCursor();
    } else if (overridden) {
        QGuiApplication::changeOverrideCursor(ShapeOf(cursor));
    } else {
        QGuiApplication::setOverrideCursor(ShapeOf(cursor));
    }
}
