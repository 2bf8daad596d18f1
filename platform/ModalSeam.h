#pragma once
// The one place where modal dialogs are shown. The program runs them with exec(); tests
// install a handler that receives the real dialog, works its controls and buttons (so the
// dialog's own handlers run) and returns the result, without a nested event loop.

#include <QString>
#include <functional>
#include <vector>

class QDialog;

using ModalHandler = std::function<int(QDialog& dialog)>;

// Shows the dialog modally and returns its result code.
int ExecModal(QDialog& dialog);

// Replaces the way modal dialogs are shown for the lifetime of the object; nests, and the
// destructor brings back the handler that was in force before.
class ScopedModalHandler {
public:
    explicit ScopedModalHandler(ModalHandler handler);
    ~ScopedModalHandler();
    ScopedModalHandler(const ScopedModalHandler&) = delete;
    ScopedModalHandler& operator=(const ScopedModalHandler&) = delete;

private:
    ModalHandler previous_;
};

// Every message box and question that was shown, in order, so tests can check the exact
// title and text. Message boxes call RecordShownMessage before they are shown.
struct ShownMessage {
    QString title;
    QString text;
};
void RecordShownMessage(const QString& title, const QString& text);
const std::vector<ShownMessage>& ShownMessages();
void ClearShownMessages();
