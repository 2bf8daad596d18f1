#pragma once
// Reads a count typed by the user.

#include <QString>

// The text as a decimal integer with an optional sign, blanks around it allowed; 0 when it
// is not one (empty, not a number, outside the 32-bit range).
int TextToIntOrZero(const QString& text);
