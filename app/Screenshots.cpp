#include "app/Screenshots.h"

#include "mainwindow/unitADIF_Form1.h"
#include "platform/ModalSeam.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QKeyEvent>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

QString ScreenshotFolder()
{
    return QString::fromLocal8Bit(qgetenv("COLVANE_SCREENSHOTS"));
}

ScreenshotRun::ScreenshotRun(TForm1& form, const QString& folder)
    : form_(form)
    , folder_(folder)
{
    QTimer::singleShot(0, [this] { TakeAll(); });
}

void ScreenshotRun::TakeAll()
{
    if (!form_.isVisible() || !QDir().mkpath(folder_)) {
        failures_ << "the window did not start, or the folder cannot be made";
    } else {
        Save(form_, "screenshot.png");
        ScopedModalHandler grab([this](QDialog& dialog) { return GrabAndClose(dialog); });
        nextDialogFile_ = "beta-dialog.png";
        QKeyEvent f9(QEvent::KeyRelease, Qt::Key_F9, Qt::NoModifier);
        QApplication::sendEvent(&form_, &f9);
        nextDialogFile_ = "about-dialog.png";
        form_.About1->trigger();
    }
    for (const QString& failure : failures_)
        std::fprintf(stderr, "colvane: screenshots: %s\n", qPrintable(failure));
    form_.close();
    QApplication::quit();
}

void ScreenshotRun::Save(QWidget& widget, const QString& fileName)
{
    const QString path = QDir(folder_).filePath(fileName);
    if (widget.grab().save(path, "PNG")) {
        saved_ << path;
        std::printf("colvane: saved %s\n", qPrintable(path));
    } else {
        failures_ << "cannot save " + path;
    }
}

// Shown for real, so that the picture is the one the user sees, then closed with OK.
int ScreenshotRun::GrabAndClose(QDialog& dialog)
{
    dialog.show();
    QApplication::processEvents();
    if (nextDialogFile_.isEmpty())
        failures_ << "an unexpected dialog: " + dialog.windowTitle();
    else
        Save(dialog, nextDialogFile_);
    nextDialogFile_.clear();
    if (auto* ok = dialog.findChild<QPushButton*>("OKBtn"))
        ok->click();
    else
        dialog.reject();
    return dialog.result();
}
