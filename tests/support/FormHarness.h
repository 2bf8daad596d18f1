#pragma once
// A real main window built offscreen for tests, with system facts that pass its start-up
// checks (each can be changed), and a script of answers for the dialogs it shows.

#include "mainwindow/unitADIF_Form1.h"
#include "platform/ModalSeam.h"
#include "platform/system/SystemFacts.h"

#include <QAbstractButton>
#include <QDialog>
#include <QString>
#include <deque>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

// Facts of a machine that the program accepts: a fixed drive, a current kernel, plenty of
// memory. Everything not set here comes from the real machine.
class FakeFacts : public SystemFacts {
public:
    int driveType = DRIVE_FIXED;
    int osMajorVersion = 6;
    bool memoryReadable = true;
    MemoryStatus memory{8'000'000'000, 4'000'000'000, 4'000'000'000, 100'000'000'000};
    std::string currentDirectory;  // empty: the real one
    bool failOsVersion = false;    // the version call raises a failure

    bool GlobalMemoryStatus(MemoryStatus& status) const override
    {
        if (memoryReadable)
            status = memory;
        return memoryReadable;
    }
    int GetDriveTypeOfCurrentDirectory() const override { return driveType; }
    int OsMajorVersion() const override
    {
        if (failOsVersion)
            throw std::runtime_error("version not readable");
        return osMajorVersion;
    }
    std::string CurrentDirectory() const override
    {
        return currentDirectory.empty() ? SystemFacts::CurrentDirectory() : currentDirectory;
    }
};

// Presses the button of a dialog that has the given object name or, failing that, the
// given caption (mnemonic ampersands ignored), and returns the dialog's result.
inline int PressButton(QDialog& dialog, const QString& nameOrCaption)
{
    const auto plain = [](QString text) { return text.remove('&'); };
    for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
        if (button->objectName() == nameOrCaption || plain(button->text()) == plain(nameOrCaption)) {
            button->click();
            return dialog.result();
        }
    }
    ADD_FAILURE() << "no button \"" << nameOrCaption.toStdString() << "\" in dialog "
                  << dialog.metaObject()->className();
    return QDialog::Rejected;
}

// Answers the modal dialogs shown while it lives, in order, each by pressing the named
// button; a dialog beyond the script fails the test. Records each dialog's class name.
class DialogScript {
public:
    DialogScript(std::initializer_list<QString> buttons = {})
        : answers_(buttons)
        , handler_([this](QDialog& dialog) { return Answer(dialog); })
    {
    }
    ~DialogScript()
    {
        EXPECT_TRUE(answers_.empty()) << answers_.size() << " scripted dialog(s) were not shown";
    }

    const std::vector<QString>& Shown() const { return shown_; }

private:
    int Answer(QDialog& dialog)
    {
        shown_.push_back(QString::fromLatin1(dialog.metaObject()->className()));
        if (answers_.empty()) {
            ADD_FAILURE() << "unscripted dialog " << shown_.back().toStdString() << " \""
                          << dialog.windowTitle().toStdString() << "\"";
            return QDialog::Rejected;
        }
        const QString button = answers_.front();
        answers_.pop_front();
        return PressButton(dialog, button);
    }

    std::deque<QString> answers_;
    std::vector<QString> shown_;
    ScopedModalHandler handler_;
};

// The main window with the facts installed for its whole life. Shown (which runs the
// start-up checks) unless asked not to.
class FormHarness {
public:
    explicit FormHarness(bool show = true, const FakeFacts& facts = FakeFacts())
        : facts_(facts)
        , scoped_(facts_)
    {
        ClearShownMessages();
        form_ = std::make_unique<TForm1>();
        if (show)
            form_->show();
    }

    TForm1& Form() { return *form_; }
    TForm1* operator->() { return form_.get(); }
    FakeFacts& Facts() { return facts_; }

private:
    FakeFacts facts_;
    ScopedSystemFacts scoped_;
    std::unique_ptr<TForm1> form_;
};
