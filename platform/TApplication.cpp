#include "platform/TApplication.h"

#include "platform/ModalSeam.h"

#include <QMessageBox>
#include <exception>

TApplication::TApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
}

QString TApplication::Title() const
{
    return applicationDisplayName();
}

void TApplication::SetTitle(const QString& title)
{
    setApplicationDisplayName(title);
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& failure) {
        ShowExceptionReport(QString::fromLocal8Bit(failure.what()));
    } catch (...) {
        ShowExceptionReport("Unknown failure.");
    }
    return false;
}

void ShowExceptionReport(const QString& text)
{
    const QString title = QApplication::applicationDisplayName();
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok);
    box.setObjectName("ExceptionReport");
    box.setTextFormat(Qt::PlainText);
    RecordShownMessage(title, text);
    ExecModal(box);
}
