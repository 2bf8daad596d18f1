#include "platform/TGridCellDelegate.h"

#include "platform/TStringGrid.h"

#include <QPainter>

TGridCellDelegate::TGridCellDelegate(TStringGrid& grid)
    : QAbstractItemDelegate(&grid)
    , grid_(grid)
{
}

void TGridCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const int col = index.column() + grid_.FixedCols();
    const int row = index.row() + grid_.FixedRows();
    const QRect& rect = option.rect;
    const bool selected = option.state & QStyle::State_Selected;
    painter->save();
    painter->setClipRect(rect);
    painter->fillRect(rect, selected ? option.palette.color(QPalette::Highlight) : grid_.Color());
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->setFont(option.font);
    painter->drawText(rect.adjusted(2, 2, -2, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                      grid_.Cells(col, row));
    painter->restore();
    grid_.DrawCellByHook(*painter, col, row, rect);
}

QSize TGridCellDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex& index) const
{
    const int col = index.column() + grid_.FixedCols();
    const int row = index.row() + grid_.FixedRows();
    return QSize(grid_.ColWidths(col), grid_.RowHeights(row));
}
