#include "platform/TGridHeader.h"

#include "platform/TStringGrid.h"

#include <QPainter>

TGridHeader::TGridHeader(Qt::Orientation orientation, TStringGrid& grid)
    : QHeaderView(orientation, &grid)
    , grid_(grid)
{
    setSectionsClickable(false);
    setHighlightSections(false);
    setMinimumSectionSize(1);
    setSectionResizeMode(orientation == Qt::Horizontal ? QHeaderView::Interactive : QHeaderView::Fixed);
}

QSize TGridHeader::sizeHint() const
{
    if (orientation() == Qt::Horizontal)
        return QSize(length(), grid_.RowHeights(0));
    return QSize(grid_.ColWidths(0), length());
}

void TGridHeader::PaintFixedCell(QPainter& painter, const QRect& rect, const QString& text, const QColor& fill)
{
    painter.fillRect(rect, fill);
    painter.setPen(Qt::white);
    painter.drawLine(rect.topLeft(), rect.topRight());
    painter.drawLine(rect.topLeft(), rect.bottomLeft());
    painter.setPen(Qt::gray);
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    painter.drawLine(rect.topRight(), rect.bottomRight());
    painter.setPen(Qt::black);
    painter.drawText(rect.adjusted(2, 2, -2, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
}

void TGridHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    const bool horizontal = orientation() == Qt::Horizontal;
    const int col = horizontal ? logicalIndex + grid_.FixedCols() : 0;
    const int row = horizontal ? 0 : logicalIndex + grid_.FixedRows();
    painter->save();
    painter->setClipRect(rect);
    PaintFixedCell(*painter, rect, grid_.Cells(col, row), grid_.FixedColor());
    painter->restore();
    grid_.DrawCellByHook(*painter, col, row, rect);
}
