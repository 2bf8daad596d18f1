#include "platform/ModalSeam.h"

#include <QDialog>

namespace {

ModalHandler& CurrentHandler()
{
    static ModalHandler handler;
    return handler;
}

std::vector<ShownMessage>& MessageRecord()
{
    static std::vector<ShownMessage> record;
    return record;
}

} // namespace

int ExecModal(QDialog& dialog)
{
    if (const ModalHandler& handler = CurrentHandler())
        return handler(dialog);
    return dialog.exec();
}

ScopedModalHandler::ScopedModalHandler(ModalHandler handler)
    : previous_(std::move(CurrentHandler()))
{
    CurrentHandler() = std::move(handler);
}

ScopedModalHandler::~ScopedModalHandler()
{
    CurrentHandler() = std::move(previous_);
}

void RecordShownMessage(const QString& title, const QString& text)
{
    MessageRecord().push_back({title, text});
}

const std::vector<ShownMessage>& ShownMessages()
{
    return MessageRecord();
}

void ClearShownMessages()
{
    MessageRecord().clear();
}
