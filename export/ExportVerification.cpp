#include "export/ExportVerification.h"

#include "engine/TableSnapshot.h"

#include <QAnyStringView>
#include <QLatin1StringView>
#include <QUtf8StringView>

#include <algorithm>

namespace {

// Compared without decoding the bytes into a string of their own.
bool SameText(const QString& text, std::string_view bytes, ExportEncoding encoding)
{
    const auto size = qsizetype(bytes.size());
    if (encoding == ExportEncoding::Latin1)
        return QAnyStringView::compare(text, QLatin1StringView(bytes.data(), size)) == 0;
    return QAnyStringView::compare(text, QUtf8StringView(bytes.data(), size)) == 0;
}

} // namespace

std::optional<CellPosition> FirstDifference(const ExportCells& cells, const TableSnapshot& table,
                                            ExportEncoding encoding)
{
    const int rows = cells.RowCount();
    const int fields = cells.ColCount() - 1;
    const int commonRows = std::min(rows, table.RowCount());
    for (int r = 0; r < commonRows; ++r) {
        const int commonFields = std::min(fields, table.CellCount(r));
        for (int c = 0; c < commonFields; ++c) {
            if (!SameText(cells.Cells(c + 1, r), table.CellText(r, c), encoding))
                return CellPosition{c + 1, r};
        }
        if (table.CellCount(r) != fields)
            return CellPosition{commonFields + 1, r};
    }
    if (table.RowCount() != rows)
        return CellPosition{1, commonRows};
    return std::nullopt;
}
