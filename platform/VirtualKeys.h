#pragma once
// Qt's key events as the Windows virtual-key codes the grid's key handlers are written
// against (27 Escape, 37 Left, 112 F1, ...). Keys without such a code give 0.

#include <Qt>

int VirtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers);
