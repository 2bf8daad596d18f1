#include "tools/colvane-check/CheckReport.h"

#include "engine/TCommaFile.h"

#include <cstring>

int LineOfOffset(std::string_view text, std::size_t offset)
{
    int line = 1;
    const std::size_t end = std::min(offset, text.size());
    for (std::size_t i = 0; i < end; ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            if (i + 1 >= end)
                break;  // the offset is the LF of this line's CR LF
            ++i;
        }
        if (text[i] == '\r' || text[i] == '\n')
            ++line;
    }
    return line;
}

std::string FlattenMessage(std::string_view message)
{
    std::string flat;
    for (std::size_t i = 0; i < message.size(); ++i) {
        const bool lineBreak = message[i] == '\r' || message[i] == '\n';
        if (!lineBreak)
            flat += message[i];
        else if (i == 0 || (message[i - 1] != '\r' && message[i - 1] != '\n'))
            flat += ' ';
    }
    return flat;
}

CheckResult CheckFile(const std::string& path)
{
    TCommaFile file;
    if (file.LoadFromFile(path, true)) {
        const int rows = file.Rows->Count;
        const int columns = rows > 0 ? file.Rows->Get(rows - 1)->Columns->Count : 0;
        return {true, path + ": valid: " + std::to_string(rows) + " rows, " + std::to_string(columns) + " columns"};
    }
    if (!file.Stream)
        return {false, path + ": cannot be opened: " + std::strerror(file.OpenError)};
    // The reader leaves no message when the text ends inside a quoted field.
    const std::string message = file.Message.empty() ? "the text ends inside a quoted field" : FlattenMessage(file.Message);
    return {false, path + ":" + std::to_string(LineOfOffset(file.Text, file.ErrorStart)) + ": " + message};
}
