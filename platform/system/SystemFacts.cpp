#include "platform/system/SystemFacts.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/sysmacros.h>
#include <sys/utsname.h>

namespace {

// Filesystem magic numbers (statfs f_type).
constexpr unsigned long NfsMagic = 0x6969;
constexpr unsigned long SmbMagic = 0x517B;
constexpr unsigned long CifsMagic = 0xFF534D42;
constexpr unsigned long Smb2Magic = 0xFE534D42;
constexpr unsigned long V9fsMagic = 0x01021997;
constexpr unsigned long AfsMagic = 0x5346414F;
constexpr unsigned long KafsMagic = 0x6B414653;
constexpr unsigned long CodaMagic = 0x73757245;
constexpr unsigned long Iso9660Magic = 0x9660;
constexpr unsigned long UdfMagic = 0x15013346;
constexpr unsigned long TmpfsMagic = 0x01021994;
constexpr unsigned long RamfsMagic = 0x858458F6;

// A value in kB from a "Key:   123 kB" listing, in bytes; false when the key is missing.
bool MemInfoBytes(const std::string& text, const std::string& key, std::uint64_t& bytes)
{
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.compare(0, key.size() + 1, key + ":") != 0)
            continue;
        std::istringstream value(line.substr(key.size() + 1));
        std::uint64_t kb = 0;
        if (!(value >> kb))
            return false;
        bytes = kb * 1024;
        return true;
    }
    return false;
}

std::string ReadWholeFile(const char* path)
{
    std::ifstream in(path);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

bool SysfsRemovable(const std::string& folder)
{
    std::ifstream flag(folder + "/removable");
    int value = 0;
    return flag >> value && value == 1;
}

// True when the block device that holds the filesystem is marked removable in sysfs; a
// partition carries the flag on its parent disk.
bool OnRemovableDevice(const std::string& path)
{
    struct stat st;
    if (stat(path.c_str(), &st) != 0)
        return false;
    const std::string device = "/sys/dev/block/" + std::to_string(major(st.st_dev)) + ":" +
                               std::to_string(minor(st.st_dev));
    return SysfsRemovable(device) || SysfsRemovable(device + "/..");
}

int DriveTypeOfFilesystem(unsigned long type, const std::string& path)
{
    switch (type) {
    case NfsMagic: case SmbMagic: case CifsMagic: case Smb2Magic:
    case V9fsMagic: case AfsMagic: case KafsMagic: case CodaMagic:
        return DRIVE_REMOTE;
    case Iso9660Magic: case UdfMagic:
        return DRIVE_CDROM;
    case TmpfsMagic: case RamfsMagic:
        return DRIVE_RAMDISK;
    default:
        return OnRemovableDevice(path) ? DRIVE_REMOVABLE : DRIVE_FIXED;
    }
}

const SystemFacts*& InstalledFacts()
{
    static const SystemFacts machine;
    static const SystemFacts* current = &machine;
    return current;
}

}  // namespace

bool SystemFacts::GlobalMemoryStatus(MemoryStatus& status) const
{
    const std::string meminfo = ReadWholeFile("/proc/meminfo");
    std::uint64_t swapFree = 0;
    if (!MemInfoBytes(meminfo, "MemTotal", status.TotalPhys) ||
        !MemInfoBytes(meminfo, "MemAvailable", status.AvailPhys))
        return false;
    MemInfoBytes(meminfo, "SwapFree", swapFree);
    status.AvailPageFile = status.AvailPhys + swapFree;

    std::uint64_t limit = std::uint64_t{1} << 47;
    struct rlimit as;
    if (getrlimit(RLIMIT_AS, &as) == 0 && as.rlim_cur != RLIM_INFINITY)
        limit = as.rlim_cur;
    std::uint64_t used = 0;
    MemInfoBytes(ReadWholeFile("/proc/self/status"), "VmSize", used);
    status.AvailVirtual = limit > used ? limit - used : 0;
    return true;
}

int SystemFacts::GetDriveType(const std::string& path) const
{
    std::filesystem::path at = path.empty() ? std::filesystem::path(".") : std::filesystem::path(path);
    for (;;) {
        struct statfs fs;
        if (statfs(at.c_str(), &fs) == 0)
            return DriveTypeOfFilesystem(static_cast<unsigned long>(fs.f_type), at.string());
        if (errno != ENOENT && errno != ENOTDIR)
            return DRIVE_UNKNOWN;
        if (!at.has_relative_path() || at == ".")
            return DRIVE_NO_ROOT_DIR;
        // The nearest existing folder decides; a relative path starts from the current one.
        at = at.has_parent_path() ? at.parent_path() : std::filesystem::path(".");
    }
}

int SystemFacts::GetDriveTypeOfCurrentDirectory() const
{
    return GetDriveType(CurrentDirectory());
}

int SystemFacts::OsMajorVersion() const
{
    struct utsname name;
    if (uname(&name) != 0)
        return 0;
    return std::atoi(name.release);
}

std::string SystemFacts::CurrentDirectory() const
{
    std::error_code error;
    return std::filesystem::current_path(error).string();
}

std::time_t SystemFacts::Now() const
{
    return std::time(nullptr);
}

int SystemFacts::RandomBelow(int bound) const
{
    if (bound <= 1)
        return 0;
    static std::mt19937 generator{std::random_device{}()};
    return std::uniform_int_distribution<int>(0, bound - 1)(generator);
}

const SystemFacts& Facts()
{
    return *InstalledFacts();
}

ScopedSystemFacts::ScopedSystemFacts(const SystemFacts& facts) : previous_(InstalledFacts())
{
    InstalledFacts() = &facts;
}

ScopedSystemFacts::~ScopedSystemFacts()
{
    InstalledFacts() = previous_;
}
