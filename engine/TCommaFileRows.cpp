#include "engine/TCommaFileRows.h"

#include "engine/TCommaFileRow.h"
#include "engine/TParsedTable.h"

TCommaFileRows::TCommaFileRows() : Items(std::make_unique<TCOLVCollector>()) {}

TCommaFileRows::~TCommaFileRows()
{
    for (void* item : *Items->List)
        delete static_cast<TCommaFileRow*>(item);
}

TCommaFileRow* TCommaFileRows::Add(bool atFront)
{
    auto row = std::make_unique<TCommaFileRow>();
    Items->Add(row.get(), atFront);
    if (atFront)
        ++addedAtFront_;
    ++Count;
    return row.release();
}

TCommaFileRow* TCommaFileRows::Get(int index)
{
    auto* row = static_cast<TCommaFileRow*>(Items->Get(index));
    if (row || !parsed_)
        return row;
    // A null place holds a row of the reader's table, made now and kept.
    auto made = std::make_unique<TCommaFileRow>();
    made->Columns->AttachParsed(parsed_, index - addedAtFront_);
    Items->Put(index, made.get());
    return made.release();
}

void TCommaFileRows::AttachParsed(std::shared_ptr<const TParsedTable> table)
{
    const int rows = table->RowCount();
    parsed_ = std::move(table);
    addedAtFront_ = Count;
    Items->AddPlaces(rows);
    Count += rows;
}
