#pragma once
// A list of untyped pointers that does not own what it points to.

#include <memory>
#include <vector>

class TCOLVCollector {
public:
    TCOLVCollector();

    int Count = 0;
    std::unique_ptr<std::vector<void*>> List;

    // Inserts at index 0 when atFront is true, else appends.
    void Add(void* item, bool atFront);
    // Throws std::out_of_range for an index outside the list.
    void* Get(int index) const;
    // Replaces the pointer at an index already in the list.
    void Put(int index, void* item);
    // Appends count null pointers: places for items made on first use.
    void AddPlaces(int count);
};
