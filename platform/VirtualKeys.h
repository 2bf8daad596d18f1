#pragma once
// Windows virtual-key codes for Qt key events, so that key handlers can test the codes the
// program's key rules are written in (Escape 27, arrows 37 to 40, F1 112, and so on).

#include <Qt>

// The virtual-key code of a Qt key. Shifted symbols give the code of their key on a US
// keyboard ('!' gives '1', 49); keypad digits and operators give the numeric-pad codes when
// the keypad modifier is set. A key without a Windows counterpart gives 255.
int VirtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers);

constexpr int UnknownVirtualKey = 255;
