// The reader: validates the first Size characters of Buffer in one forward pass and builds
// the table. Cells are recorded as offsets into Buffer; only a field with doubled quotes has
// its characters copied (collapsed) into the table's arena.

#include "engine/TCommaFile.h"

#include "engine/TParsedTable.h"

#include <array>
#include <cstring>

namespace {

constexpr char CR = '\r';
constexpr char LF = '\n';
constexpr char Backspace = '\b';
constexpr char Quote = '"';
constexpr char Blank = ' ';

// No field holds more characters than this between its quotes.
constexpr std::size_t FieldLimit = 65353;

bool IsLineBreak(char c)
{
    return c == CR || c == LF;
}

bool MayBeginText(char c)
{
    return c == Quote || c == '.' || c == ',' || c == '-' || (c >= '0' && c <= '9');
}

// Marks the characters that may not stand inside a field.
constexpr std::array<unsigned char, 256> BreakCharacters = [] {
    std::array<unsigned char, 256> marks{};
    marks[static_cast<unsigned char>(CR)] = 1;
    marks[static_cast<unsigned char>(LF)] = 1;
    marks[static_cast<unsigned char>(Backspace)] = 1;
    return marks;
}();

std::string FaultNear(const char* before, std::int32_t n, const char* after = "")
{
    return before + std::to_string(n) + after;
}

const char* const DataRule = "\r\n\r\nThis program requires quotes around ALL data";

}  // namespace

bool TCommaFile::Parse()
{
    Rows = std::make_unique<TCommaFileRows>();
    if (!Buffer || Size > Buffer->size())
        Size = Buffer ? static_cast<std::uint32_t>(Buffer->size()) : 0;
    std::shared_ptr<TParsedTable> table;
    bool result = false;
    try {
        table = std::make_shared<TParsedTable>(Buffer, Size);
        result = ParseInto(*table);
    } catch (...) {
        result = false;
    }
    if (table) {
        Rows->AttachParsed(table);
        parsed_ = std::move(table);
    }
    return result;
}

bool TCommaFile::ParseInto(TParsedTable& table)
{
    std::size_t pos = 0;
    SkipBlanks(pos);
    if (!MayBeginText(At(pos))) {
        LocateErrorLine(pos);
        Message = FaultNear("Could not load file.\r\nUnquoted text found. \r\nProblem is near character # ",
                            ErrorStart, DataRule);
        return false;
    }
    std::size_t fieldStart = pos;
    FieldText field;
    for (;;) {
        if (table.RowCount() == 0 || IsLineBreak(At(pos))) {
            table.StartRow();
            SkipLineBreaks(pos);
            fieldStart = pos;
        }
        SkipBlanks(pos);
        const bool ok = ReadQuotedField(pos, fieldStart, field);
        if (FailsMultilineCheck(field, fieldStart))
            return false;
        if (!ok)
            return false;
        if (field.HasDoubledQuote)
            table.AddCollapsedCell(field.Start, field.Length);
        else
            table.AddCell(field.Start, field.Length);

        // A row ends at a line break, or at the end of the text; the last row is compared too.
        const bool endsAtBreak = IsLineBreak(At(pos));
        const bool endsText = AtEndOfText(pos);
        if ((endsAtBreak || endsText) && RowWidthDiffers(table)) {
            const bool lineBreakFollows = LocateErrorLine(pos);
            if (!lineBreakFollows)
                ErrorEnd = static_cast<std::int32_t>(Size);
            Message = FaultNear(
                "Could not load file.\r\nNot all rows have same number of columns  \r\nProblem is near character # ",
                ErrorStart);
            return false;
        }
        fieldStart = pos;
        if (endsText)
            return true;
    }
}

// The end rule: at most two characters are left, and they are blanks or line breaks only
// (anything else is read on, as a field or as a fault).
bool TCommaFile::AtEndOfText(std::size_t pos) const
{
    if (pos + 2 < Size)
        return false;
    for (std::size_t i = pos; i < Size; ++i) {
        const char c = (*Buffer)[i];
        if (c != Blank && !IsLineBreak(c))
            return false;
    }
    return true;
}

bool TCommaFile::RowWidthDiffers(const TParsedTable& table) const
{
    const int rows = table.RowCount();
    return rows > 1 && table.CellCount(rows - 1) != table.CellCount(rows - 2);
}

void TCommaFile::SkipBlanks(std::size_t& pos) const
{
    while (pos < Size && (*Buffer)[pos] == Blank)
        ++pos;
}

void TCommaFile::SkipLineBreaks(std::size_t& pos) const
{
    while (pos < Size && ((*Buffer)[pos] == Blank || IsLineBreak((*Buffer)[pos])))
        ++pos;
}

bool TCommaFile::IsDoubledQuote(std::size_t pos) const
{
    return At(pos + 1) == Quote;
}

bool TCommaFile::ReadQuotedField(std::size_t& pos, std::size_t& fieldStart, FieldText& field)
{
    SkipBlanks(pos);
    if (At(pos) != Quote) {
        LocateErrorLine(pos);
        Message = FaultNear("File not loaded. \r\nUnquoted text found near character # ", ErrorStart, DataRule);
        return false;
    }
    field = FieldText{};
    ++pos;
    fieldStart = pos;

    const char* text = Buffer->data();
    const std::size_t limit = fieldStart + FieldLimit;
    const std::size_t stop = std::min<std::size_t>(limit, Size);
    unsigned char breaks = 0;
    for (;;) {
        while (pos < stop && text[pos] != Quote)
            breaks |= BreakCharacters[static_cast<unsigned char>(text[pos++])];
        if (pos >= limit) {
            LocateErrorLine(pos);
            Message = FaultNear("File not loaded. \r\nA data field is too large near character# ", ErrorStart);
            return false;
        }
        if (pos >= Size)
            return false;  // the text ends inside the field; Message stays as it was
        if (!IsDoubledQuote(pos))
            break;
        field.HasDoubledQuote = true;
        pos += 2;
    }
    field.Start = fieldStart;
    field.Length = pos - fieldStart;
    field.HasBreakCharacter = breaks != 0;
    ++pos;
    SkipBlanks(pos);

    if (At(pos) == ',') {
        ++pos;
        return true;
    }
    LocateErrorLine(pos);
    if (IsLineBreak(At(pos)) || pos >= Size) {
        // The field was the last of its row.
        Message.clear();
        ErrorStart = 0;
        return true;
    }
    Message = FaultNear("File not loaded. \r\nUnquoted text found near character # ", ErrorStart, DataRule);
    return false;
}

// A CR anywhere in the field is reported first, then an LF, then a backspace.
bool TCommaFile::FailsMultilineCheck(const FieldText& field, std::size_t fieldStart)
{
    if (!field.HasBreakCharacter)
        return false;
    const char* begin = Buffer->data() + field.Start;
    for (char wanted : {CR, LF, Backspace}) {
        const void* found = std::memchr(begin, wanted, field.Length);
        if (!found)
            continue;
        const std::size_t k = static_cast<const char*>(found) - begin + 1;
        LocateErrorLine(fieldStart + k);
        Message = FaultNear(
            "Could not load file.\r\n\r\nMultiline data (linefeeds in data) not allowed!\r\nProblem is near character # ",
            ErrorStart);
        return true;
    }
    return false;
}

// ErrorStart = the first character of the line holding the position; ErrorEnd = the line
// break that ends that line, left as it was when no line break follows (answers false then).
bool TCommaFile::LocateErrorLine(std::size_t position)
{
    const char* text = Buffer->data();
    ErrorStart = 0;
    if (Size > 0) {
        for (std::size_t i = std::min<std::size_t>(position, Size - 1) + 1; i-- > 0;) {
            if (IsLineBreak(text[i])) {
                ErrorStart = static_cast<std::int32_t>(i + 1);
                break;
            }
        }
    }
    for (std::size_t i = ErrorStart; i < Size; ++i) {
        if (IsLineBreak(text[i])) {
            ErrorEnd = static_cast<std::int32_t>(i);
            return true;
        }
    }
    return false;
}
