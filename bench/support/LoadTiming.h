#pragma once
// The yardstick of several benchmarks: the engine's LoadFromFile of a file, timed.

#include "bench/support/ChildRun.h"
#include "engine/TCommaFile.h"

#include <cstdlib>
#include <string>

inline double TimeLoadFromFile(const std::string& path)
{
    const auto start = Clock::now();
    TCommaFile file;
    if (!file.LoadFromFile(path, true))
        std::exit(3);
    return SecondsSince(start);
}
