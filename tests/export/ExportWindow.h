#pragma once
// A real main window for export tests: a fresh folder that is the current directory, an
// export counter of its own, machine facts the test sets (the drive type of export targets,
// the random draw of "NOREG_" names), and a script that answers the open and save dialogs,
// the messages and the questions with their real buttons.

#include "support/FormHarness.h"

#include "engine/TCommaFile.h"
#include "platform/ExportCounterStore.h"
#include "platform/ModalSeam.h"
#include "platform/TPanel.h"
#include "platform/TShape.h"
#include "platform/TStringGrid.h"

#include <QAbstractItemView>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <deque>
#include <functional>
#include <string>
#include <vector>

class ExportFacts : public FakeFacts {
public:
    int targetDriveType = DRIVE_FIXED;
    int randomDraw = 123;
    mutable int randomBound = 0;

    int GetDriveType(const std::string&) const override { return targetDriveType; }
    int RandomBelow(int bound) const override
    {
        randomBound = bound;
        return randomDraw;
    }
};

inline std::string ReadBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<missing>";
    return file.readAll().toStdString();
}

inline void WriteBytes(const QString& path, const std::string& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) << path.toStdString();
    file.write(bytes.data(), qint64(bytes.size()));
}

// One answer to a modal dialog: works the dialog's controls and returns its result.
using DialogAnswer = std::function<int(QDialog&)>;

// Types the name (a full path) into a file dialog and presses its accepting button (Save or Open).
inline DialogAnswer Choose(const QString& path)
{
    return [path](QDialog& dialog) {
        auto* edit = dialog.findChild<QLineEdit*>("fileNameEdit");
        auto* buttons = dialog.findChild<QDialogButtonBox*>("buttonBox");
        if (!edit || !buttons) {
            ADD_FAILURE() << "not a file dialog: " << dialog.metaObject()->className();
            return int(QDialog::Rejected);
        }
        // As a user who types a name: what the dialog had selected before no longer counts.
        for (QAbstractItemView* view : dialog.findChildren<QAbstractItemView*>())
            view->clearSelection();
        edit->setText(path);
        QPushButton* accept = buttons->button(QDialogButtonBox::Save);
        if (!accept)
            accept = buttons->button(QDialogButtonBox::Open);
        accept->click();
        return dialog.result();
    };
}

inline DialogAnswer CancelDialog()
{
    return [](QDialog& dialog) {
        auto* buttons = dialog.findChild<QDialogButtonBox*>("buttonBox");
        if (!buttons) {
            ADD_FAILURE() << "not a file dialog: " << dialog.metaObject()->className();
            return int(QDialog::Rejected);
        }
        buttons->button(QDialogButtonBox::Cancel)->click();
        return dialog.result();
    };
}

inline DialogAnswer Press(const QString& button)
{
    return [button](QDialog& dialog) { return PressButton(dialog, button); };
}

// The message box and the Beta Test Information dialog are both closed with OKBtn.
inline DialogAnswer Ok() { return Press("OKBtn"); }

// What one shown dialog was.
struct ShownDialog {
    QString className;
    QString proposedName;  // a file dialog's file name as it was shown
    QString label1;        // the Beta Test Information dialog's problem type and details
    QString label2;
};

// Answers the dialogs shown while it lives, in order; a dialog beyond the script fails the
// test.
class Answers {
public:
    explicit Answers(std::vector<DialogAnswer> answers)
        : answers_(answers.begin(), answers.end())
        , handler_([this](QDialog& dialog) { return Answer(dialog); })
    {
    }
    ~Answers() { EXPECT_TRUE(answers_.empty()) << answers_.size() << " scripted answer(s) left"; }

    const std::vector<ShownDialog>& Shown() const { return shown_; }

    // The names the save dialog proposed, in order.
    std::vector<QString> Proposed() const
    {
        std::vector<QString> names;
        for (const ShownDialog& d : shown_)
            if (d.className == "TSaveDialog")
                names.push_back(d.proposedName);
        return names;
    }

private:
    int Answer(QDialog& dialog)
    {
        ShownDialog shown{QString::fromLatin1(dialog.metaObject()->className()), {}, {}, {}};
        if (auto* edit = dialog.findChild<QLineEdit*>("fileNameEdit"))
            shown.proposedName = edit->text();
        if (shown.className == "TOKHelpRightDlg1") {
            shown.label1 = dialog.findChild<QLabel*>("Label1")->text();
            shown.label2 = dialog.findChild<QLabel*>("Label2")->text();
        }
        shown_.push_back(shown);
        if (answers_.empty()) {
            ADD_FAILURE() << "unscripted dialog " << shown.className.toStdString() << " \""
                          << dialog.windowTitle().toStdString() << "\"";
            return QDialog::Rejected;
        }
        DialogAnswer answer = std::move(answers_.front());
        answers_.pop_front();
        return answer(dialog);
    }

    std::deque<DialogAnswer> answers_;
    std::vector<ShownDialog> shown_;
    ScopedModalHandler handler_;
};

inline std::vector<std::pair<QString, QString>> Messages()
{
    std::vector<std::pair<QString, QString>> messages;
    for (const ShownMessage& m : ShownMessages())
        messages.emplace_back(m.title, m.text);
    return messages;
}

using MessageList = std::vector<std::pair<QString, QString>>;

inline const std::pair<QString, QString> kNoteMessage{
    "Note:", "We will now create a new unique export file ...  \r\n Your original file will not be altered. "};
inline const std::pair<QString, QString> kNotSavedMessage{"Problem", "File could not be saved"};
inline const std::pair<QString, QString> kExistingNameMessage{
    "Problem", "Cannot use existing file name.  Select a new file name."};
inline const std::pair<QString, QString> kDisallowedMessage{
    "Problem in data!", "A disallowed escape character was found.  Cannot save file.  See help file for information."};

// The window with a table opened from a file of the export folder.
class ExportWindowTest : public ::testing::Test {
protected:
    ExportWindowTest()
        : counter_(counterDir_.filePath("CV_KEY_CODE1.ini"))
    {
        facts_.currentDirectory = QFile::encodeName(dir_.path()).toStdString();
        harness_ = std::make_unique<FormHarness>(true, facts_);
        scopedFacts_ = std::make_unique<ScopedSystemFacts>(facts_);
    }

    TForm1& Form() { return harness_->Form(); }
    QString InDir(const QString& name) const { return dir_.filePath(name); }

    void SetCounter(int value)
    {
        QFile file(counterDir_.filePath("CV_KEY_CODE1.ini"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("[General]\nVALUE2=" + QByteArray::number(value) + "\n");
    }
    std::string Counter() const { return ReadBytes(counterDir_.filePath("CV_KEY_CODE1.ini")); }

    // Opens the file through the open tool button, its first row taken as the labels.
    void Open(const QString& path)
    {
        {
            Answers answers({Choose(path), Press("Yes")});
            Form().ToolButton1Click();
        }
        ASSERT_TRUE(Form().FileOpen) << path.toStdString();
        ClearShownMessages();
    }

    // Writes the text into in.csv and opens it.
    void OpenText(const std::string& text)
    {
        WriteBytes(InDir("in.csv"), text);
        Open(InDir("in.csv"));
    }

    // The grid's data cells, the header row included.
    std::vector<std::vector<QString>> GridCellsOf(TForm1& form) const
    {
        std::vector<std::vector<QString>> rows;
        for (int r = 0; r < form.StringGrid1->RowCount(); ++r) {
            rows.emplace_back();
            for (int c = 1; c < form.StringGrid1->ColCount(); ++c)
                rows.back().push_back(form.StringGrid1->Cells(c, r));
        }
        return rows;
    }

    // The folder's file names, the opened in.csv left out.
    QStringList Files() const
    {
        QStringList names = QDir(dir_.path()).entryList(QDir::Files | QDir::System | QDir::Hidden);
        names.removeAll("in.csv");
        return names;
    }

    // The window is left as a save that ended leaves it: no busy cursor, no progress panel,
    // no saving flag.
    void ExpectIdle()
    {
        EXPECT_FALSE(Form().Saving);
        EXPECT_TRUE(Form().Panel1->isHidden());
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    }

    QTemporaryDir dir_;
    QTemporaryDir counterDir_;
    ExportFacts facts_;
    ScopedExportCounterStore counter_;
    std::unique_ptr<FormHarness> harness_;
    std::unique_ptr<ScopedSystemFacts> scopedFacts_;
};

// A small table: labels, a doubled quote, a comma, blanks, an empty cell, markup characters.
inline const std::string kSmallTable = "\"Name\",\"City\",\"Note\"\r\n"
                                       "\"Ann\",\"\",\"say \"\"hi\"\"\"\r\n"
                                       "\"Bob\",\" Oslo, N \",\"a<b & c>d\"\r\n";
