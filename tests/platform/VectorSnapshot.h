#pragma once
// A table snapshot over rows of strings, for tests of what shows a snapshot.

#include "engine/TableSnapshot.h"

#include <string>
#include <vector>

class VectorSnapshot : public TableSnapshot {
public:
    explicit VectorSnapshot(std::vector<std::vector<std::string>> rows)
        : rows_(std::move(rows))
    {
    }
    int RowCount() const override { return int(rows_.size()); }
    int CellCount(int row) const override { return int(rows_[std::size_t(row)].size()); }
    std::string_view CellText(int row, int col) const override
    {
        return rows_[std::size_t(row)][std::size_t(col)];
    }

private:
    std::vector<std::vector<std::string>> rows_;
};
