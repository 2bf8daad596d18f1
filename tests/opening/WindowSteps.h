#pragma once
// Working the real main window as a user would: files written into a fresh folder, and the
// dialogs the window shows answered in order, each through its own controls and buttons.

#include "support/FormHarness.h"

#include "engine/TCommaFile.h"
#include "platform/ExportCounterStore.h"
#include "platform/TStringGrid.h"

#include <QAbstractItemView>
#include <QByteArray>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <string>

#include <ostream>

// Readable failure output for texts.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

using DialogAnswer = std::function<int(QDialog& dialog)>;

// Presses a button of the dialog, found by object name or caption.
inline DialogAnswer Press(const QString& button)
{
    return [button](QDialog& dialog) { return PressButton(dialog, button); };
}

// Types the name into a file dialog and presses its Open or Save button.
inline DialogAnswer ChooseFile(const QString& name, std::function<void(QFileDialog&)> look = {})
{
    return [name, look](QDialog& dialog) {
        auto* files = qobject_cast<QFileDialog*>(&dialog);
        auto* edit = dialog.findChild<QLineEdit*>("fileNameEdit");
        auto* buttons = dialog.findChild<QDialogButtonBox*>("buttonBox");
        if (!files || !edit || !buttons) {
            ADD_FAILURE() << "expected a file dialog, got " << dialog.metaObject()->className();
            return int(QDialog::Rejected);
        }
        if (look)
            look(*files);
        // Typing into the focused name field replaces the file selected before; without the
        // focus (offscreen) the dialog would keep both, so the earlier choice goes first.
        if (auto* list = dialog.findChild<QAbstractItemView*>("listView"))
            list->clearSelection();
        edit->setText(name);
        QPushButton* accept = buttons->button(QDialogButtonBox::Open);
        if (!accept)
            accept = buttons->button(QDialogButtonBox::Save);
        accept->click();
        return dialog.result();
    };
}

inline DialogAnswer CancelFileDialog()
{
    return [](QDialog& dialog) {
        dialog.findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Cancel)->click();
        return dialog.result();
    };
}

// Answers the dialogs shown while it lives, in order; a dialog beyond the list fails the test,
// and so does an answer left over.
class DialogSteps {
public:
    DialogSteps(std::initializer_list<DialogAnswer> answers)
        : answers_(answers)
        , handler_([this](QDialog& dialog) { return Answer(dialog); })
    {
    }
    ~DialogSteps() { EXPECT_TRUE(answers_.empty()) << answers_.size() << " answer(s) left over"; }

private:
    int Answer(QDialog& dialog)
    {
        if (answers_.empty()) {
            ADD_FAILURE() << "unexpected dialog " << dialog.metaObject()->className() << " \""
                          << dialog.windowTitle().toStdString() << "\"";
            return int(QDialog::Rejected);
        }
        const DialogAnswer answer = answers_.front();
        answers_.pop_front();
        return answer(dialog);
    }

    std::deque<DialogAnswer> answers_;
    ScopedModalHandler handler_;
};

// A shown main window whose current directory is a fresh folder, with its own export counter.
class WindowTest : public ::testing::Test {
protected:
    WindowTest()
        : counter_(folder_.filePath("counter.ini"))
        , form_(false, FactsIn(folder_))
    {
        form_->show();
    }

    static FakeFacts FactsIn(const QTemporaryDir& folder)
    {
        FakeFacts facts;
        facts.currentDirectory = folder.path().toStdString();
        return facts;
    }

    QString Write(const QString& name, const QByteArray& bytes)
    {
        const QString path = folder_.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return path;
    }

    QByteArray Read(const QString& path)
    {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }

    // Opens the file through the Open menu item; `labels` answers the labels question when
    // the file has two rows or more ("" when no question is expected).
    void Open(const QString& path, const QString& labels = "Yes")
    {
        if (labels.isEmpty()) {
            DialogSteps steps{ChooseFile(path)};
            form_->Open1Click();
        } else {
            DialogSteps steps{ChooseFile(path), Press(labels)};
            form_->Open1Click();
        }
    }

    void OpenText(const QByteArray& bytes, const QString& labels = "Yes")
    {
        Open(Write("table.csv", bytes), labels);
    }

    // The grid's texts, row by row, fixed row and column included.
    std::vector<QStringList> GridTable()
    {
        std::vector<QStringList> table;
        for (int r = 0; r < form_->StringGrid1->RowCount(); ++r) {
            table.emplace_back();
            for (int c = 0; c < form_->StringGrid1->ColCount(); ++c)
                table.back() << form_->StringGrid1->Cells(c, r);
        }
        return table;
    }

    // The engine's cell texts, row by row.
    std::vector<std::vector<std::string>> EngineTable()
    {
        std::vector<std::vector<std::string>> table;
        for (int r = 0; r < form_->CommaFile->Rows->Count; ++r) {
            TCommaFileColumns& cells = *form_->CommaFile->Rows->Get(r)->Columns;
            table.emplace_back();
            for (int c = 0; c < cells.Count; ++c)
                table.back().push_back(cells.Get(c)->Text);
        }
        return table;
    }

    QTemporaryDir folder_;
    ScopedExportCounterStore counter_;
    FormHarness form_;
};
