#include "editing/CellEditRules.h"

bool KeyLeavesTableUnmodified(int key)
{
    return key == 27                   // Escape
        || (key >= 33 && key <= 40)    // Page Up, Page Down, End, Home, arrows
        || key == 42 || key == 44      // Print, Print Screen
        || key == 47                   // Help
        || key == 91 || key == 92      // left and right Windows keys
        || (key >= 112 && key <= 135)  // F1 to F24
        || key == 144 || key == 145    // Num Lock, Scroll Lock
        || (key >= 160 && key <= 165); // left and right Shift, Ctrl, Alt
}

int CharacterCount(const QString& text)
{
    int count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!(text[i].isLowSurrogate() && i > 0 && text[i - 1].isHighSurrogate()))
            ++count;
    }
    return count;
}

QString FirstCharacters(const QString& text, int count)
{
    qsizetype end = 0;
    for (int taken = 0; end < text.size() && taken < count; ++taken) {
        const bool pair = text[end].isHighSurrogate() && end + 1 < text.size()
                          && text[end + 1].isLowSurrogate();
        end += pair ? 2 : 1;
    }
    return text.left(end);
}

bool HoldsLineBreak(const QString& text)
{
    return text.contains(QChar('\r')) || text.contains(QChar('\n'));
}
