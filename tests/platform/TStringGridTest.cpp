#include "platform/TStringGrid.h"
#include "VectorSnapshot.h"

#include <QApplication>
#include <QHeaderView>
#include <set>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Records the grid's events as text lines, in order.
struct EventLog {
    explicit EventLog(TStringGrid& grid)
    {
        QObject::connect(&grid, &TStringGrid::currentCellSet, &context, [this](int c, int r) { Add("set", c, r); });
        QObject::connect(&grid, &TStringGrid::editTextRequested, &context,
                         [this](int c, int r, QString& v) { Add("load", c, r, v); });
        QObject::connect(&grid, &TStringGrid::editTextChanged, &context,
                         [this](int c, int r, const QString& v) { Add("changed", c, r, v); });
        QObject::connect(&grid, &TStringGrid::keyDown, &context,
                         [this](int& key, Qt::KeyboardModifiers) { lines.push_back("key " + std::to_string(key)); });
    }
    void Add(const char* what, int col, int row, const QString& text = QString())
    {
        std::string line = std::string(what) + " " + std::to_string(col) + "," + std::to_string(row);
        if (std::string(what) != "set")
            line += " " + text.toStdString();
        lines.push_back(line);
    }
    QObject context;  // ends the connections with the log
    std::vector<std::string> lines;
};

void Press(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = QString())
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &press);
}

class StringGridTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        grid.resize(600, 400);
        grid.SetColCount(4);
        grid.SetRowCount(6);
    }
    TStringGrid grid;
};

} // namespace

TEST_F(StringGridTest, CountsGrowWithEmptyCellsAndShrinkDroppingTheRest)
{
    grid.SetCells(3, 5, "far");
    grid.SetCells(1, 1, "near");
    grid.SetRowCount(3);
    grid.SetColCount(2);
    EXPECT_EQ(grid.Cells(1, 1), "near");
    EXPECT_EQ(grid.Cells(3, 5), "");
    grid.SetRowCount(6);
    grid.SetColCount(4);
    EXPECT_EQ(grid.Cells(3, 5), "") << "a dropped cell must not come back";
    grid.SetCells(9, 9, "outside");
    EXPECT_EQ(grid.Cells(9, 9), "");
    EXPECT_EQ(grid.model()->rowCount(), 5);
    EXPECT_EQ(grid.model()->columnCount(), 3);
}

TEST_F(StringGridTest, UnchangedCountRaisesNothing)
{
    grid.SetCurrentCell(2, 2);
    EventLog log(grid);
    grid.SetRowCount(6);
    grid.SetColCount(4);
    EXPECT_TRUE(log.lines.empty());
}

TEST_F(StringGridTest, FixedRowAndColumnAreNeverCurrentNorEdited)
{
    grid.SetCells(0, 0, "RECORD #");
    grid.SetCells(2, 0, "label");
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.Col(), 1);
    grid.SetCurrentCell(0, 3);
    grid.SetCurrentCell(2, 0);
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.Col(), 1);
    EXPECT_EQ(grid.model()->headerData(1, Qt::Horizontal).toString(), "label");
    EXPECT_FALSE(grid.model()->flags(grid.model()->index(0, 0)) & Qt::ItemIsEditable);
    grid.SetCurrentCell(1, 1);
    Press(grid.Editor(), Qt::Key_Up);
    Press(grid.Editor(), Qt::Key_Left);
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.Col(), 1);
}

TEST_F(StringGridTest, MovingRaisesLeaveThenSetThenLoad)
{
    grid.SetCells(1, 1, "old");
    grid.SetCells(2, 3, "new");
    grid.SetCurrentCell(1, 1);
    EventLog log(grid);
    grid.SetCurrentCell(2, 3);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"changed 1,1 old", "set 2,3", "load 2,3 new"}));
    EXPECT_EQ(grid.Editor()->text(), "new");
    EXPECT_TRUE(grid.selectionModel()->isSelected(grid.model()->index(2, 1)));
    log.lines.clear();
    grid.SetCurrentCell(2, 3);
    EXPECT_TRUE(log.lines.empty()) << "setting the current cell again changes nothing";
}

TEST_F(StringGridTest, TypingRaisesKeyDownThenChangedWithTheCellAlreadyHoldingTheText)
{
    grid.SetCells(1, 1, "ab");
    grid.SetCurrentCell(2, 2);
    grid.SetCurrentCell(1, 1);
    grid.Editor()->setCursorPosition(2);
    QString cellInHandler;
    QObject::connect(&grid, &TStringGrid::editTextChanged,
                     [&](int c, int r, const QString&) { cellInHandler = grid.Cells(c, r); });
    EventLog log(grid);
    Press(grid.Editor(), Qt::Key_C, Qt::NoModifier, "c");
    EXPECT_EQ(log.lines, (std::vector<std::string>{"key 67", "changed 1,1 abc"}));
    EXPECT_EQ(cellInHandler, "abc");
    EXPECT_EQ(grid.Cells(1, 1), "abc");
}

TEST_F(StringGridTest, RewritingTheCurrentCellReloadsTheEditorWithoutAnotherChange)
{
    grid.SetCells(1, 1, "line\nbreak");  // a start text that a rule would refuse again
    grid.SetCurrentCell(2, 2);
    int changes = 0;
    QString startText;
    QObject::connect(&grid, &TStringGrid::editTextRequested, [&](int, int, QString& v) { startText = v; });
    grid.SetCurrentCell(1, 1);
    QObject::connect(&grid, &TStringGrid::editTextChanged, [&](int c, int r, const QString&) {
        ++changes;
        grid.SetCells(c, r, startText);
    });
    EventLog log(grid);
    Press(grid.Editor(), Qt::Key_X, Qt::NoModifier, "x");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"key 88", "load 1,1 line\nbreak", "changed 1,1 x"}));
    EXPECT_EQ(grid.Editor()->text(), "line\nbreak");
}

TEST_F(StringGridTest, SwallowedKeyDoesNotReachTheEditor)
{
    grid.SetCurrentCell(1, 1);
    QObject::connect(&grid, &TStringGrid::keyDown, [](int& key, Qt::KeyboardModifiers) { key = 0; });
    Press(grid.Editor(), Qt::Key_Q, Qt::NoModifier, "q");
    Press(grid.Editor(), Qt::Key_Down);
    EXPECT_EQ(grid.Cells(1, 1), "");
    EXPECT_EQ(grid.Row(), 1);
}

struct MoveCase {
    const char* name;
    int startCol, startRow;
    int key;
    Qt::KeyboardModifiers modifiers;
    int col, row;
};

class StringGridMoveTest : public ::testing::TestWithParam<MoveCase> {};

TEST_P(StringGridMoveTest, KeysMoveBetweenCells)
{
    TStringGrid grid;
    grid.resize(600, 400);
    grid.SetColCount(4);
    grid.SetRowCount(6);
    const MoveCase& c = GetParam();
    grid.SetCurrentCell(c.startCol, c.startRow);
    Press(grid.Editor(), c.key, c.modifiers);
    EXPECT_EQ(grid.Col(), c.col);
    EXPECT_EQ(grid.Row(), c.row);
}

INSTANTIATE_TEST_SUITE_P(Keys, StringGridMoveTest,
    ::testing::Values(
        MoveCase{"TabNext", 1, 1, Qt::Key_Tab, Qt::NoModifier, 2, 1},
        MoveCase{"TabWraps", 3, 1, Qt::Key_Tab, Qt::NoModifier, 1, 2},
        MoveCase{"TabStaysAtLastCell", 3, 5, Qt::Key_Tab, Qt::NoModifier, 3, 5},
        MoveCase{"BacktabWraps", 1, 2, Qt::Key_Backtab, Qt::ShiftModifier, 3, 1},
        MoveCase{"Down", 2, 2, Qt::Key_Down, Qt::NoModifier, 2, 3},
        MoveCase{"DownAtBottom", 2, 5, Qt::Key_Down, Qt::NoModifier, 2, 5},
        MoveCase{"RightFromEmptyCell", 1, 1, Qt::Key_Right, Qt::NoModifier, 2, 1},
        MoveCase{"CtrlEnd", 1, 1, Qt::Key_End, Qt::ControlModifier, 3, 5}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StringGridTest, ArrowsMoveTheCaretInsideTextFirst)
{
    grid.SetCells(1, 1, "abc");
    grid.SetCurrentCell(2, 1);
    grid.SetCurrentCell(1, 1);
    grid.Editor()->setCursorPosition(1);
    Press(grid.Editor(), Qt::Key_Right);
    EXPECT_EQ(grid.Col(), 1);
    EXPECT_EQ(grid.Editor()->cursorPosition(), 2);
}

TEST_F(StringGridTest, ShiftArrowsSelectARange)
{
    grid.SetCurrentCell(1, 1);
    Press(grid.Editor(), Qt::Key_Down, Qt::ShiftModifier);
    Press(grid.Editor(), Qt::Key_Down, Qt::ShiftModifier);
    grid.Editor()->selectAll();
    Press(grid.Editor(), Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(grid.Selection(), QRect(QPoint(1, 1), QPoint(2, 3)));
}

TEST_F(StringGridTest, SettingTheCurrentCellScrollsItIntoView)
{
    grid.SetColCount(30);
    grid.SetRowCount(500);
    grid.show();
    const QRect viewport = grid.viewport()->rect();
    for (const auto& [col, row] : {std::pair{25, 400}, std::pair{2, 3}, std::pair{29, 499}}) {
        grid.SetCurrentCell(col, row);
        const QRect cell = grid.visualRect(grid.model()->index(row - 1, col - 1));
        EXPECT_TRUE(viewport.contains(cell)) << col << "," << row;
        EXPECT_EQ(grid.Editor()->geometry(), cell.adjusted(0, 0, -1, -1));
    }
}

TEST_F(StringGridTest, RowHeightsApplyToExistingRowsOnly)
{
    for (int row = 0; row < grid.RowCount(); ++row)
        grid.SetRowHeights(row, 17);
    grid.SetRowCount(8);
    EXPECT_EQ(grid.RowHeights(0), 17);
    EXPECT_EQ(grid.RowHeights(5), 17);
    EXPECT_EQ(grid.RowHeights(6), grid.DefaultRowHeight());
    QImage image(grid.size(), QImage::Format_RGB32);
    grid.render(&image);  // brings the view's rows in line
    EXPECT_EQ(grid.rowHeight(4), 17);
    EXPECT_EQ(grid.rowHeight(6), grid.DefaultRowHeight());
}

TEST_F(StringGridTest, ColumnWidthsFollowDefaultAndSettings)
{
    EXPECT_EQ(grid.DefaultColWidth(), 94);
    EXPECT_EQ(grid.ColWidths(2), 94);
    grid.SetColWidths(2, 40);
    EXPECT_EQ(grid.columnWidth(1), 40);
    grid.horizontalHeader()->resizeSection(2, 55);  // as a drag of the column edge does
    EXPECT_EQ(grid.ColWidths(3), 55);
    grid.SetColCount(5);
    EXPECT_EQ(grid.ColWidths(4), 94);
}

TEST_F(StringGridTest, SnapshotShowsWithoutCopyAndLaterWritesOverrideIt)
{
    grid.SetCells(2, 2, "stale");
    grid.SetCells(0, 2, "2");
    auto snapshot = std::make_shared<VectorSnapshot>(std::vector<std::vector<std::string>>{
        {"a", "b", "c"}, {"d", "caf\xC3\xA9"}, {"g", "h", "i"}});
    grid.AttachSnapshot(snapshot, 1, 1, Utf8);
    EXPECT_EQ(grid.Cells(1, 1), "a");
    EXPECT_EQ(grid.Cells(2, 2), QString::fromUtf8("caf\xC3\xA9"));
    EXPECT_EQ(grid.Cells(3, 2), "") << "short row";
    EXPECT_EQ(grid.Cells(0, 2), "2") << "cells outside the snapshot's area stay";
    EXPECT_EQ(grid.Cells(1, 5), "") << "beyond the snapshot's rows";
    grid.SetCells(3, 3, "over");
    EXPECT_EQ(grid.Cells(3, 3), "over");
    grid.SetRowCount(2);
    grid.SetRowCount(6);
    EXPECT_EQ(grid.Cells(1, 1), "a");
    EXPECT_EQ(grid.Cells(1, 3), "");
    EXPECT_EQ(grid.Cells(3, 3), "");
}

TEST_F(StringGridTest, AttachingReloadsTheEditor)
{
    grid.SetCurrentCell(1, 1);
    EventLog log(grid);
    grid.AttachSnapshot(std::make_shared<VectorSnapshot>(std::vector<std::vector<std::string>>{{"x\xE9"}}), 1, 1,
                        Latin1);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"load 1,1 " + QString::fromLatin1("x\xE9").toStdString()}));
    EXPECT_EQ(grid.Editor()->text(), QString::fromLatin1("x\xE9"));
}

TEST_F(StringGridTest, DrawCellHookRunsAfterTheGridsOwnDrawing)
{
    grid.SetCells(2, 2, "text");
    std::set<std::pair<int, int>> drawn;
    grid.SetDrawCellHook([&](QPainter& painter, int col, int row, const QRect& rect) {
        drawn.insert({col, row});
        if (col == 2 && row == 2)
            painter.fillRect(rect, Qt::red);
    });
    grid.SetCurrentCell(3, 3);
    QImage image(grid.size(), QImage::Format_RGB32);
    grid.render(&image);
    EXPECT_TRUE(drawn.count({0, 0}));
    EXPECT_TRUE(drawn.count({2, 0}));
    EXPECT_TRUE(drawn.count({0, 4}));
    EXPECT_TRUE(drawn.count({2, 2}));
    const QRect cell = grid.visualRect(grid.model()->index(1, 1)).translated(grid.viewport()->pos());
    EXPECT_EQ(image.pixelColor(cell.center()), QColor(Qt::red));
}

TEST_F(StringGridTest, ClickOnTheCurrentCellSetsItAgain)
{
    grid.SetCurrentCell(2, 2);
    EventLog log(grid);
    const QPoint at = grid.visualRect(grid.model()->index(2, 2)).center();
    QMouseEvent press(QEvent::MouseButtonPress, at, grid.viewport()->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(grid.viewport(), &press);
    EXPECT_EQ(grid.Col(), 3);
    EXPECT_EQ(grid.Row(), 3);
    EXPECT_EQ(log.lines[1], "set 3,3");
}

namespace {

// Numbers the rows either with SetRecordNumbers or, for the reference grid, one cell at a time.
struct Numbering {
    bool computed;
    void operator()(TStringGrid& grid, int first, int last) const
    {
        if (computed) {
            grid.SetRecordNumbers(first, last);
            return;
        }
        for (int row = std::max(first, 0); row <= std::min(last, grid.RowCount() - 1); ++row)
            grid.SetCells(0, row, QString::number(row));
    }
};

struct NumberingCase {
    const char* name;
    std::function<void(TStringGrid&, const Numbering&)> script;
};

std::shared_ptr<VectorSnapshot> SmallTable()
{
    return std::make_shared<VectorSnapshot>(std::vector<std::vector<std::string>>{
        {"a", "b"}, {"c", "d"}, {"e", "f"}, {"g", "h"}});
}

} // namespace

class RecordNumbersTest : public ::testing::TestWithParam<NumberingCase> {};

// Computed record numbers must be indistinguishable from numbers written cell by cell: the
// same cells, the same editor text and the same events.
TEST_P(RecordNumbersTest, ReadLikeNumbersWrittenIntoEachCell)
{
    TStringGrid computed;
    TStringGrid written;
    std::vector<std::string> logs[2];
    for (TStringGrid* grid : {&computed, &written}) {
        grid->resize(400, 300);
        grid->SetColCount(3);
        grid->SetRowCount(8);
        EventLog log(*grid);
        GetParam().script(*grid, Numbering{grid == &computed});
        logs[grid == &written] = log.lines;
    }
    for (int row = 0; row < 12; ++row) {
        for (int col = 0; col < 4; ++col)
            EXPECT_EQ(computed.Cells(col, row), written.Cells(col, row)) << "cell " << col << "," << row;
    }
    EXPECT_EQ(computed.RowCount(), written.RowCount());
    EXPECT_EQ(computed.Editor()->text(), written.Editor()->text());
    EXPECT_EQ(logs[0], logs[1]);
    for (int section = 0; section < computed.model()->rowCount(); ++section) {
        EXPECT_EQ(computed.model()->headerData(section, Qt::Vertical).toString(),
                  written.model()->headerData(section, Qt::Vertical).toString());
    }
}

INSTANTIATE_TEST_SUITE_P(Scripts, RecordNumbersTest,
    ::testing::Values(
        NumberingCase{"EveryRow", [](TStringGrid& g, const Numbering& number) { number(g, 1, 7); }},
        NumberingCase{"ClippedToTheGrid", [](TStringGrid& g, const Numbering& number) { number(g, -4, 100); }},
        NumberingCase{"LaterWriteOverrides",
                      [](TStringGrid& g, const Numbering& number) {
                          number(g, 1, 7);
                          g.SetCells(0, 3, "x");
                      }},
        NumberingCase{"NumbersOverrideEarlierWrites",
                      [](TStringGrid& g, const Numbering& number) {
                          g.SetCells(0, 2, "old");
                          g.SetCells(0, 0, "RECORD #");
                          number(g, 1, 7);
                      }},
        NumberingCase{"ShrinkingDropsThemGrowingGivesEmptyCells",
                      [](TStringGrid& g, const Numbering& number) {
                          number(g, 1, 7);
                          g.SetRowCount(4);
                          g.SetRowCount(10);
                          number(g, 9, 9);
                      }},
        NumberingCase{"NoColumnsDropsThem",
                      [](TStringGrid& g, const Numbering& number) {
                          number(g, 1, 7);
                          g.SetColCount(0);
                          g.SetColCount(3);
                      }},
        NumberingCase{"SeparateAndJoiningStretches",
                      [](TStringGrid& g, const Numbering& number) {
                          number(g, 1, 2);
                          g.SetCells(0, 2, "kept");
                          number(g, 5, 6);
                          number(g, 4, 4);
                          g.SetCells(0, 4, "y");
                          number(g, 6, 7);
                      }},
        NumberingCase{"SnapshotOverColumnZeroReplacesThem",
                      [](TStringGrid& g, const Numbering& number) {
                          number(g, 1, 7);
                          g.AttachSnapshot(SmallTable(), 3, 0, Utf8);
                      }},
        NumberingCase{"SnapshotBesideThemKeepsThem",
                      [](TStringGrid& g, const Numbering& number) {
                          number(g, 1, 7);
                          g.AttachSnapshot(SmallTable(), 1, 1, Utf8);
                      }},
        NumberingCase{"OverASnapshotInColumnZero",
                      [](TStringGrid& g, const Numbering& number) {
                          g.AttachSnapshot(SmallTable(), 1, 0, Latin1);
                          number(g, 2, 3);
                      }},
        NumberingCase{"EditorOnColumnZeroReloads",
                      [](TStringGrid& g, const Numbering& number) {
                          g.SetFixedCols(0);
                          g.SetCurrentCell(0, 4);
                          number(g, 3, 5);
                      }},
        NumberingCase{"WhileTheEditorLoads",
                      [](TStringGrid& g, const Numbering& number) {
                          g.SetFixedCols(0);
                          QObject::connect(&g, &TStringGrid::editTextRequested, &g,
                                           [&g, number](int, int row, QString&) { number(g, row, row); });
                          g.SetCurrentCell(0, 2);
                      }}),
    [](const auto& info) { return std::string(info.param.name); });
