#pragma once
// Facts about the machine that the program asks for: memory figures, drive types, the
// operating system's version, the current directory, the clock and random draws. Tests
// replace them through ScopedSystemFacts and never depend on the machine they run on.
// Standard library and POSIX only.

#include <cstdint>
#include <ctime>
#include <memory>
#include <string>

struct MemoryStatus {
    std::uint64_t TotalPhys = 0;      // MemTotal
    std::uint64_t AvailPhys = 0;      // MemAvailable
    std::uint64_t AvailPageFile = 0;  // MemAvailable + SwapFree
    std::uint64_t AvailVirtual = 0;   // RLIMIT_AS (or 2^47) minus VmSize
};

// Drive types, numbered as the original platform numbered them.
enum DriveType : int {
    DRIVE_UNKNOWN = 0,
    DRIVE_NO_ROOT_DIR = 1,
    DRIVE_REMOVABLE = 2,
    DRIVE_FIXED = 3,
    DRIVE_REMOTE = 4,
    DRIVE_CDROM = 5,
    DRIVE_RAMDISK = 6,
};

class SystemFacts {
public:
    virtual ~SystemFacts() = default;

    // False when the figures cannot be read.
    virtual bool GlobalMemoryStatus(MemoryStatus& status) const;
    // The drive type of the filesystem that holds the path, or its nearest existing folder.
    virtual int GetDriveType(const std::string& path) const;
    // The drive type of the process's current directory.
    virtual int GetDriveTypeOfCurrentDirectory() const;
    // The kernel's major version number.
    virtual int OsMajorVersion() const;
    virtual std::string CurrentDirectory() const;
    // Seconds since the epoch, as time() gives them.
    virtual std::time_t Now() const;
    // A pseudo-random number in [0, bound), bound > 0.
    virtual int RandomBelow(int bound) const;
};

// The facts in force: the machine's own unless a test installed others.
const SystemFacts& Facts();

// Installs other facts for the lifetime of the object; nests.
class ScopedSystemFacts {
public:
    explicit ScopedSystemFacts(const SystemFacts& facts);
    ~ScopedSystemFacts();
    ScopedSystemFacts(const ScopedSystemFacts&) = delete;
    ScopedSystemFacts& operator=(const ScopedSystemFacts&) = delete;

private:
    const SystemFacts* previous_;
};
