#include "engine/TCommaFileColumns.h"

#include "engine/TCommaFileColumn.h"
#include "engine/TParsedTable.h"

TCommaFileColumns::TCommaFileColumns() : Items(std::make_unique<TCOLVCollector>()) {}

TCommaFileColumns::~TCommaFileColumns()
{
    Count = 0;
    for (void* item : *Items->List)
        delete static_cast<TCommaFileColumn*>(item);
}

TCommaFileColumn* TCommaFileColumns::Add(bool atFront)
{
    try {
        auto cell = std::make_unique<TCommaFileColumn>();
        Items->Add(cell.get(), atFront);
        if (atFront)
            ++addedAtFront_;
        ++Count;
        return cell.release();
    } catch (...) {
        return nullptr;
    }
}

TCommaFileColumn* TCommaFileColumns::Get(int index)
{
    try {
        auto* cell = static_cast<TCommaFileColumn*>(Items->Get(index));
        if (cell || !parsed_)
            return cell;
        // A null place holds a cell of the reader's table, made now and kept.
        auto made = std::make_unique<TCommaFileColumn>();
        made->Text = parsed_->CellText(parsedRow_, index - addedAtFront_);
        Items->Put(index, made.get());
        return made.release();
    } catch (...) {
        return nullptr;
    }
}

void TCommaFileColumns::AttachParsed(std::shared_ptr<const TParsedTable> table, int row)
{
    const int cells = table->CellCount(row);
    parsed_ = std::move(table);
    parsedRow_ = row;
    addedAtFront_ = Count;
    Items->AddPlaces(cells);
    Count += cells;
}
