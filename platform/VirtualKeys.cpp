#include "platform/VirtualKeys.h"

#include <unordered_map>

namespace {

const std::unordered_map<int, int>& KeyTable()
{
    static const std::unordered_map<int, int> table = {
        {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9}, {Qt::Key_Backtab, 9}, {Qt::Key_Clear, 12},
        {Qt::Key_Return, 13}, {Qt::Key_Enter, 13}, {Qt::Key_Shift, 16}, {Qt::Key_Control, 17},
        {Qt::Key_Alt, 18}, {Qt::Key_AltGr, 18}, {Qt::Key_Pause, 19}, {Qt::Key_CapsLock, 20}, {Qt::Key_Escape, 27},
        {Qt::Key_Space, 32}, {Qt::Key_PageUp, 33}, {Qt::Key_PageDown, 34}, {Qt::Key_End, 35},
        {Qt::Key_Home, 36}, {Qt::Key_Left, 37}, {Qt::Key_Up, 38}, {Qt::Key_Right, 39},
        {Qt::Key_Down, 40}, {Qt::Key_Select, 41}, {Qt::Key_Printer, 42}, {Qt::Key_Execute, 43},
        {Qt::Key_Print, 44}, {Qt::Key_SysReq, 44}, {Qt::Key_Insert, 45}, {Qt::Key_Delete, 46}, {Qt::Key_Help, 47},
        {Qt::Key_Meta, 91}, {Qt::Key_Super_L, 91}, {Qt::Key_Super_R, 92}, {Qt::Key_Menu, 93},
        {Qt::Key_Sleep, 95}, {Qt::Key_NumLock, 144}, {Qt::Key_ScrollLock, 145},
        // Symbols, by the key that carries them on a US keyboard.
        {Qt::Key_Semicolon, 186}, {Qt::Key_Colon, 186}, {Qt::Key_Equal, 187}, {Qt::Key_Plus, 187},
        {Qt::Key_Comma, 188}, {Qt::Key_Less, 188}, {Qt::Key_Minus, 189}, {Qt::Key_Underscore, 189},
        {Qt::Key_Period, 190}, {Qt::Key_Greater, 190}, {Qt::Key_Slash, 191}, {Qt::Key_Question, 191},
        {Qt::Key_QuoteLeft, 192}, {Qt::Key_AsciiTilde, 192}, {Qt::Key_BracketLeft, 219},
        {Qt::Key_BraceLeft, 219}, {Qt::Key_Backslash, 220}, {Qt::Key_Bar, 220},
        {Qt::Key_BracketRight, 221}, {Qt::Key_BraceRight, 221}, {Qt::Key_Apostrophe, 222},
        {Qt::Key_QuoteDbl, 222}, {Qt::Key_Exclam, '1'}, {Qt::Key_At, '2'}, {Qt::Key_NumberSign, '3'},
        {Qt::Key_Dollar, '4'}, {Qt::Key_Percent, '5'}, {Qt::Key_AsciiCircum, '6'},
        {Qt::Key_Ampersand, '7'}, {Qt::Key_Asterisk, '8'}, {Qt::Key_ParenLeft, '9'},
        {Qt::Key_ParenRight, '0'},
    };
    return table;
}

// The numeric-pad codes: digits 96 to 105, then * + (separator) - . /
int KeypadCode(int qtKey)
{
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return 96 + (qtKey - Qt::Key_0);
    switch (qtKey) {
    case Qt::Key_Asterisk: return 106;
    case Qt::Key_Plus: return 107;
    case Qt::Key_Minus: return 109;
    case Qt::Key_Period: return 110;
    case Qt::Key_Comma: return 110;
    case Qt::Key_Slash: return 111;
    default: return 0;
    }
}

} // namespace

int VirtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers)
{
    if (modifiers & Qt::KeypadModifier) {
        if (const int code = KeypadCode(qtKey))
            return code;
    }
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return qtKey;  // Qt and Windows share the ASCII codes of letters and digits
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return 112 + (qtKey - Qt::Key_F1);
    const auto& table = KeyTable();
    const auto found = table.find(qtKey);
    return found != table.end() ? found->second : UnknownVirtualKey;
}
