#pragma once
// The comma-file engine: one file's text, its parsed table, and the reader and writer of the
// comma-delimited format (every field between double quotes). It shows no user interface:
// operations answer with a boolean or a code and leave the text of the last failure in
// Message and the faulty line in ErrorStart and ErrorEnd.

#include "engine/TCommaFileColumn.h"
#include "engine/TCommaFileColumns.h"
#include "engine/TCommaFileRow.h"
#include "engine/TCommaFileRows.h"
#include "engine/TSharedText.h"
#include "engine/TableSnapshot.h"

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#include <sys/stat.h>

class TParsedTable;

class TCommaFile {
public:
    TCommaFile();
    ~TCommaFile();
    TCommaFile(const TCommaFile&) = delete;
    TCommaFile& operator=(const TCommaFile&) = delete;

    std::string Message;
    // The file's text; shared with Buffer and with SharedText() instead of copied.
    TSharedText Text;
    std::int32_t ErrorStart = 0;
    std::int32_t ErrorEnd = 0;
    std::unique_ptr<TCommaFileRows> Rows;
    std::string FileName;
    // The characters the reader walks through (the first Size of them).
    std::shared_ptr<const std::string> Buffer;
    struct stat FileStatus;
    std::uint32_t Size = 0;
    struct StreamCloser {
        void operator()(std::FILE* stream) const { std::fclose(stream); }
    };
    std::unique_ptr<std::FILE, StreamCloser> Stream;
    // errno of the last failed open, so that callers can tell the system's reason.
    int OpenError = 0;

    std::uint32_t GetSize() const { return Size; }

    bool LoadFromFile(const std::string& path, bool reopen);
    bool Parse();
    bool HasMemoryFor(std::uint32_t size) const;

    // How SaveToFile opens a file it creates: Replace empties a file of that name, Exclusive
    // refuses one (998, OpenError EEXIST) so that a file made after the caller checked the
    // name is never emptied. A dangling link counts as an existing file.
    enum class CreateMode { Replace, Exclusive };
    std::int32_t SaveToFile(bool reopen, CreateMode mode = CreateMode::Replace);
    void DoubleQuotes(std::string& text) const;
    std::int32_t CheckHtmlName(const std::string& path) const;
    std::int32_t CheckXmlName(const std::string& path) const;

    // The table as the last Parse built it: immutable, and valid after this object is gone.
    std::shared_ptr<const TableSnapshot> Snapshot() const;
    // The text without a copy.
    std::shared_ptr<const std::string> SharedText() const { return Text.Share(); }

private:
    struct FieldText {
        std::size_t Start = 0;
        std::size_t Length = 0;
        bool HasDoubledQuote = false;
        bool HasBreakCharacter = false;  // CR, LF or backspace
    };

    char At(std::size_t pos) const { return pos < Size ? (*Buffer)[pos] : '\0'; }
    bool ReadIntoBuffer(std::FILE* stream);
    bool ParseInto(TParsedTable& table);
    bool AtEndOfText(std::size_t pos) const;
    void SkipBlanks(std::size_t& pos) const;
    void SkipLineBreaks(std::size_t& pos) const;
    bool ReadQuotedField(std::size_t& pos, std::size_t& fieldStart, FieldText& field);
    bool IsDoubledQuote(std::size_t pos) const;
    bool FailsMultilineCheck(const FieldText& field, std::size_t fieldStart);
    bool RowWidthDiffers(const TParsedTable& table) const;
    bool LocateErrorLine(std::size_t position);
    std::int32_t CheckNamePattern(const std::string& path, const char* pattern, bool xmlRule) const;

    std::shared_ptr<const TParsedTable> parsed_;
};
