#include "engine/TCommaFile.h"

#include "engine/TParsedTable.h"
#include "platform/system/SystemFacts.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <limits>

#include <sys/mman.h>
#include <unistd.h>

namespace {

const char* const TooBigMessage =
    "The file was not loaded.\r\n\r\nThe file is too big to process efficiently in the memory "
    "that is available.";

// The file is read in pieces no longer than a field may be.
constexpr std::size_t PieceLength = 65352;

// Sizes are 32-bit; a file whose size does not fit cannot be held.
constexpr std::uint64_t LargestFile = std::numeric_limits<std::uint32_t>::max() - 1000u;

void AdviseHugePages(std::string& block)
{
    const long page = sysconf(_SC_PAGESIZE);
    auto begin = reinterpret_cast<std::uintptr_t>(block.data());
    auto end = begin + block.capacity();
    begin = (begin + page - 1) / page * page;
    if (end > begin + page)
        madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
}

}  // namespace

TCommaFile::TCommaFile()
    : Rows(std::make_unique<TCommaFileRows>()),
      Buffer(std::make_shared<const std::string>()),
      parsed_(std::make_shared<TParsedTable>(Buffer, 0))
{
}

TCommaFile::~TCommaFile() = default;

bool TCommaFile::LoadFromFile(const std::string& path, bool reopen)
{
    if (Stream && !reopen)
        return false;
    try {
        const std::string pathCopy = path;
        Stream.reset();
        std::FILE* stream = std::fopen(pathCopy.c_str(), "rb+");
        if (!stream) {
            OpenError = errno;
            return false;
        }
        Stream.reset(stream);
        if (fstat(fileno(stream), &FileStatus) != 0)
            return false;
        const auto fileSize = static_cast<std::uint64_t>(FileStatus.st_size);
        Size = static_cast<std::uint32_t>(std::min(fileSize, LargestFile + 1));
        if (fileSize > LargestFile || !HasMemoryFor(Size)) {
            Message = TooBigMessage;
            return false;
        }
        if (!ReadIntoBuffer(stream))
            return false;
        Text = TSharedText(Buffer);
        FileName = pathCopy;
        return Parse();
    } catch (...) {
        return false;
    }
}

// Reads the file byte for byte into a fresh block, so that a NUL is kept like any other
// character. Size ends as the number of bytes actually read.
bool TCommaFile::ReadIntoBuffer(std::FILE* stream)
{
    auto block = std::make_shared<std::string>();
    block->reserve(Size + 1);
    AdviseHugePages(*block);
    block->resize(Size);
    std::size_t total = 0;
    while (total < Size) {
        const std::size_t piece = std::min<std::size_t>(PieceLength, Size - total);
        const std::size_t n = std::fread(block->data() + total, 1, piece, stream);
        if (n == 0)
            break;
        total += n;
    }
    if (std::ferror(stream))
        return false;
    block->resize(total);
    Size = static_cast<std::uint32_t>(total);
    Buffer = std::move(block);
    return true;
}

bool TCommaFile::HasMemoryFor(std::uint32_t size) const
{
    try {
        MemoryStatus status;
        if (!Facts().GlobalMemoryStatus(status))
            return false;
        if (status.TotalPhys < 25ull * size)
            return false;
        return status.AvailPhys >= size;
    } catch (...) {
        return false;
    }
}

std::shared_ptr<const TableSnapshot> TCommaFile::Snapshot() const
{
    return parsed_;
}
