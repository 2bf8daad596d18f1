#pragma once
// The cell store of TStringGrid. Cells of an attached table snapshot are read from the
// snapshot itself; cells written through Set are kept in an overlay: one hash table of
// (row, column) -> stretch of a single UTF-16 arena, so no cell is a heap object of its own.
// Record numbers in column 0 are computed from the row, not stored.
// A cell reads from the first of: the overlay, the record numbers, the snapshot.

#include "platform/TextEncoding.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

class TableSnapshot;

class TGridCells {
public:
    TGridCells();
    ~TGridCells();

    int RowCount() const { return rowCount_; }
    int ColCount() const { return colCount_; }
    // Shrinking drops the cells beyond the new count, snapshot cells included.
    void SetRowCount(int count);
    void SetColCount(int count);

    bool Contains(int col, int row) const;
    QString Get(int col, int row) const;
    void Set(int col, int row, const QString& text);

    // Column 0 of rows firstRow..lastRow (clipped to the rows there are) reads as the row's
    // number, exactly as if QString::number(row) had been written into each of those cells.
    void SetRecordNumbers(int firstRow, int lastRow);

    void Attach(std::shared_ptr<const TableSnapshot> snapshot, int firstRow, int firstCol,
                TextEncoding encoding);

    std::size_t OverlaySize() const { return used_; }

private:
    struct Slot {
        std::uint64_t key;
        std::uint32_t offset;  // into arena_, in UTF-16 code units
        std::uint32_t length;
    };
    static constexpr std::uint64_t EmptyKey = ~std::uint64_t(0);

    static std::uint64_t KeyOf(int col, int row);
    std::size_t SlotIndex(std::uint64_t key) const;
    const Slot* Find(std::uint64_t key) const;
    void Insert(std::uint64_t key, const QString& text);
    void Rehash(std::size_t capacity, const std::function<bool(int col, int row)>& keep);
    void CompactIfWasteful();
    std::uint32_t Append(const QChar* text, std::uint32_t length);
    bool HasRecordNumbers() const { return numberedFirst_ <= numberedLast_; }
    bool IsNumbered(int row) const { return row >= numberedFirst_ && row <= numberedLast_; }
    void StoreRecordNumbers();
    std::string_view SnapshotText(int col, int row) const;

    int rowCount_ = 0;
    int colCount_ = 0;

    std::vector<Slot> slots_;
    std::size_t used_ = 0;
    std::vector<char16_t> arena_;
    std::size_t garbage_ = 0;

    std::shared_ptr<const TableSnapshot> snapshot_;
    int snapshotFirstRow_ = 0;
    int snapshotFirstCol_ = 0;
    int snapshotRowLimit_ = 0;  // grid rows and columns beyond these were dropped by shrinking
    int snapshotColLimit_ = 0;
    TextEncoding encoding_ = Utf8;

    int numberedFirst_ = 0;     // rows whose column 0 reads as the record number; none
    int numberedLast_ = -1;     // while last < first
};
