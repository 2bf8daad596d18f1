// No export ever changes an existing file or claims a file it did not write: failed writes,
// files that appear between the name check and the write, and a comma export whose file does
// not read back as the grid.
#include "ExportWindow.h"

#include "export/ExportWriting.h"

#include <optional>

#include <sys/fsuid.h>
#include <unistd.h>

namespace {

// Permission checks as an ordinary user while it lives, also when the tests run as root
// (whose checks a read-only folder would not stop). Changes this thread only.
class ScopedOrdinaryUser {
public:
    ScopedOrdinaryUser()
        : root_(geteuid() == 0)
    {
        if (root_)
            setfsuid(65534);
    }
    ~ScopedOrdinaryUser()
    {
        if (root_)
            setfsuid(0);
    }
    ScopedOrdinaryUser(const ScopedOrdinaryUser&) = delete;
    ScopedOrdinaryUser& operator=(const ScopedOrdinaryUser&) = delete;

private:
    bool root_;
};

enum class Target { ReadOnlyFolder, MissingFolder, RamDisk, Remote };

struct FailedWriteCase {
    const char* name;
    Target target;
    const char* fileName;  // in the folder of the target
};

std::ostream& operator<<(std::ostream& out, const FailedWriteCase& c) { return out << c.name; }

class FailedWriteTest : public ExportWindowTest, public ::testing::WithParamInterface<FailedWriteCase> {
protected:
    QString Folder()
    {
        switch (GetParam().target) {
        case Target::ReadOnlyFolder: return InDir("locked");
        case Target::MissingFolder: return InDir("missing");
        default: return dir_.path();
        }
    }
};

// The write fails without a message of its own, the dialog comes back, nothing stays at the
// name, and a cancel then leaves the window idle with its caption unchanged.
TEST_P(FailedWriteTest, DialogComesBackAndNothingIsLeft)
{
    OpenText(kSmallTable);
    const QString caption = Form().windowTitle();
    if (GetParam().target == Target::ReadOnlyFolder) {
        ASSERT_TRUE(QDir(dir_.path()).mkdir("locked"));
        QFile::setPermissions(dir_.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                               | QFileDevice::ReadOther | QFileDevice::ExeOther);
        QFile::setPermissions(InDir("locked"), QFileDevice::ReadOwner | QFileDevice::ExeOwner
                                                   | QFileDevice::ReadOther | QFileDevice::ExeOther);
    }
    facts_.targetDriveType = GetParam().target == Target::RamDisk  ? DRIVE_RAMDISK
                             : GetParam().target == Target::Remote ? DRIVE_REMOTE
                                                                   : DRIVE_FIXED;
    const QString path = Folder() + "/" + GetParam().fileName;
    Answers answers({Choose(path), Ok(), CancelDialog()});
    {
        std::optional<ScopedOrdinaryUser> user;
        if (GetParam().target == Target::ReadOnlyFolder)
            user.emplace();
        EXPECT_FALSE(Form().SaveToNewFile());
    }
    EXPECT_EQ(answers.Proposed().size(), 2u);
    EXPECT_EQ(Messages(), MessageList{kNoteMessage});
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(Files().isEmpty());
    EXPECT_EQ(Form().windowTitle(), caption);
    if (QString(GetParam().fileName).endsWith(".csv")) {
        EXPECT_EQ(Form().CommaFile->FileName, QFile::encodeName(path).toStdString());
    }
    ExpectIdle();
}

INSTANTIATE_TEST_SUITE_P(Targets, FailedWriteTest,
                         ::testing::Values(FailedWriteCase{"ReadOnlyFolderComma", Target::ReadOnlyFolder, "a.csv"},
                                           FailedWriteCase{"ReadOnlyFolderHtml", Target::ReadOnlyFolder, "a.html"},
                                           FailedWriteCase{"MissingFolderComma", Target::MissingFolder, "a.csv"},
                                           FailedWriteCase{"MissingFolderXml", Target::MissingFolder, "a.xml"},
                                           FailedWriteCase{"RamDiskComma", Target::RamDisk, "a.csv"},
                                           FailedWriteCase{"RamDiskHtml", Target::RamDisk, "a.html"},
                                           FailedWriteCase{"RemoteComma", Target::Remote, "a.csv"},
                                           FailedWriteCase{"RemoteXml", Target::Remote, "a.xml"}),
                         [](const auto& info) { return std::string(info.param.name); });

struct RaceCase {
    const char* name;
    const char* chosen;
    const char* raced;      // the file another program creates just before it is written
    bool refusedAsExisting;  // the chosen name itself was taken
};

std::ostream& operator<<(std::ostream& out, const RaceCase& c) { return out << c.name; }

class RaceTest : public ExportWindowTest, public ::testing::WithParamInterface<RaceCase> {};

// The file that appeared after the name check keeps its bytes. A taken export name is
// refused like any existing name; a taken backup name fails the attempt without a message.
TEST_P(RaceTest, FileCreatedAfterTheCheckIsNeverEmptied)
{
    OpenText(kSmallTable);
    const QString raced = InDir(GetParam().raced);
    const ScopedExportWriteHook hook([&](TCommaFile& file) {
        if (file.FileName == QFile::encodeName(raced).toStdString() && !QFile::exists(raced))
            WriteBytes(raced, "\"theirs\"\r\n");
    });
    std::vector<DialogAnswer> script{Choose(InDir(GetParam().chosen)), Ok()};
    if (GetParam().refusedAsExisting)
        script.push_back(Ok());
    script.push_back(CancelDialog());
    Answers answers(script);
    EXPECT_FALSE(Form().SaveToNewFile());
    EXPECT_EQ(answers.Proposed().size(), 2u);
    const MessageList expected = GetParam().refusedAsExisting ? MessageList{kNoteMessage, kExistingNameMessage}
                                                              : MessageList{kNoteMessage};
    EXPECT_EQ(Messages(), expected);
    EXPECT_EQ(ReadBytes(raced), "\"theirs\"\r\n");
    ExpectIdle();
}

INSTANTIATE_TEST_SUITE_P(Names, RaceTest,
                         ::testing::Values(RaceCase{"CommaExport", "c.csv", "c.csv", true},
                                           RaceCase{"HtmlExport", "h.html", "h.html", true},
                                           RaceCase{"XmlExport", "x.xml", "x.xml", true},
                                           RaceCase{"Backup", "h.html", "h.BCSV", false}),
                         [](const auto& info) { return std::string(info.param.name); });

// A taken export name leaves no backup behind either.
TEST_F(ExportWindowTest, RacedHtmlNameWritesNoBackup)
{
    OpenText(kSmallTable);
    const QString raced = InDir("h.html");
    const ScopedExportWriteHook hook([&](TCommaFile& file) {
        if (file.FileName == QFile::encodeName(raced).toStdString())
            WriteBytes(raced, "theirs");
    });
    Answers answers({Choose(raced), Ok(), Ok(), CancelDialog()});
    EXPECT_FALSE(Form().SaveToNewFile());
    EXPECT_EQ(Files(), QStringList{"h.html"});
}

class VerifiedExportTest : public ExportWindowTest, public ::testing::WithParamInterface<const char*> {};

// A comma file that does not read back as the grid (here: its text altered just before the
// write) is removed and reported as an internal fault, and the dialog comes back; the save
// never claims success.
TEST_P(VerifiedExportTest, FileThatDiffersFromTheGridIsNotSaved)
{
    OpenText(kSmallTable);
    const QString chosen = InDir(GetParam());
    const ScopedExportWriteHook hook([](TCommaFile& file) {
        if (file.FileName.ends_with(".csv") || file.FileName.ends_with(".BCSV")) {
            std::string text = file.Text.str();
            text.replace(text.find("\"Bob\""), 5, "\"Bobby\"");
            file.Text = text;
        }
    });
    Answers answers({Choose(chosen), Ok(), Ok(), CancelDialog(), Ok()});
    Form().ToolButton2Click();
    ASSERT_EQ(answers.Shown().size(), 5u);
    const ShownDialog& beta = answers.Shown()[2];
    EXPECT_EQ(beta.className, "TOKHelpRightDlg1");
    EXPECT_EQ(beta.label1, "SaveCSVFile");
    EXPECT_EQ(beta.label2, "The file read back differs from the grid\n\nRow 2, column 1");
    EXPECT_EQ(Messages(), (MessageList{kNoteMessage, kNotSavedMessage}));
    EXPECT_FALSE(QFile::exists(InDir("v.csv")));
    EXPECT_FALSE(QFile::exists(InDir("v.BCSV")));
    EXPECT_NE(Form().windowTitle(), " File: " + InDir("v.BCSV"));
    ExpectIdle();
}

INSTANTIATE_TEST_SUITE_P(Exports, VerifiedExportTest, ::testing::Values("v.csv", "v.html"));

} // namespace
