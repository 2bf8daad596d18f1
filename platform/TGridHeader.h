#pragma once
// The fixed row (horizontal) or fixed column (vertical) of TStringGrid: silver cells showing
// the grid's own texts of row 0 or column 0, sized by the grid, with the draw-cell hook run
// after each cell.

#include <QHeaderView>

class TStringGrid;

class TGridHeader : public QHeaderView {
    Q_OBJECT

public:
    TGridHeader(Qt::Orientation orientation, TStringGrid& grid);

    QSize sizeHint() const override;

    // A fixed cell: filled, with a light top-left and a dark bottom-right edge, and its text.
    static void PaintFixedCell(QPainter& painter, const QRect& rect, const QString& text, const QColor& fill);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    TStringGrid& grid_;
};
