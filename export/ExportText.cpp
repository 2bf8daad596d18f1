#include "export/ExportText.h"

#include <cassert>
#include <string_view>
#include <vector>

namespace {

const char* const kHtmlHead =
    "<!DOCTYPE HTML PUBLIC \"- //W3C//DTD HTML 4.0//EN\"><HTML><HEAD><TITLE>HTML generated from "
    "comma delimited file ...</TITLE><STYLE TYPE=\"text/css\">TD.lineitem {BACKGROUND-COLOR:#A0C8C0}"
    "TD.lineitem-odd {BACKGROUND-COLOR:#E0FFE0}</STYLE></HEAD><BODY><HR><B>Quoted Text Comma "
    "Delimited Data exported by Colvane editor (beta version) </B><BR><HR><TABLE cellspacing=0 "
    "cellPadding=2 width =100% border=0><TBODY>";
const char* const kHtmlEnd = "</TBODY></TABLE></BODY></HTML>";
const char* const kHtmlEvenCell = "<TD class=lineitem valign=top>";
const char* const kHtmlOddCell = "<TD class=lineitem-odd valign=top>";
const char* const kXmlStart = "<?xml version=\"1.0\"?><Dataset1>";
const char* const kXmlEnd = "</Dataset1>";

// How a cell's text is put into the export.
enum class Escape { None, DoubleQuotes, Markup };

constexpr char32_t kReplacementCharacter = 0xFFFD;

// Calls visit for each code point of the text; a lone surrogate counts as U+FFFD.
template <class Visit>
void ForEachCodePoint(const QString& text, Visit visit)
{
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t unit = text[i].unicode();
        if (QChar::isHighSurrogate(unit) && i + 1 < n && QChar::isLowSurrogate(text[i + 1].unicode())) {
            visit(QChar::surrogateToUcs4(unit, text[i + 1].unicode()));
            ++i;
        } else if (QChar::isSurrogate(unit)) {
            visit(kReplacementCharacter);
        } else {
            visit(char32_t(unit));
        }
    }
}

// The first offending cell of the last offending row, noted while the cells are measured. A
// cell offends when its text, or (for the XML document) its column label, holds a line
// feed, a carriage return or a backspace; after the first offending cell of a row the rest
// of that row is not examined.
struct RefusalScan {
    std::vector<bool> badLabel;  // by grid column
    bool found = false;
    int col = 0;
    int row = -1;

    void Note(const QString& text, int c, int r)
    {
        if (found && row == r)
            return;
        const bool badLabelHere = std::size_t(c) < badLabel.size() && badLabel[std::size_t(c)];
        if (badLabelHere || HasDisallowedCharacter(text)) {
            found = true;
            col = c;
            row = r;
        }
    }
};

// Counts the bytes of a text when it has no buffer, writes them into its buffer when it has
// one, so that the measuring and the filling pass run the same code.
class ByteSink {
public:
    explicit ByteSink(ExportEncoding encoding, char* buffer = nullptr, RefusalScan* scan = nullptr)
        : encoding_(encoding)
        , out_(buffer)
        , scan_(scan)
    {
    }

    std::size_t Size() const { return size_; }
    // False when a character beyond Latin-1 was met while writing Latin-1.
    bool Representable() const { return representable_; }

    void Put(std::string_view bytes)
    {
        if (out_)
            bytes.copy(out_ + size_, bytes.size());
        size_ += bytes.size();
    }

    // Runs of ASCII characters that need no escape, most of a usual table, are copied as
    // they stand; every other character goes through PutCharacter.
    void PutText(const QString& text, Escape escape)
    {
        const QChar* units = text.constData();
        const qsizetype n = text.size();
        qsizetype i = 0;
        while (i < n) {
            const qsizetype runStart = i;
            while (i < n && IsPlainAscii(units[i].unicode(), escape))
                ++i;
            if (out_) {
                for (qsizetype k = runStart; k < i; ++k)
                    out_[size_ + std::size_t(k - runStart)] = char(units[k].unicode());
            }
            size_ += std::size_t(i - runStart);
            if (i == n)
                break;
            const qsizetype next = i + 1;
            const char16_t unit = units[i].unicode();
            if (QChar::isHighSurrogate(unit) && next < n && QChar::isLowSurrogate(units[next].unicode())) {
                PutCharacter(QChar::surrogateToUcs4(unit, units[next].unicode()), escape);
                i += 2;
            } else {
                PutCharacter(QChar::isSurrogate(unit) ? kReplacementCharacter : char32_t(unit), escape);
                ++i;
            }
        }
    }

    // A cell's text; the measuring pass also looks for disallowed characters in it.
    void PutCell(const QString& text, Escape escape, int col, int row)
    {
        if (scan_)
            scan_->Note(text, col, row);
        PutText(text, escape);
    }

private:
    static bool IsPlainAscii(char16_t unit, Escape escape)
    {
        if (unit >= 0x80)
            return false;
        switch (escape) {
        case Escape::DoubleQuotes: return unit != '"';
        case Escape::Markup: return unit != '&' && unit != '<' && unit != '>';
        case Escape::None: return true;
        }
        return true;
    }

    void Byte(unsigned char b)
    {
        if (out_)
            out_[size_] = char(b);
        ++size_;
    }

    void PutCharacter(char32_t c, Escape escape)
    {
        if (escape == Escape::DoubleQuotes && c == '"')
            return Put("\"\"");
        if (escape == Escape::Markup) {
            switch (c) {
            case '&': return Put("&amp;");
            case '<': return Put("&lt;");
            case '>': return Put("&gt;");
            default: break;
            }
        }
        if (encoding_ == ExportEncoding::Latin1) {
            if (c > 0xFF)
                representable_ = false;
            return Byte(c > 0xFF ? '?' : c);
        }
        PutUtf8(c);
    }

    void PutUtf8(char32_t c)
    {
        if (c < 0x80) {
            Byte(c);
        } else if (c < 0x800) {
            Byte(0xC0 | (c >> 6));
            Byte(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            Byte(0xE0 | (c >> 12));
            Byte(0x80 | ((c >> 6) & 0x3F));
            Byte(0x80 | (c & 0x3F));
        } else {
            Byte(0xF0 | (c >> 18));
            Byte(0x80 | ((c >> 12) & 0x3F));
            Byte(0x80 | ((c >> 6) & 0x3F));
            Byte(0x80 | (c & 0x3F));
        }
    }

    ExportEncoding encoding_;
    char* out_;
    RefusalScan* scan_;
    std::size_t size_ = 0;
    bool representable_ = true;
};

ExportText Refusal(int col, int row)
{
    ExportText text;
    text.refused = true;
    text.refusedCol = col;
    text.refusedRow = row;
    return text;
}

// Runs run(sink) once to measure (looking for disallowed characters on the way) and once to
// fill a buffer of exactly the measured size.
template <class Emit>
ExportText BuildInTwoPasses(ExportEncoding encoding, RefusalScan scan, Emit run)
{
    ByteSink measure(encoding, nullptr, &scan);
    run(measure);
    if (scan.found)
        return Refusal(scan.col, scan.row);
    if (!measure.Representable()) {
        encoding = ExportEncoding::Utf8;
        measure = ByteSink(encoding);
        run(measure);
    }
    ExportText text;
    text.encoding = encoding;
    text.bytes.resize(measure.Size());
    ByteSink fill(encoding, text.bytes.data());
    run(fill);
    assert(fill.Size() == text.bytes.size());
    return text;
}

void EmitComma(const ExportCells& cells, int rows, int cols, ByteSink& sink)
{
    for (int r = 0; r < rows; ++r) {
        for (int c = 1; c < cols; ++c) {
            sink.Put("\"");
            sink.PutCell(cells.Cells(c, r), Escape::DoubleQuotes, c, r);
            sink.Put(c + 1 < cols ? "\"," : "\"");
        }
        sink.Put("\r\n");
    }
}

void EmitHtml(const ExportCells& cells, int rows, int cols, ByteSink& sink)
{
    sink.Put(kHtmlHead);
    for (int r = 0; r < rows; ++r) {
        const char* cellTag = r % 2 == 0 ? kHtmlEvenCell : kHtmlOddCell;
        sink.Put("<TR>");
        for (int c = 1; c < cols; ++c) {
            sink.Put(cellTag);
            sink.PutCell(cells.Cells(c, r), Escape::Markup, c, r);
            sink.Put("</TD>");
        }
        sink.Put("</TR>\r\n");
    }
    sink.Put(kHtmlEnd);
}

struct XmlTags {
    std::vector<QString> opening;
    std::vector<QString> closing;
};

void EmitXml(const ExportCells& cells, int rows, int cols, const XmlTags& tags, ByteSink& sink)
{
    sink.Put(kXmlStart);
    for (int r = 1; r < rows; ++r) {
        sink.Put("<DataRow>");
        for (int c = 1; c < cols; ++c) {
            sink.PutText(tags.opening[std::size_t(c)], Escape::None);
            sink.PutCell(cells.Cells(c, r), Escape::Markup, c, r);
            sink.PutText(tags.closing[std::size_t(c)], Escape::None);
        }
        sink.Put("</DataRow>\r\n");
    }
    sink.Put(kXmlEnd);
}

// Letters and the underscore (the colon left out: it would be read as a namespace prefix).
bool IsNameStartCharacter(char32_t c)
{
    return (c >= 'A' && c <= 'Z') || c == '_' || (c >= 'a' && c <= 'z') || (c >= 0xC0 && c <= 0xD6)
        || (c >= 0xD8 && c <= 0xF6) || (c >= 0xF8 && c <= 0x2FF) || (c >= 0x370 && c <= 0x37D)
        || (c >= 0x37F && c <= 0x1FFF) || (c >= 0x200C && c <= 0x200D) || (c >= 0x2070 && c <= 0x218F)
        || (c >= 0x2C00 && c <= 0x2FEF) || (c >= 0x3001 && c <= 0xD7FF) || (c >= 0xF900 && c <= 0xFDCF)
        || (c >= 0xFDF0 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0xEFFFF);
}

bool IsNameCharacter(char32_t c)
{
    return IsNameStartCharacter(c) || c == '-' || c == '.' || (c >= '0' && c <= '9') || c == 0xB7
        || (c >= 0x300 && c <= 0x36F) || (c >= 0x203F && c <= 0x2040);
}

} // namespace

bool HasDisallowedCharacter(const QString& text)
{
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u == '\n' || u == '\r' || u == '\b')
            return true;
    }
    return false;
}

QString SpacesToUnderscores(const QString& text)
{
    QString result = text;
    result.replace(QChar(' '), QChar('_'));
    return result;
}

QString XmlElementName(const QString& label)
{
    QString name;
    bool first = true;
    ForEachCodePoint(label, [&](char32_t c) {
        if (first && !IsNameStartCharacter(c))
            name += QChar('_');
        first = false;
        if (IsNameCharacter(c))
            name += QString::fromUcs4(&c, 1);
        else
            name += QChar('_');
    });
    return name.isEmpty() ? QStringLiteral("_") : name;
}

QString XmlTagFor(const ExportCells& cells, int dataColumn, bool closing)
{
    const QString name = XmlElementName(SpacesToUnderscores(cells.Cells(dataColumn + 1, 0)));
    return (closing ? "</" : "<") + name + ">";
}

namespace {

// The comma and HTML texts: every row, the header row included, each cell as it stands.
template <class EmitRows>
ExportText BuildFromEveryRow(const ExportCells& cells, ExportEncoding encoding, EmitRows emitRows)
{
    const int rows = cells.RowCount();
    const int cols = cells.ColCount();
    return BuildInTwoPasses(encoding, RefusalScan{}, [&](ByteSink& sink) { emitRows(cells, rows, cols, sink); });
}

} // namespace

ExportText BuildCommaText(const ExportCells& cells, ExportEncoding encoding)
{
    return BuildFromEveryRow(cells, encoding, EmitComma);
}

ExportText BuildHtmlText(const ExportCells& cells, ExportEncoding encoding)
{
    return BuildFromEveryRow(cells, encoding, EmitHtml);
}

ExportText BuildXmlText(const ExportCells& cells)
{
    const int rows = cells.RowCount();
    const int cols = cells.ColCount();
    RefusalScan scan;
    scan.badLabel.assign(std::size_t(std::max(cols, 0)), false);
    if (rows > 0)
        for (int c = 1; c < cols; ++c)
            scan.badLabel[std::size_t(c)] = HasDisallowedCharacter(cells.Cells(c, 0));
    // The labels do not change while the document is built, so each tag is made once.
    XmlTags tags;
    tags.opening.resize(std::size_t(std::max(cols, 0)));
    tags.closing.resize(std::size_t(std::max(cols, 0)));
    if (rows > 1) {
        for (int c = 1; c < cols; ++c) {
            tags.opening[std::size_t(c)] = XmlTagFor(cells, c - 1, false);
            tags.closing[std::size_t(c)] = XmlTagFor(cells, c - 1, true);
        }
    }
    return BuildInTwoPasses(ExportEncoding::Utf8, std::move(scan),
                            [&](ByteSink& sink) { EmitXml(cells, rows, cols, tags, sink); });
}
