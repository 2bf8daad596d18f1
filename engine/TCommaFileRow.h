#pragma once
// One row of the table.

#include "engine/TCommaFileColumns.h"

#include <memory>

class TCommaFileRow {
public:
    TCommaFileRow();

    std::unique_ptr<TCommaFileColumns> Columns;
};
