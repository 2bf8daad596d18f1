#pragma once
// Answers for the dialogs a real main window shows, one answer per dialog, in order. An
// answer is the object name or caption of the button to press, or a step that works the
// dialog's controls first. A dialog shown while a step runs (the question a dialog asks on
// closing) takes the next answer. A dialog beyond the script fails the test.

#include "support/FormHarness.h"

#include "editing/UnitChangeColumnNames.h"
#include "platform/TInputBox.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <deque>
#include <functional>
#include <type_traits>

using DialogStep = std::function<int(QDialog& dialog)>;

// Either a button to press or a step.
struct DialogAnswer {
    DialogAnswer(const char* button)
        : DialogAnswer(QString::fromUtf8(button))
    {
    }
    DialogAnswer(const QString& button)
        : step([button](QDialog& dialog) { return PressButton(dialog, button); })
    {
    }
    template <typename Work>
        requires std::is_invocable_r_v<int, Work, QDialog&>
    DialogAnswer(Work work)
        : step(std::move(work))
    {
    }
    DialogStep step;
};

// The input box: types the text and presses OK.
inline DialogStep TypeInto(const QString& text)
{
    return [text](QDialog& dialog) {
        auto* box = qobject_cast<TInputBox*>(&dialog);
        if (!box) {
            ADD_FAILURE() << "expected the input box, got " << dialog.metaObject()->className();
            return int(QDialog::Rejected);
        }
        box->Edit->setText(text);
        box->OKButton->click();
        return box->result();
    };
}

// An open or save dialog: types the path into the name field and presses Open or Save.
inline DialogStep ChooseFile(const QString& path)
{
    return [path](QDialog& dialog) {
        auto* edit = dialog.findChild<QLineEdit*>("fileNameEdit");
        auto* buttons = dialog.findChild<QDialogButtonBox*>("buttonBox");
        if (!qobject_cast<QFileDialog*>(&dialog) || !edit || !buttons) {
            ADD_FAILURE() << "expected a file dialog, got " << dialog.metaObject()->className();
            return int(QDialog::Rejected);
        }
        edit->setText(path);
        for (QAbstractButton* button : buttons->buttons())
            if (buttons->buttonRole(button) == QDialogButtonBox::AcceptRole)
                button->click();
        return dialog.result();
    };
}

// Change Column Names, shown as exec() shows it: the steps work the open dialog (and end it).
inline DialogStep WorkColumnNames(std::function<void(TOKRightDlg2&)> steps)
{
    return [steps](QDialog& dialog) {
        auto* names = qobject_cast<TOKRightDlg2*>(&dialog);
        if (!names) {
            ADD_FAILURE() << "expected Change Column Names, got " << dialog.metaObject()->className();
            return int(QDialog::Rejected);
        }
        names->show();
        names->activateWindow();
        steps(*names);
        return names->result();
    };
}

// Selects the item and types the name into the edit, without applying it.
inline void TypeName(TOKRightDlg2& dialog, int item, const QString& name)
{
    dialog.ListView1->setCurrentItem(dialog.ListView1->topLevelItem(item));
    dialog.Edit1->setText(name);
}

// Selects the item, types the name and applies it with the dialog's button.
inline void ApplyName(TOKRightDlg2& dialog, int item, const QString& name)
{
    TypeName(dialog, item, name);
    dialog.Button1->click();
}

class WindowScript {
public:
    WindowScript(std::initializer_list<DialogAnswer> answers = {})
        : WindowScript(std::vector<DialogAnswer>(answers))
    {
    }
    explicit WindowScript(const std::vector<DialogAnswer>& answers)
        : answers_(answers.begin(), answers.end())
        , handler_([this](QDialog& dialog) { return Answer(dialog); })
    {
    }
    ~WindowScript()
    {
        EXPECT_TRUE(answers_.empty()) << answers_.size() << " scripted dialog(s) were not shown";
    }
    WindowScript(const WindowScript&) = delete;
    WindowScript& operator=(const WindowScript&) = delete;

    // The class names of the dialogs shown, in order.
    const std::vector<QString>& Shown() const { return shown_; }

private:
    int Answer(QDialog& dialog)
    {
        shown_.push_back(QString::fromLatin1(dialog.metaObject()->className()));
        const DialogStep step = TakeNextStep(dialog);
        return step ? step(dialog) : int(QDialog::Rejected);
    }

    // Taken off before it runs, so that a dialog shown while it runs gets the one after it.
    DialogStep TakeNextStep(const QDialog& dialog)
    {
        if (answers_.empty()) {
            ADD_FAILURE() << "unscripted dialog " << dialog.metaObject()->className() << " \""
                          << dialog.windowTitle().toStdString() << "\"";
            return {};
        }
        DialogStep step = std::move(answers_.front().step);
        answers_.pop_front();
        return step;
    }

    std::deque<DialogAnswer> answers_;
    std::vector<QString> shown_;
    ScopedModalHandler handler_;
};
