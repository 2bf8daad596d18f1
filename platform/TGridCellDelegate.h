#pragma once
// Paints the data cells of TStringGrid: the grid's colour (or the selection colours), the
// text flush with the top-left corner less a small inset, then the draw-cell hook.

#include <QAbstractItemDelegate>

class TStringGrid;

class TGridCellDelegate : public QAbstractItemDelegate {
    Q_OBJECT

public:
    explicit TGridCellDelegate(TStringGrid& grid);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    TStringGrid& grid_;
};
