#pragma once
// The texts of the three export formats, built from the grid's cells in memory: a first pass
// measures the exact size, a second fills a buffer of that size. A cell holding a line feed,
// a carriage return or a backspace refuses the export; the text is then empty and the
// refusal names the first offending cell of the last offending row.

#include "export/ExportCells.h"

#include <QString>
#include <string>

enum class ExportEncoding { Utf8, Latin1 };

struct ExportText {
    std::string bytes;
    // The encoding the bytes are in: Latin-1 was asked for but a cell holds a character that
    // Latin-1 cannot hold, so the whole text is UTF-8 rather than losing that character.
    ExportEncoding encoding = ExportEncoding::Utf8;
    bool refused = false;
    int refusedCol = 0;
    int refusedRow = 0;
};

// Lines of quoted fields joined by commas, every line ending in CR LF.
ExportText BuildCommaText(const ExportCells& cells, ExportEncoding encoding);
// An HTML 4.0 page holding one table, the header row included, rows in alternating colours.
ExportText BuildHtmlText(const ExportCells& cells, ExportEncoding encoding);
// An XML document with one DataRow element per record and one element per column, named
// after its label. Always UTF-8, the encoding its prolog implies.
ExportText BuildXmlText(const ExportCells& cells);

// The label with every blank replaced by an underscore.
QString SpacesToUnderscores(const QString& text);
// An element name that namespace-aware XML parsers accept: a name that already is one stays
// unchanged, every other character becomes "_", and "_" goes in front of a name that would
// be empty or begin with a digit, "-" or ".".
QString XmlElementName(const QString& label);
// "<name>" or "</name>" for data column dataColumn (grid column dataColumn + 1).
QString XmlTagFor(const ExportCells& cells, int dataColumn, bool closing);

// A line feed, a carriage return or a backspace.
bool HasDisallowedCharacter(const QString& text);
