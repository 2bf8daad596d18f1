#include "mainwindow/TextToIntOrZero.h"

#include <charconv>
#include <string>

int TextToIntOrZero(const QString& text)
{
    std::string digits = text.trimmed().toStdString();
    if (digits.size() > 1 && digits[0] == '+' && digits[1] != '-')
        digits.erase(0, 1);
    int value = 0;
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, value);
    if (digits.empty() || error != std::errc() || stop != end)
        return 0;
    return value;
}
