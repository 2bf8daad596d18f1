#pragma once
// Shared fixtures of the engine tests: a fresh folder per test, machine facts that tests set,
// and the engine's messages written out in full.

#include "engine/TCommaFile.h"
#include "platform/system/SystemFacts.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

class FakeFacts : public SystemFacts {
public:
    bool MemoryReadable = true;
    MemoryStatus Memory{std::uint64_t{64} << 30, std::uint64_t{32} << 30, std::uint64_t{32} << 30,
                        std::uint64_t{1} << 46};
    int Drive = DRIVE_FIXED;

    bool GlobalMemoryStatus(MemoryStatus& status) const override
    {
        status = Memory;
        return MemoryReadable;
    }
    int GetDriveType(const std::string&) const override { return Drive; }
};

// A fresh temporary folder, removed with everything in it at the end of the test.
class TempFolder {
public:
    TempFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "colvane-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
    }
    ~TempFolder() { std::filesystem::remove_all(path_); }
    std::string File(const std::string& name) const { return (path_ / name).string(); }
    std::string Write(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(File(name), std::ios::binary) << bytes;
        return File(name);
    }

private:
    std::filesystem::path path_;
};

inline std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Runs the reader on a text exactly as a load would hand it over.
inline bool ParseText(TCommaFile& file, const std::string& text)
{
    file.Text = text;
    file.Buffer = file.Text.Share();
    file.Size = static_cast<std::uint32_t>(text.size());
    return file.Parse();
}

using Table = std::vector<std::vector<std::string>>;

inline Table TableOf(TCommaFile& file)
{
    Table table;
    for (int r = 0; r < file.Rows->Count; ++r) {
        TCommaFileColumns& cells = *file.Rows->Get(r)->Columns;
        table.emplace_back();
        for (int c = 0; c < cells.Count; ++c)
            table.back().push_back(cells.Get(c)->Text);
    }
    return table;
}

namespace Msg {
inline std::string FirstCharacter(int n)
{
    return "Could not load file.\r\nUnquoted text found. \r\nProblem is near character # " +
           std::to_string(n) + "\r\n\r\nThis program requires quotes around ALL data";
}
inline std::string Unquoted(int n)
{
    return "File not loaded. \r\nUnquoted text found near character # " + std::to_string(n) +
           "\r\n\r\nThis program requires quotes around ALL data";
}
inline std::string TooLarge(int n)
{
    return "File not loaded. \r\nA data field is too large near character# " + std::to_string(n);
}
inline std::string Multiline(int n)
{
    return "Could not load file.\r\n\r\nMultiline data (linefeeds in data) not allowed!\r\nProblem is near character # " +
           std::to_string(n);
}
inline std::string Width(int n)
{
    return "Could not load file.\r\nNot all rows have same number of columns  \r\nProblem is near character # " +
           std::to_string(n);
}
inline const std::string TooBig =
    "The file was not loaded.\r\n\r\nThe file is too big to process efficiently in the memory that is available.";
}  // namespace Msg
