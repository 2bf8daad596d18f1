// The writer, and the small text operations that the export writers use.

#include "engine/TCommaFile.h"

#include "platform/system/SystemFacts.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace {

std::FILE* CreateForWriting(const std::string& name, TCommaFile::CreateMode mode)
{
    if (mode == TCommaFile::CreateMode::Replace)
        return std::fopen(name.c_str(), "wb+");
    const int fd = ::open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return nullptr;
    std::FILE* stream = ::fdopen(fd, "wb+");
    if (!stream) {
        const int error = errno;
        ::close(fd);
        ::unlink(name.c_str());
        errno = error;
    }
    return stream;
}

} // namespace

std::int32_t TCommaFile::SaveToFile(bool reopen, CreateMode mode)
{
    try {
        if (FileName.empty())
            return 994;
        const int drive = Facts().GetDriveType(FileName);
        if (drive != DRIVE_REMOVABLE && drive != DRIVE_FIXED)
            return 995;
        if (reopen && Stream)
            Stream.reset();
        if (!Stream) {
            std::FILE* stream = CreateForWriting(FileName, mode);
            if (!stream) {
                OpenError = errno;
                return 998;
            }
            Stream.reset(stream);
            // The reader walks the very block that holds Text: no copy.
            Buffer = Text.Share();
        }
        // The whole text is written, NULs included, so nothing after one is lost.
        const std::string& text = Text;
        if (std::fwrite(text.data(), 1, text.size(), Stream.get()) != text.size())
            return 997;
        if (std::fflush(Stream.get()) != 0)
            return 997;
        Size = static_cast<std::uint32_t>(Buffer->size());
        if (CheckHtmlName(FileName) == 0 || CheckXmlName(FileName) == 0)
            return 0;
        return Parse() ? 0 : 996;
    } catch (...) {
        return 993;
    }
}

void TCommaFile::DoubleQuotes(std::string& text) const
{
    try {
        if (text.find('"') == std::string::npos)
            return;
        std::string doubled;
        doubled.reserve(text.size() + 8);
        for (char c : text) {
            doubled += c;
            if (c == '"')
                doubled += '"';
        }
        text = std::move(doubled);
    } catch (...) {
        // The text stays as it was.
    }
}

std::int32_t TCommaFile::CheckHtmlName(const std::string& path) const
{
    return CheckNamePattern(path, ".HTM", false);
}

std::int32_t TCommaFile::CheckXmlName(const std::string& path) const
{
    return CheckNamePattern(path, ".XML", true);
}

// Only the first occurrence of the pattern counts. The HTML rule accepts it when exactly one
// character follows it (.html); the XML rule also when it ends the path.
std::int32_t TCommaFile::CheckNamePattern(const std::string& path, const char* pattern, bool xmlRule) const
{
    try {
        std::string upper = path;
        std::transform(upper.begin(), upper.end(), upper.begin(),
                       [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
        const std::size_t length = upper.size();
        for (std::size_t i = 1; i + 3 <= length; ++i) {
            if (std::memcmp(upper.data() + i - 1, pattern, 4) != 0)
                continue;
            const bool accepted = xmlRule ? i + 4 >= length : i + 4 == length;
            return accepted ? 0 : 1000;
        }
        return 999;
    } catch (...) {
        return 1000;
    }
}
