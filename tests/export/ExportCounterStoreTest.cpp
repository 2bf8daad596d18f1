// The export counter store and the names built from it.
#include "export/ExportNames.h"
#include "platform/ExportCounterStore.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

class ExportCounterStoreTest : public ::testing::Test {
protected:
    QString StorePath() const { return dir_.filePath("VRANTOL21/CV_KEY_CODE1.ini"); }

    void Store(const QByteArray& content)
    {
        QDir().mkpath(dir_.filePath("VRANTOL21"));
        QFile file(StorePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    QByteArray Stored() const
    {
        QFile file(StorePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir_;
};

TEST_F(ExportCounterStoreTest, DefaultFileIsTheQSettingsIniFileOfTheOrganisation)
{
    EXPECT_TRUE(ExportCounterStore::DefaultFilePath().endsWith("/VRANTOL21/CV_KEY_CODE1.ini"));
}

// First use stores 0 and answers 0; later uses count up from there, and what is stored is an
// ordinary QSettings value.
TEST_F(ExportCounterStoreTest, FirstUseStoresZeroThenCountsUp)
{
    const ExportCounterStore store(StorePath());
    EXPECT_EQ(store.Advance(), 0);
    EXPECT_EQ(QSettings(StorePath(), QSettings::IniFormat).value("VALUE2").toInt(), 0);
    EXPECT_EQ(store.Advance(), 1);
    EXPECT_EQ(ExportCounterStore(StorePath()).Advance(), 2);
    EXPECT_EQ(QSettings(StorePath(), QSettings::IniFormat).value("VALUE2").toInt(), 2);
}

struct StoredCase {
    QByteArray stored;
    int answer;
    QByteArray after; // empty: unchanged
};

class ExportCounterValueTest : public ExportCounterStoreTest,
                               public ::testing::WithParamInterface<StoredCase> {};

TEST_P(ExportCounterValueTest, AdvancesOrFailsLeavingTheFile)
{
    Store(GetParam().stored);
    EXPECT_EQ(ExportCounterStore(StorePath()).Advance(), GetParam().answer);
    EXPECT_EQ(Stored(), GetParam().after.isEmpty() ? GetParam().stored : GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    StoredValues, ExportCounterValueTest,
    ::testing::Values(StoredCase{"[General]\nVALUE2=41\n", 42, "[General]\nVALUE2=42\n"},
                      StoredCase{"VALUE2=41\n", 42, "[General]\nVALUE2=42\n"},
                      StoredCase{"[General]\nVALUE2=-1\n", 0, "[General]\nVALUE2=0\n"},
                      StoredCase{"[General]\nVALUE2=2147483647\n", -2147483647 - 1,
                                 "[General]\nVALUE2=-2147483648\n"},
                      StoredCase{"[General]\nVALUE2=forty\n", 0, ""},
                      StoredCase{"[Other]\nVALUE2=5\n", 0, "[General]\nVALUE2=0\n"}));

TEST_F(ExportCounterStoreTest, StoreThatCannotBeWrittenAnswersZero)
{
    QFile blocker(dir_.filePath("VRANTOL21"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
    blocker.close();
    EXPECT_EQ(ExportCounterStore(StorePath()).Advance(), 0);
    EXPECT_EQ(ExportCounterStore(QString()).Advance(), 0);
}

TEST_F(ExportCounterStoreTest, ScopedStoreIsTheOneNextExportNumberUses)
{
    Store("[General]\nVALUE2=41\n");
    {
        const ScopedExportCounterStore scoped(StorePath());
        EXPECT_EQ(NextExportNumber(), 42);
        EXPECT_EQ(CurrentExportCounterStore().FilePath(), StorePath());
    }
    EXPECT_NE(CurrentExportCounterStore().FilePath(), StorePath());
}

constexpr int kAdvancesEach = 150;

// Two store objects on one file, advancing at the same time, never hand out a number twice.
TEST_F(ExportCounterStoreTest, ConcurrentStoresLoseNoUpdate)
{
    Store("[General]\nVALUE2=0\n");
    std::vector<int> first, second;
    auto run = [this](std::vector<int>& out) {
        const ExportCounterStore store(StorePath());
        for (int i = 0; i < kAdvancesEach; ++i)
            out.push_back(store.Advance());
    };
    std::thread a(run, std::ref(first));
    std::thread b(run, std::ref(second));
    a.join();
    b.join();
    std::set<int> all(first.begin(), first.end());
    all.insert(second.begin(), second.end());
    EXPECT_EQ(all.size(), std::size_t(2 * kAdvancesEach));
    EXPECT_EQ(*all.begin(), 1);
    EXPECT_EQ(*all.rbegin(), 2 * kAdvancesEach);
}

// The same across processes, as two instances of the program exporting at once.
TEST_F(ExportCounterStoreTest, ConcurrentProcessesLoseNoUpdate)
{
    Store("[General]\nVALUE2=0\n");
    std::vector<pid_t> children;
    for (int p = 0; p < 2; ++p) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            const ExportCounterStore store(StorePath());
            int failures = 0;
            for (int i = 0; i < kAdvancesEach; ++i)
                failures += store.Advance() == 0;
            ::_exit(failures);
        }
        children.push_back(pid);
    }
    for (const pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    EXPECT_EQ(Stored(), "[General]\nVALUE2=" + QByteArray::number(2 * kAdvancesEach) + "\n");
}

TEST(ExportNames, DefaultNames)
{
    EXPECT_EQ(DefaultExportName(12, 5), "COMMA_12");
    EXPECT_EQ(DefaultExportName(-3, 5), "COMMA_-3");
    EXPECT_EQ(DefaultExportName(0, 123), "NOREG_1230000");
    EXPECT_EQ(DefaultExportName(0, 0), "NOREG_0");
    EXPECT_EQ(DefaultExportName(0, 32767), "NOREG_327670000");
}

struct BackupCase {
    QString name;
    QString backup;
};

class BackupNameTest : public ::testing::TestWithParam<BackupCase> {};

TEST_P(BackupNameTest, CutsAtTheFirstDotOfTheFileName)
{
    EXPECT_EQ(BackupNameFor(GetParam().name), GetParam().backup);
}

INSTANTIATE_TEST_SUITE_P(
    Names, BackupNameTest,
    ::testing::Values(BackupCase{"/out/COMMA_7.html", "/out/COMMA_7.BCSV"},
                      BackupCase{"/srv/data.v2/COMMA_7.html", "/srv/data.v2/COMMA_7.BCSV"},
                      BackupCase{"/home/u/.local/share/x.html", "/home/u/.local/share/x.BCSV"},
                      BackupCase{"/my.data/a.b.xml", "/my.data/a.BCSV"},
                      BackupCase{"/my.data/noext", "/my.data/noext.BCSV"},
                      BackupCase{"plain", "plain.BCSV"}, BackupCase{"/d/.xml", "/d/.BCSV"}));

} // namespace
