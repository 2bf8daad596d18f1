#include "platform/TGridCells.h"

#include "engine/TableSnapshot.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace {

constexpr std::size_t InitialCapacity = 64;

int RowOfKey(std::uint64_t key) { return int(key >> 32); }
int ColOfKey(std::uint64_t key) { return int(key & 0xFFFFFFFFu); }

} // namespace

TGridCells::TGridCells()
    : slots_(InitialCapacity, Slot{EmptyKey, 0, 0})
{
}

TGridCells::~TGridCells() = default;

void TGridCells::SetRowCount(int count)
{
    count = std::max(count, 0);
    if (count < rowCount_) {
        snapshotRowLimit_ = std::min(snapshotRowLimit_, count);
        numberedLast_ = std::min(numberedLast_, count - 1);
        Rehash(slots_.size(), [count](int, int row) { return row < count; });
    }
    rowCount_ = count;
}

void TGridCells::SetColCount(int count)
{
    count = std::max(count, 0);
    if (count < colCount_) {
        snapshotColLimit_ = std::min(snapshotColLimit_, count);
        if (count == 0)
            numberedLast_ = numberedFirst_ - 1;
        Rehash(slots_.size(), [count](int col, int) { return col < count; });
    }
    colCount_ = count;
}

bool TGridCells::Contains(int col, int row) const
{
    return col >= 0 && row >= 0 && col < colCount_ && row < rowCount_;
}

QString TGridCells::Get(int col, int row) const
{
    if (!Contains(col, row))
        return QString();
    if (used_ != 0) {
        if (const Slot* slot = Find(KeyOf(col, row)))
            return QString(reinterpret_cast<const QChar*>(arena_.data() + slot->offset), slot->length);
    }
    if (col == 0 && IsNumbered(row))
        return QString::number(row);
    return DecodeText(SnapshotText(col, row), encoding_);
}

std::string_view TGridCells::SnapshotText(int col, int row) const
{
    if (!snapshot_ || row >= snapshotRowLimit_ || col >= snapshotColLimit_)
        return {};
    const int i = row - snapshotFirstRow_;
    const int j = col - snapshotFirstCol_;
    if (i < 0 || j < 0 || i >= snapshot_->RowCount() || j >= snapshot_->CellCount(i))
        return {};
    return snapshot_->CellText(i, j);
}

void TGridCells::Set(int col, int row, const QString& text)
{
    if (!Contains(col, row))
        return;
    const std::uint64_t key = KeyOf(col, row);
    const auto length = std::uint32_t(text.size());
    Slot& slot = slots_[SlotIndex(key)];
    if (slot.key == key) {
        if (length <= slot.length) {
            std::memcpy(arena_.data() + slot.offset, text.constData(), length * sizeof(char16_t));
        } else {
            garbage_ += slot.length;
            slot.offset = Append(text.constData(), length);
        }
        garbage_ += slot.length - std::min(slot.length, length);
        slot.length = length;
        CompactIfWasteful();
        return;
    }
    Insert(key, text);
}

void TGridCells::Attach(std::shared_ptr<const TableSnapshot> snapshot, int firstRow, int firstCol,
                        TextEncoding encoding)
{
    snapshot_ = std::move(snapshot);
    snapshotFirstRow_ = firstRow;
    snapshotFirstCol_ = firstCol;
    snapshotRowLimit_ = INT_MAX;
    snapshotColLimit_ = INT_MAX;
    encoding_ = encoding;
    if (firstCol == 0)
        numberedLast_ = std::min(numberedLast_, firstRow - 1);
    Rehash(slots_.size(), [firstRow, firstCol](int col, int row) { return row < firstRow || col < firstCol; });
}

void TGridCells::SetRecordNumbers(int firstRow, int lastRow)
{
    firstRow = std::max(firstRow, 0);
    lastRow = std::min(lastRow, rowCount_ - 1);
    if (colCount_ == 0 || lastRow < firstRow)
        return;
    if (used_ != 0)
        Rehash(slots_.size(), [=](int col, int row) { return col != 0 || row < firstRow || row > lastRow; });
    const bool joins = HasRecordNumbers() && firstRow <= numberedLast_ + 1 && lastRow + 1 >= numberedFirst_;
    if (joins) {
        numberedFirst_ = std::min(numberedFirst_, firstRow);
        numberedLast_ = std::max(numberedLast_, lastRow);
        return;
    }
    // Only one stretch of rows is computed; an earlier one apart from the new one is written
    // out as ordinary cells.
    if (HasRecordNumbers())
        StoreRecordNumbers();
    numberedFirst_ = firstRow;
    numberedLast_ = lastRow;
}

void TGridCells::StoreRecordNumbers()
{
    const int first = numberedFirst_;
    const int last = numberedLast_;
    numberedLast_ = numberedFirst_ - 1;
    for (int row = first; row <= last; ++row) {
        const std::uint64_t key = KeyOf(0, row);
        if (!Find(key))
            Insert(key, QString::number(row));
    }
}

std::uint64_t TGridCells::KeyOf(int col, int row)
{
    return (std::uint64_t(std::uint32_t(row)) << 32) | std::uint32_t(col);
}

// Linear probing in a power-of-two table: the slot holding the key, or the empty slot where
// it belongs.
std::size_t TGridCells::SlotIndex(std::uint64_t key) const
{
    const std::size_t mask = slots_.size() - 1;
    std::uint64_t h = key;  // the finaliser of splitmix64 spreads rows and columns alike
    h = (h ^ (h >> 30)) * 0xBF58476D1CE4E5B9ull;
    h = (h ^ (h >> 27)) * 0x94D049BB133111EBull;
    h ^= h >> 31;
    std::size_t i = std::size_t(h) & mask;
    while (slots_[i].key != key && slots_[i].key != EmptyKey)
        i = (i + 1) & mask;
    return i;
}

const TGridCells::Slot* TGridCells::Find(std::uint64_t key) const
{
    const Slot& slot = slots_[SlotIndex(key)];
    return slot.key == key ? &slot : nullptr;
}

void TGridCells::Insert(std::uint64_t key, const QString& text)
{
    if ((used_ + 1) * 4 > slots_.size() * 3)
        Rehash(slots_.size() * 2, [](int, int) { return true; });
    Slot& slot = slots_[SlotIndex(key)];
    const auto length = std::uint32_t(text.size());
    slot = Slot{key, Append(text.constData(), length), length};
    ++used_;
}

// Rebuilds the table with the given capacity, keeping the cells that pass the test, and
// packs their texts into a fresh arena.
void TGridCells::Rehash(std::size_t capacity, const std::function<bool(int col, int row)>& keep)
{
    std::vector<Slot> old(capacity, Slot{EmptyKey, 0, 0});
    old.swap(slots_);
    std::vector<char16_t> oldArena;
    oldArena.swap(arena_);
    used_ = 0;
    garbage_ = 0;
    for (const Slot& slot : old) {
        if (slot.key == EmptyKey || !keep(ColOfKey(slot.key), RowOfKey(slot.key)))
            continue;
        Slot& fresh = slots_[SlotIndex(slot.key)];
        fresh = Slot{slot.key, Append(reinterpret_cast<const QChar*>(oldArena.data() + slot.offset), slot.length),
                     slot.length};
        ++used_;
    }
}

void TGridCells::CompactIfWasteful()
{
    if (garbage_ > (std::size_t(1) << 20) && garbage_ > arena_.size() / 2)
        Rehash(slots_.size(), [](int, int) { return true; });
}

std::uint32_t TGridCells::Append(const QChar* text, std::uint32_t length)
{
    const auto offset = std::uint32_t(arena_.size());
    arena_.insert(arena_.end(), reinterpret_cast<const char16_t*>(text),
                  reinterpret_cast<const char16_t*>(text) + length);
    return offset;
}
