#pragma once
// Small helpers the dialogs' design functions share: the fonts the designs name, the fixed
// dialog border, and centring on the screen.

#include <QFont>
#include <QString>

class QColor;
class QLabel;
class QRect;
class QWidget;

// A font of the named family with the given character height in pixels. Qt is asked for
// the family with a sans-serif style hint, so fontconfig substitutes a similar face where
// the family itself is missing.
QFont DesignFont(const QString& family, int pixelHeight, bool bold = false);

// A fixed-size dialog window of the given client size in the design's default font: title
// bar with a close box, no minimise or maximise.
void SetDialogBorder(QWidget& window, int clientWidth, int clientHeight);

// left = (screen width - window width) div 2, top likewise, on the primary screen.
void CentreOnScreen(QWidget& window);

// Texts of the program write line breaks as CR LF; labels show them as one break each.
QString DisplayLineBreaks(const QString& text);

// A label placed at its design position, top-left aligned, showing its text as plain text.
QLabel* NewLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry);

// Fills the widget's background with the colour.
void SetBackground(QWidget& widget, const QColor& colour);

// Draws the widget's text in the colour.
void SetTextColour(QWidget& widget, const QColor& colour);
