#pragma once
// One cell of a row.

#include <string>

class TCommaFileColumn {
public:
    std::string Text;
    // 2: a field read between double quotes. Every cell carries it.
    int Kind = 2;
};
