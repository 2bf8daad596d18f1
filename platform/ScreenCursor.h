#pragma once
// The screen cursor as the form code knows it: a small signed identifier for the cursor
// shown over the whole application. crDefault shows each widget's own cursor.

inline constexpr int crDefault = 0;
inline constexpr int crArrow = -2;
inline constexpr int crHourGlass = -11;

int ScreenCursor();
void SetScreenCursor(int cursor);
