#include "engine/TCommaFileRow.h"

TCommaFileRow::TCommaFileRow() : Columns(std::make_unique<TCommaFileColumns>()) {}
