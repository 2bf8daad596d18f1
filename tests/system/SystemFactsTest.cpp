// The machine's own facts, and replacing them in tests.

#include "platform/system/SystemFacts.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <unistd.h>

namespace {

TEST(SystemFactsTest, MemoryFiguresComeFromTheMachine)
{
    MemoryStatus status;
    ASSERT_TRUE(Facts().GlobalMemoryStatus(status));
    EXPECT_GT(status.TotalPhys, 0u);
    EXPECT_LE(status.AvailPhys, status.TotalPhys);
    EXPECT_GE(status.AvailPageFile, status.AvailPhys);
    EXPECT_GT(status.AvailVirtual, 0u);
}

TEST(SystemFactsTest, DriveOfAMissingPathIsThatOfItsNearestExistingFolder)
{
    const std::string folder = std::filesystem::temp_directory_path().string();
    const int type = Facts().GetDriveType(folder);
    EXPECT_NE(type, DRIVE_UNKNOWN);
    EXPECT_NE(type, DRIVE_NO_ROOT_DIR);
    EXPECT_EQ(Facts().GetDriveType(folder + "/no-such-file.csv"), type);
    EXPECT_EQ(Facts().GetDriveType(folder + "/no/such/folder/x.csv"), type);
    EXPECT_EQ(Facts().GetDriveType("relative-missing.csv"), Facts().GetDriveTypeOfCurrentDirectory());
}

TEST(SystemFactsTest, MemoryFilesystemIsARamDisk)
{
    if (!std::filesystem::exists("/dev/shm"))
        GTEST_SKIP() << "no /dev/shm";
    EXPECT_EQ(Facts().GetDriveType("/dev/shm/x.csv"), DRIVE_RAMDISK);
}

TEST(SystemFactsTest, VersionDirectoryClockAndRandom)
{
    EXPECT_GE(Facts().OsMajorVersion(), 3);
    char cwd[4096];
    ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
    EXPECT_EQ(Facts().CurrentDirectory(), cwd);
    EXPECT_GT(Facts().Now(), 1'600'000'000);
    for (int i = 0; i < 100; ++i) {
        const int draw = Facts().RandomBelow(7);
        EXPECT_GE(draw, 0);
        EXPECT_LT(draw, 7);
    }
}

class FixedVersion : public SystemFacts {
public:
    explicit FixedVersion(int v) : v_(v) {}
    int OsMajorVersion() const override { return v_; }

private:
    int v_;
};

TEST(SystemFactsTest, InstalledFactsNestAndAreRemoved)
{
    const SystemFacts* machine = &Facts();
    FixedVersion four(4), nine(9);
    {
        ScopedSystemFacts outer(four);
        EXPECT_EQ(Facts().OsMajorVersion(), 4);
        {
            ScopedSystemFacts inner(nine);
            EXPECT_EQ(Facts().OsMajorVersion(), 9);
        }
        EXPECT_EQ(Facts().OsMajorVersion(), 4);
    }
    EXPECT_EQ(&Facts(), machine);
}

}  // namespace
