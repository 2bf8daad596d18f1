#include "platform/TStringGrid.h"

#include "platform/TGridCellDelegate.h"
#include "platform/TGridCells.h"
#include "platform/TGridHeader.h"
#include "platform/TStringGridModel.h"
#include "platform/VirtualKeys.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <algorithm>
#include <climits>
#include <unordered_map>

namespace {

// Most cells of a table share their height; fewer differing rows than this are resized one
// by one, more make the commonest height the header's default first.
constexpr int FewRows = 32;

int MostCommon(const std::vector<int>& values, std::size_t first)
{
    std::unordered_map<int, std::size_t> counts;
    for (std::size_t i = first; i < values.size(); ++i)
        ++counts[values[i]];
    auto best = counts.begin();
    for (auto it = counts.begin(); it != counts.end(); ++it) {
        if (it->second > best->second)
            best = it;
    }
    return best->first;
}

} // namespace

TStringGrid::TStringGrid(QWidget* parent)
    : QTableView(parent)
    , cells_(std::make_unique<TGridCells>())
    , fixedColor_(0xC0, 0xC0, 0xC0)
{
    // The editor comes first: setting the model already reports a current cell change.
    editor_ = new QLineEdit(viewport());
    editor_->setObjectName("InplaceEditor");
    editor_->setFrame(false);
    editor_->setMaxLength(INT_MAX);
    editor_->hide();
    editor_->installEventFilter(this);
    setFocusProxy(editor_);
    model_ = new TStringGridModel(*cells_, this);
    columnHeader_ = new TGridHeader(Qt::Horizontal, *this);
    rowHeader_ = new TGridHeader(Qt::Vertical, *this);
    setHorizontalHeader(columnHeader_);
    setVerticalHeader(rowHeader_);
    setModel(model_);
    setItemDelegate(new TGridCellDelegate(*this));
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    color_ = palette().color(QPalette::Base);
    columnHeader_->setDefaultSectionSize(defaultColWidth_);
    rowHeader_->setDefaultSectionSize(defaultRowHeight_);

    connect(editor_, &QLineEdit::textEdited, this, &TStringGrid::OnEditorTextEdited);
    connect(columnHeader_, &QHeaderView::sectionResized, this,
            [this](int section, int, int newSize) { OnColumnResized(section, newSize); });
    connect(rowHeader_, &QHeaderView::sectionResized, this, [this] {
        if (!bulkResizing_)
            PlaceEditor();
    });
    corner_ = findChild<QAbstractButton*>();
    if (corner_)
        corner_->installEventFilter(this);

    SetColCount(5);
    SetRowCount(5);
}

TStringGrid::~TStringGrid()
{
    // The model refers to the cell store; let it go first, without raising events.
    blockSignals(true);
    setModel(nullptr);
    delete model_;
}

QString TStringGrid::Cells(int col, int row) const
{
    return cells_->Get(col, row);
}

void TStringGrid::SetCells(int col, int row, const QString& text)
{
    if (!cells_->Contains(col, row))
        return;
    cells_->Set(col, row, text);
    CellsWritten(col, row, row);
}

void TStringGrid::SetRecordNumbers(int firstRow, int lastRow)
{
    cells_->SetRecordNumbers(firstRow, lastRow);
    CellsWritten(0, std::max(firstRow, 0), std::min(lastRow, RowCount() - 1));
}

// A write into the editor's cell reloads the editor; while the editor is being loaded it
// only shows the new text.
void TStringGrid::CellsWritten(int col, int firstRow, int lastRow)
{
    RepaintSoon();
    if (col != editorCol_ || editorRow_ < firstRow || editorRow_ > lastRow)
        return;
    if (loadingEditor_)
        editor_->setText(Cells(editorCol_, editorRow_));
    else
        LoadEditor(true);
}

int TStringGrid::RowCount() const
{
    return cells_->RowCount();
}

void TStringGrid::SetRowCount(int count)
{
    count = std::max(count, 0);
    const int before = RowCount();
    if (count == before)
        return;
    rowHeights_.resize(std::size_t(count), defaultRowHeight_);
    model_->SetRowCount(count);
    if (count > before)
        MarkRowHeightsDirty(before, count - 1);
    EnsureCurrentCell();
    RepaintSoon();
}

int TStringGrid::ColCount() const
{
    return cells_->ColCount();
}

void TStringGrid::SetColCount(int count)
{
    count = std::max(count, 0);
    if (count == ColCount())
        return;
    colWidths_.resize(std::size_t(count), defaultColWidth_);
    model_->SetColCount(count);
    ApplyColWidths();
    EnsureCurrentCell();
    RepaintSoon();
}

int TStringGrid::FixedRows() const
{
    return model_->FixedRows();
}

void TStringGrid::SetFixedRows(int count)
{
    SetFixed(std::clamp(count, 0, 1), FixedCols());
}

int TStringGrid::FixedCols() const
{
    return model_->FixedCols();
}

void TStringGrid::SetFixedCols(int count)
{
    SetFixed(FixedRows(), std::clamp(count, 0, 1));
}

// Changing the fixed counts rebuilds the item model, which forgets the section sizes and the
// current cell; both are put back.
void TStringGrid::SetFixed(int rows, int cols)
{
    if (rows == FixedRows() && cols == FixedCols())
        return;
    LeaveEditorCell();
    model_->SetFixed(rows, cols);
    columnHeader_->setVisible(rows > 0);
    rowHeader_->setVisible(cols > 0);
    editor_->hide();
    ApplyColWidths();
    MarkRowHeightsDirty(0, RowCount() - 1);
    EnsureCurrentCell();
}

int TStringGrid::DefaultColWidth() const
{
    return defaultColWidth_;
}

void TStringGrid::SetDefaultColWidth(int width)
{
    defaultColWidth_ = std::max(width, 0);
    std::fill(colWidths_.begin(), colWidths_.end(), defaultColWidth_);
    syncingWidths_ = true;
    columnHeader_->setDefaultSectionSize(defaultColWidth_);
    syncingWidths_ = false;
    ApplyColWidths();
}

int TStringGrid::ColWidths(int col) const
{
    return col >= 0 && std::size_t(col) < colWidths_.size() ? colWidths_[std::size_t(col)] : defaultColWidth_;
}

void TStringGrid::SetColWidths(int col, int width)
{
    if (col < 0 || col >= ColCount())
        return;
    colWidths_[std::size_t(col)] = std::max(width, 0);
    ApplyColWidths();
}

int TStringGrid::DefaultRowHeight() const
{
    return defaultRowHeight_;
}

void TStringGrid::SetDefaultRowHeight(int height)
{
    defaultRowHeight_ = std::max(height, 0);
    std::fill(rowHeights_.begin(), rowHeights_.end(), defaultRowHeight_);
    MarkRowHeightsDirty(0, RowCount() - 1);
    updateGeometries();
}

int TStringGrid::RowHeights(int row) const
{
    return row >= 0 && std::size_t(row) < rowHeights_.size() ? rowHeights_[std::size_t(row)] : defaultRowHeight_;
}

void TStringGrid::SetRowHeights(int row, int height)
{
    if (row < 0 || row >= RowCount())
        return;
    rowHeights_[std::size_t(row)] = std::max(height, 0);
    if (row < FixedRows())
        updateGeometries();
    else
        MarkRowHeightsDirty(row, row);
}

int TStringGrid::Row() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? model_->RowOfIndex(current) : -1;
}

int TStringGrid::Col() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? model_->ColOfIndex(current) : -1;
}

void TStringGrid::SetRow(int row)
{
    SetCurrentCell(Col() >= 0 ? Col() : FixedCols(), row);
}

void TStringGrid::SetCol(int col)
{
    SetCurrentCell(col, Row() >= 0 ? Row() : FixedRows());
}

void TStringGrid::SetCurrentCell(int col, int row)
{
    MoveTo(col, row, false);
}

QRect TStringGrid::Selection() const
{
    QRect range;
    for (const QItemSelectionRange& part : selectionModel()->selection()) {
        range |= QRect(QPoint(part.left() + FixedCols(), part.top() + FixedRows()),
                       QPoint(part.right() + FixedCols(), part.bottom() + FixedRows()));
    }
    if (range.isNull() && Row() >= 0)
        range = QRect(Col(), Row(), 1, 1);
    return range;
}

void TStringGrid::AttachSnapshot(std::shared_ptr<const TableSnapshot> snapshot, int firstRow, int firstCol,
                                 TextEncoding encoding)
{
    cells_->Attach(std::move(snapshot), firstRow, firstCol, encoding);
    RepaintSoon();
    if (editorCol_ >= 0)
        LoadEditor(true);
}

QColor TStringGrid::Color() const
{
    return color_;
}

void TStringGrid::SetColor(const QColor& color)
{
    color_ = color;
    QPalette editorPalette = editor_->palette();
    editorPalette.setColor(QPalette::Base, color);
    editor_->setPalette(editorPalette);
    viewport()->update();
}

QColor TStringGrid::FixedColor() const
{
    return fixedColor_;
}

void TStringGrid::SetFixedColor(const QColor& color)
{
    fixedColor_ = color;
    RepaintSoon();
}

void TStringGrid::SetDrawCellHook(DrawCellHook hook)
{
    drawCellHook_ = std::move(hook);
    viewport()->update();
}

QLineEdit* TStringGrid::Editor() const
{
    return editor_;
}

// The order of the events for a move: the editor leaves the old cell, the current cell is
// set, the editor loads the new cell. A handler that moves the current cell again wins.
void TStringGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    if (silentMove_) {
        editorCol_ = model_->ColOfIndex(current);
        editorRow_ = model_->RowOfIndex(current);
        LoadEditor(false);
        return;
    }
    LeaveEditorCell();
    if (!current.isValid()) {
        editor_->hide();
        return;
    }
    scrollTo(current);
    emit currentCellSet(model_->ColOfIndex(current), model_->RowOfIndex(current));
    if (currentIndex() != current)
        return;
    LoadEditor(true);
}

void TStringGrid::keyPressEvent(QKeyEvent* event)
{
    if (!HandleKey(event, false))
        QTableView::keyPressEvent(event);
}

void TStringGrid::mousePressEvent(QMouseEvent* event)
{
    const QModelIndex before = currentIndex();
    QTableView::mousePressEvent(event);
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return;
    if (!(event->modifiers() & Qt::ShiftModifier)) {
        anchorCol_ = Col();
        anchorRow_ = Row();
    }
    // A click on the cell that is already current sets it again.
    if (event->button() == Qt::LeftButton && current == before && indexAt(event->position().toPoint()) == current)
        emit currentCellSet(Col(), Row());
}

void TStringGrid::paintEvent(QPaintEvent* event)
{
    repaintQueued_ = false;
    if (dirtyFirst_ >= 0)
        SyncRowHeights();
    QTableView::paintEvent(event);
}

void TStringGrid::scrollContentsBy(int dx, int dy)
{
    QTableView::scrollContentsBy(dx, dy);
    PlaceEditor();
}

void TStringGrid::updateGeometries()
{
    QTableView::updateGeometries();
    PlaceEditor();
}

bool TStringGrid::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == editor_ && event->type() == QEvent::KeyPress)
        return HandleKey(static_cast<QKeyEvent*>(event), true);
    if (watched == corner_ && event->type() == QEvent::Paint) {
        PaintCornerCell(corner_);
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

// Raises keyDown, then moves between cells for the navigation keys. Inside the editor the
// arrow keys first move the caret, as in the classic grid: Left leaves the cell only from the
// start of the text, Right only from its end (or when the whole text is selected).
bool TStringGrid::HandleKey(QKeyEvent* event, bool fromEditor)
{
    int key = VirtualKeyCode(event->key(), event->modifiers());
    emit keyDown(key, event->modifiers());
    if (key == 0)
        return true;
    const int qtKey = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (fromEditor) {
        const int length = int(editor_->text().size());
        const int start = editor_->hasSelectedText() ? editor_->selectionStart() : editor_->cursorPosition();
        const int end = editor_->hasSelectedText() ? start + int(editor_->selectedText().size()) : start;
        const bool leftSide = start == 0 && (end == 0 || end == length);
        const bool rightSide = (start == 0 || end == start) && end == length;
        if ((qtKey == Qt::Key_Left && !leftSide) || (qtKey == Qt::Key_Right && !rightSide))
            return false;
        if ((qtKey == Qt::Key_Home || qtKey == Qt::Key_End) && !(modifiers & Qt::ControlModifier))
            return false;
    }
    return MoveByKey(qtKey, modifiers);
}

bool TStringGrid::MoveByKey(int key, Qt::KeyboardModifiers modifiers)
{
    const int firstCol = FixedCols();
    const int firstRow = FixedRows();
    const int lastCol = ColCount() - 1;
    const int lastRow = RowCount() - 1;
    int col = Col();
    int row = Row();
    if (col < 0 || row < 0)
        return false;
    const int page = std::max(1, viewport()->height() / std::max(1, defaultRowHeight_) - 1);
    const bool ctrl = modifiers & Qt::ControlModifier;
    switch (key) {
    case Qt::Key_Up: row -= 1; break;
    case Qt::Key_Down: row += 1; break;
    case Qt::Key_Left: col -= 1; break;
    case Qt::Key_Right: col += 1; break;
    case Qt::Key_PageUp: row -= page; break;
    case Qt::Key_PageDown: row += page; break;
    case Qt::Key_Home: col = firstCol; if (ctrl) row = firstRow; break;
    case Qt::Key_End: col = lastCol; if (ctrl) row = lastRow; break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: {
        const bool back = key == Qt::Key_Backtab || (modifiers & Qt::ShiftModifier);
        col += back ? -1 : 1;
        if (col > lastCol && row < lastRow) {
            col = firstCol;
            ++row;
        } else if (col < firstCol && row > firstRow) {
            col = lastCol;
            --row;
        }
        MoveTo(std::clamp(col, firstCol, lastCol), row, false);
        return true;
    }
    default:
        return false;
    }
    MoveTo(std::clamp(col, firstCol, lastCol), std::clamp(row, firstRow, lastRow),
           modifiers & Qt::ShiftModifier);
    return true;
}

void TStringGrid::MoveTo(int col, int row, bool extendSelection)
{
    const QModelIndex target = CellIndex(col, row);
    if (!target.isValid() || target == currentIndex())
        return;
    const QModelIndex anchor = CellIndex(anchorCol_, anchorRow_);
    if (extendSelection && anchor.isValid()) {
        selectionModel()->select(QItemSelection(anchor, target), QItemSelectionModel::ClearAndSelect);
        selectionModel()->setCurrentIndex(target, QItemSelectionModel::NoUpdate);
        return;
    }
    anchorCol_ = col;
    anchorRow_ = row;
    selectionModel()->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect);
}

void TStringGrid::LeaveEditorCell()
{
    const int col = editorCol_;
    const int row = editorRow_;
    editorCol_ = -1;
    editorRow_ = -1;
    if (col >= FixedCols() && row >= FixedRows() && cells_->Contains(col, row))
        emit editTextChanged(col, row, Cells(col, row));
}

void TStringGrid::LoadEditor(bool raiseEvent)
{
    editorCol_ = Col();
    editorRow_ = Row();
    if (editorCol_ < 0)
        return;
    QString value = Cells(editorCol_, editorRow_);
    if (raiseEvent) {
        loadingEditor_ = true;
        emit editTextRequested(editorCol_, editorRow_, value);
        loadingEditor_ = false;
    }
    editor_->setText(value);
    editor_->selectAll();
    PlaceEditor();
    editor_->show();
}

void TStringGrid::PlaceEditor()
{
    if (editorCol_ < 0)
        return;
    const QRect rect = visualRect(CellIndex(editorCol_, editorRow_));
    editor_->setGeometry(rect.adjusted(0, 0, -1, -1));
}

void TStringGrid::OnEditorTextEdited(const QString& text)
{
    if (editorCol_ < 0)
        return;
    cells_->Set(editorCol_, editorRow_, text);
    RepaintSoon();
    emit editTextChanged(editorCol_, editorRow_, text);
}

// Brings the vertical header's section sizes in line with rowHeights_. Deferred, because a
// caller that sets the height of every row of a large table would otherwise pay for a
// header layout per row.
void TStringGrid::SyncRowHeights()
{
    syncQueued_ = false;
    if (dirtyFirst_ < 0)
        return;
    const int first = std::max(dirtyFirst_, FixedRows());
    const int last = std::min(dirtyLast_, RowCount() - 1);
    dirtyFirst_ = dirtyLast_ = -1;
    auto differing = [this](int from, int to) {
        std::vector<int> rows;
        for (int row = from; row <= to; ++row) {
            if (rowHeader_->sectionSize(row - FixedRows()) != rowHeights_[std::size_t(row)])
                rows.push_back(row);
        }
        return rows;
    };
    std::vector<int> rows = differing(first, last);
    if (rows.size() > std::size_t(FewRows)) {
        bulkResizing_ = true;
        rowHeader_->setDefaultSectionSize(MostCommon(rowHeights_, std::size_t(FixedRows())));
        bulkResizing_ = false;
        rows = differing(FixedRows(), RowCount() - 1);
    }
    for (const int row : rows)
        rowHeader_->resizeSection(row - FixedRows(), rowHeights_[std::size_t(row)]);
    PlaceEditor();
}

void TStringGrid::MarkRowHeightsDirty(int first, int last)
{
    if (last < first)
        return;
    dirtyFirst_ = dirtyFirst_ < 0 ? first : std::min(dirtyFirst_, first);
    dirtyLast_ = std::max(dirtyLast_, last);
    if (syncQueued_)
        return;
    syncQueued_ = true;
    QMetaObject::invokeMethod(this, [this] { SyncRowHeights(); }, Qt::QueuedConnection);
}

void TStringGrid::ApplyColWidths()
{
    syncingWidths_ = true;
    for (int col = FixedCols(); col < ColCount(); ++col) {
        const int section = col - FixedCols();
        if (columnHeader_->sectionSize(section) != colWidths_[std::size_t(col)])
            columnHeader_->resizeSection(section, colWidths_[std::size_t(col)]);
    }
    syncingWidths_ = false;
    updateGeometries();
}

void TStringGrid::OnColumnResized(int section, int newSize)
{
    const int col = section + FixedCols();
    if (!syncingWidths_ && std::size_t(col) < colWidths_.size())
        colWidths_[std::size_t(col)] = newSize;
    PlaceEditor();
}

void TStringGrid::RepaintSoon()
{
    if (repaintQueued_)
        return;
    repaintQueued_ = true;
    viewport()->update();
    columnHeader_->viewport()->update();
    rowHeader_->viewport()->update();
    if (corner_)
        corner_->update();
}

void TStringGrid::EnsureCurrentCell()
{
    if (currentIndex().isValid() || model_->rowCount() == 0 || model_->columnCount() == 0)
        return;
    silentMove_ = true;
    anchorCol_ = FixedCols();
    anchorRow_ = FixedRows();
    selectionModel()->setCurrentIndex(model_->index(0, 0), QItemSelectionModel::ClearAndSelect);
    silentMove_ = false;
}

QModelIndex TStringGrid::CellIndex(int col, int row) const
{
    if (col < FixedCols() || row < FixedRows() || !cells_->Contains(col, row))
        return QModelIndex();
    return model_->IndexOfCell(col, row);
}

void TStringGrid::PaintCornerCell(QWidget* corner)
{
    QPainter painter(corner);
    const QRect rect = corner->rect();
    TGridHeader::PaintFixedCell(painter, rect, Cells(0, 0), fixedColor_);
    DrawCellByHook(painter, 0, 0, rect);
}

void TStringGrid::DrawCellByHook(QPainter& painter, int col, int row, const QRect& rect) const
{
    if (!drawCellHook_)
        return;
    painter.save();
    drawCellHook_(painter, col, row, rect);
    painter.restore();
}
