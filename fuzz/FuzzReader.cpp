// libFuzzer target for the comma-file reader. Every input is handed to Parse exactly as a
// load hands over a file's bytes, and the outcome is checked:
// - success: every row holds the same number of cells, the row objects and the snapshot
//   agree, and writing the table again as quoted fields (doubled quotes, commas, CR LF)
//   and reading that text gives the same table;
// - failure: Message is one of the reader's fault messages naming ErrorStart as the
//   character number, or empty (a field whose closing quote is missing changes nothing),
//   and ErrorStart is the start of a line within the text.
// A broken check aborts, so libFuzzer keeps the input.

#include "engine/TCommaFile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include <sys/prctl.h>

namespace {

using Table = std::vector<std::vector<std::string>>;

void Require(bool condition, const char* what)
{
    if (condition)
        return;
    std::fprintf(stderr, "broken invariant: %s\n", what);
    std::abort();
}

bool ParseText(TCommaFile& file, std::string text)
{
    file.Text = std::move(text);
    file.Buffer = file.Text.Share();
    file.Size = static_cast<std::uint32_t>(file.Text.size());
    return file.Parse();
}

Table TableOf(TCommaFile& file)
{
    Table table;
    for (int r = 0; r < file.Rows->Count; ++r) {
        TCommaFileColumns& cells = *file.Rows->Get(r)->Columns;
        table.emplace_back();
        for (int c = 0; c < cells.Count; ++c) {
            TCommaFileColumn* cell = cells.Get(c);
            Require(cell != nullptr, "a cell inside the row is missing");
            Require(cell->Kind == 2, "a cell's kind is not 2");
            table.back().push_back(cell->Text);
        }
    }
    return table;
}

bool SameAsSnapshot(const TableSnapshot& snapshot, const Table& table)
{
    if (snapshot.RowCount() != static_cast<int>(table.size()))
        return false;
    for (int r = 0; r < snapshot.RowCount(); ++r) {
        const auto& row = table[static_cast<std::size_t>(r)];
        if (snapshot.CellCount(r) != static_cast<int>(row.size()))
            return false;
        for (int c = 0; c < snapshot.CellCount(r); ++c)
            if (snapshot.CellText(r, c) != row[static_cast<std::size_t>(c)])
                return false;
    }
    return true;
}

// The comma writer's rules: each cell between double quotes with its quotes doubled, cells
// joined by commas, every line ending in CR LF.
std::string CommaTextOf(const TCommaFile& quoting, const Table& table)
{
    std::string text;
    for (const auto& row : table) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            std::string field = row[c];
            quoting.DoubleQuotes(field);
            text += '"';
            text += field;
            text += c + 1 < row.size() ? "\"," : "\"";
        }
        text += "\r\n";
    }
    return text;
}

bool IsFaultMessage(const std::string& message, std::int32_t n)
{
    const std::string number = std::to_string(n);
    const std::string rule = "\r\n\r\nThis program requires quotes around ALL data";
    const std::string known[] = {
        "Could not load file.\r\nUnquoted text found. \r\nProblem is near character # " + number + rule,
        "File not loaded. \r\nUnquoted text found near character # " + number + rule,
        "File not loaded. \r\nA data field is too large near character# " + number,
        "Could not load file.\r\n\r\nMultiline data (linefeeds in data) not allowed!\r\nProblem is near character # " +
            number,
        "Could not load file.\r\nNot all rows have same number of columns  \r\nProblem is near character # " + number,
    };
    for (const std::string& text : known)
        if (message == text)
            return true;
    return false;
}

void CheckSuccess(TCommaFile& file)
{
    const Table table = TableOf(file);
    Require(!table.empty(), "an accepted text gives no row");
    for (const auto& row : table)
        Require(row.size() == table.front().size(), "rows of an accepted text differ in width");
    Require(SameAsSnapshot(*file.Snapshot(), table), "snapshot and rows differ");

    TCommaFile again;
    Require(ParseText(again, CommaTextOf(again, table)), "the re-written table is refused");
    Require(TableOf(again) == table, "the re-written table reads back differently");
}

void CheckFailure(const TCommaFile& file, std::string_view text)
{
    Require(file.ErrorStart >= 0, "ErrorStart is negative");
    Require(static_cast<std::uint32_t>(file.ErrorStart) <= file.Size, "ErrorStart lies past the text");
    Require(file.ErrorEnd >= 0 && static_cast<std::uint32_t>(file.ErrorEnd) <= file.Size,
            "ErrorEnd lies outside the text");
    const auto start = static_cast<std::size_t>(file.ErrorStart);
    Require(start == 0 || text[start - 1] == '\r' || text[start - 1] == '\n', "ErrorStart is not a line start");
    Require(file.Message.empty() || IsFaultMessage(file.Message, file.ErrorStart),
            "Message names no known fault");
}

}  // namespace

// The reader's tables are advised for huge pages, so each run would touch (and zero) a few
// megabytes; without them a run costs what its input costs.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    prctl(PR_SET_THP_DISABLE, 1, 0, 0, 0);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    TCommaFile file;
    if (ParseText(file, text))
        CheckSuccess(file);
    else
        CheckFailure(file, text);
    return 0;
}
