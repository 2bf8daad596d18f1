#pragma once
// A string grid in the manner of the classic Windows one: cells addressed as (column, row),
// a fixed header row 0 and a fixed column 0 (shown as the frozen headers, in silver, never
// edited), an in-place editor that is always shown on the current cell, Tab between cells,
// range selection and columns sized by mouse. Cells are kept compactly: a table attached with
// AttachSnapshot is shown straight from the engine's snapshot, and only cells written later
// are stored by the grid.
//
// Events (Qt signals), in the order they come when the current cell moves:
//   editTextChanged(oldCol, oldRow, text)  the editor leaves a cell
//   currentCellSet(col, row)               the current cell was set (click, keys, SetCurrentCell)
//   editTextRequested(col, row, value)     the editor loads the new cell; a handler may change value
// editTextChanged also comes after every change of the editor's text (keystroke, paste,
// deletion), with the cell already holding the new text. When a handler rewrites the current
// cell, the editor reloads it (editTextRequested again) without raising editTextChanged.
// keyDown(key, modifiers) comes for every key pressed in the grid or its editor, before the
// grid handles it; key is the Windows virtual-key code (see VirtualKeys.h); a handler that sets
// it to 0 swallows the key.

#include "platform/TextEncoding.h"

#include <QTableView>
#include <functional>
#include <memory>

class QLineEdit;
class QPainter;
class TableSnapshot;
class TGridCells;
class TGridHeader;
class TStringGridModel;

class TStringGrid : public QTableView {
    Q_OBJECT

public:
    // Called for every cell painted (fixed cells included), after the grid's own drawing.
    using DrawCellHook = std::function<void(QPainter& painter, int col, int row, const QRect& rect)>;

    explicit TStringGrid(QWidget* parent = nullptr);
    ~TStringGrid() override;

    // Cells outside the grid read as empty; writing outside the grid does nothing.
    QString Cells(int col, int row) const;
    void SetCells(int col, int row, const QString& text);
    // Column 0 of rows firstRow..lastRow (clipped to the grid's rows) holds the row's number:
    // the same as SetCells(0, row, QString::number(row)) for each row, but nothing is stored
    // per row, so numbering a million rows is instant. Later writes override a number.
    void SetRecordNumbers(int firstRow, int lastRow);

    // Growing adds empty cells; shrinking drops the cells beyond; an unchanged count costs
    // nothing. Counts below 0 are taken as 0.
    int RowCount() const;
    void SetRowCount(int count);
    int ColCount() const;
    void SetColCount(int count);

    // 0 or 1: the fixed row and column shown as headers.
    int FixedRows() const;
    void SetFixedRows(int count);
    int FixedCols() const;
    void SetFixedCols(int count);

    // Setting the default width resizes every column, as the classic grid does.
    int DefaultColWidth() const;
    void SetDefaultColWidth(int width);
    int ColWidths(int col) const;
    void SetColWidths(int col, int width);

    // Rows added later get the default height; setting the default resizes every row, as
    // the classic grid does.
    int DefaultRowHeight() const;
    void SetDefaultRowHeight(int height);
    int RowHeights(int row) const;
    void SetRowHeights(int row, int height);

    // The current cell; -1 while there is none. Setting it to a data cell selects it,
    // scrolls it into view and raises the events above (nothing when it is already current).
    int Row() const;
    int Col() const;
    void SetRow(int row);
    void SetCol(int col);
    void SetCurrentCell(int col, int row);

    // The selected range in grid coordinates (left = first column, top = first row,
    // right/bottom inclusive); the current cell alone when nothing else is selected.
    QRect Selection() const;

    // Shows snapshot row i, cell j at grid row firstRow + i, column firstCol + j, without
    // copying. Cells written before inside rows >= firstRow and columns >= firstCol are
    // dropped; cells written afterwards override the snapshot. The counts are not changed.
    void AttachSnapshot(std::shared_ptr<const TableSnapshot> snapshot, int firstRow, int firstCol,
                        TextEncoding encoding);

    // Background of the data cells and of the fixed cells (silver by default).
    QColor Color() const;
    void SetColor(const QColor& color);
    QColor FixedColor() const;
    void SetFixedColor(const QColor& color);

    void SetDrawCellHook(DrawCellHook hook);

    // The in-place editor (object name "InplaceEditor"); hidden while there is no current cell.
    QLineEdit* Editor() const;

signals:
    void currentCellSet(int col, int row);
    void keyDown(int& key, Qt::KeyboardModifiers modifiers);
    void editTextRequested(int col, int row, QString& value);
    void editTextChanged(int col, int row, const QString& value);

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void updateGeometries() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class TGridHeader;
    friend class TGridCellDelegate;

    bool HandleKey(QKeyEvent* event, bool fromEditor);
    bool MoveByKey(int key, Qt::KeyboardModifiers modifiers);
    void MoveTo(int col, int row, bool extendSelection);
    void LeaveEditorCell();
    void LoadEditor(bool raiseEvent);
    void CellsWritten(int col, int firstRow, int lastRow);
    void PlaceEditor();
    void OnEditorTextEdited(const QString& text);
    void SetFixed(int rows, int cols);
    void SyncRowHeights();
    void MarkRowHeightsDirty(int first, int last);
    void ApplyColWidths();
    void OnColumnResized(int section, int newSize);
    void RepaintSoon();
    void EnsureCurrentCell();
    QModelIndex CellIndex(int col, int row) const;
    void PaintCornerCell(QWidget* corner);
    void DrawCellByHook(QPainter& painter, int col, int row, const QRect& rect) const;

    std::unique_ptr<TGridCells> cells_;
    TStringGridModel* model_ = nullptr;
    TGridHeader* columnHeader_ = nullptr;
    TGridHeader* rowHeader_ = nullptr;
    QLineEdit* editor_ = nullptr;
    QWidget* corner_ = nullptr;
    DrawCellHook drawCellHook_;
    QColor color_;
    QColor fixedColor_;

    int defaultColWidth_ = 94;
    int defaultRowHeight_ = 24;
    std::vector<int> colWidths_;   // one per grid column, column 0 included
    std::vector<int> rowHeights_;  // one per grid row, row 0 included
    bool syncingWidths_ = false;
    int dirtyFirst_ = -1;          // rows whose height the vertical header does not show yet
    int dirtyLast_ = -1;
    bool syncQueued_ = false;
    bool repaintQueued_ = false;

    int anchorCol_ = -1;           // the fixed corner of a range selected from the keyboard
    int anchorRow_ = -1;

    int editorCol_ = -1;
    int editorRow_ = -1;
    bool loadingEditor_ = false;
    bool silentMove_ = false;      // the grid picks its first current cell without events
    bool bulkResizing_ = false;
};
