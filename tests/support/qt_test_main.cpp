// Entry point of the GUI test programs: one QApplication for the whole run. A dialog that
// a test did not expect fails that test instead of blocking the run in exec().
#include "platform/ModalSeam.h"

#include <QApplication>
#include <QDialog>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qgetenv("QT_QPA_PLATFORM").isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ScopedModalHandler unexpected([](QDialog& dialog) {
        ADD_FAILURE() << "unexpected modal dialog: " << dialog.metaObject()->className() << " \""
                      << dialog.windowTitle().toStdString() << "\"";
        return int(QDialog::Rejected);
    });
    return RUN_ALL_TESTS();
}
