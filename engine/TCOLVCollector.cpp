#include "engine/TCOLVCollector.h"

#include <stdexcept>
#include <string>

TCOLVCollector::TCOLVCollector() : List(std::make_unique<std::vector<void*>>()) {}

void TCOLVCollector::Add(void* item, bool atFront)
{
    if (atFront)
        List->insert(List->begin(), item);
    else
        List->push_back(item);
    ++Count;
}

void* TCOLVCollector::Get(int index) const
{
    if (index < 0 || index >= static_cast<int>(List->size()))
        throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
    return (*List)[index];
}

void TCOLVCollector::Put(int index, void* item)
{
    Get(index);
    (*List)[index] = item;
}

void TCOLVCollector::AddPlaces(int count)
{
    List->resize(List->size() + count, nullptr);
    Count += count;
}
