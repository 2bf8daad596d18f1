#pragma once
// The dialogs' pictures, painted at run time: the product logo and the contact list of the
// About dialog, and the version badge of the Beta Test Information dialog. Each is painted
// on a transparent background at the size of the image control that shows it.

#include <QPixmap>
#include <QStringList>

// The addresses the dialogs name for questions and feedback (the project's own, not
// people's).
QStringList FeedbackAddresses();

QPixmap PaintColvaneLogo(int width, int height);
QPixmap PaintContactList(int width, int height);
QPixmap PaintVersionBadge(int width, int height);
