#pragma once
// The fixed rules of in-place cell editing: which keys never mark the table modified, the
// longest text a cell takes, and what counts as a line break.

#include <QString>

inline constexpr int kMaxCellCharacters = 10000;

// True for the navigation, function, lock and side-specific modifier keys (virtual-key codes).
bool KeyLeavesTableUnmodified(int virtualKey);

// The first `count` characters of the text; a character outside the basic plane is never split.
QString FirstCharacters(const QString& text, int count);
int CharacterCount(const QString& text);

bool HoldsLineBreak(const QString& text);
