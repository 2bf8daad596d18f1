// Search benchmark: each file is opened into a real main window offscreen (as opening a file
// does: load into the grid, then the source view), and the Find dialog's Find Next is timed:
//   load         opening the file alone (the baseline of the peak memory),
//   none         Find Next for a text found nowhere, ignoring case: two full passes,
//   none-case    the same, case sensitive,
//   last-row     Find Next for a text only in the last cell of the last row: one full pass.
// Each run of a case is a fresh child process; the child prints its seconds and wait4 gives
// its peak RSS. Prints the median time and the median peak RSS of the runs.

#include "bench/support/ChildRun.h"
#include "dialogs/UnitSearch.h"
#include "mainwindow/unitADIF_Form1.h"
#include "platform/ModalSeam.h"
#include "platform/TStringGrid.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <sys/stat.h>

namespace {

const char* const kCases[] = {"load", "none", "none-case", "last-row"};
const QString kNowhere = "xyzzy-nowhere";
const QString kPlanted = "planted-needle";

// Answers the one question of opening (the first row holds the labels) with Yes; any other
// dialog means the open went wrong.
int AnswerLabelsQuestion(QDialog& dialog)
{
    auto* question = qobject_cast<QMessageBox*>(&dialog);
    if (!question) {
        std::fprintf(stderr, "unexpected dialog %s\n", dialog.metaObject()->className());
        std::exit(5);
    }
    question->button(QMessageBox::Yes)->click();
    return question->result();
}

// One case in this process: prints the seconds it measured.
int RunCase(int argc, char** argv, const std::string& which, const QString& path)
{
    QApplication app(argc, argv);
    ScopedModalHandler answers(AnswerLabelsQuestion);
    TForm1 form;
    const auto loadStart = Clock::now();
    form.FileOpen = form.LoadFileIntoGrid(path);
    if (!form.FileOpen)
        return 3;
    form.ShowSource();
    form.StringGrid1->SetCurrentCell(1, 1);
    const double loadSeconds = SecondsSince(loadStart);
    if (which == "load") {
        std::printf("%.6f\n", loadSeconds);
        return 0;
    }

    TStringGrid& grid = *form.StringGrid1;
    const int lastRow = grid.RowCount() - 1;
    const bool planted = which == "last-row";
    if (planted)
        grid.SetCells(grid.ColCount() - 1, lastRow, "x " + kPlanted + " x");
    form.Search1Click();
    TOKHelpRightDlg* find = form.FindDialog;
    if (!find)
        return 4;
    find->Edit1->setText(planted ? kPlanted : kNowhere);
    find->CheckBox1->setChecked(which == "none-case");

    const auto start = Clock::now();
    find->Button1->click();
    const double seconds = SecondsSince(start);

    const bool expected = planted ? form.SearchRow == lastRow && form.SearchCol == grid.ColCount() - 1
                                  : form.SearchRow == 1 && form.SearchCol == 0 && grid.Row() == 1 && grid.Col() == 1;
    if (!expected) {
        std::fprintf(stderr, "case %s stopped at row %d, column %d\n", which.c_str(), form.SearchRow, form.SearchCol);
        return 6;
    }
    std::printf("%.6f\n", seconds);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (qgetenv("QT_QPA_PLATFORM").isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 4 && std::string(argv[1]) == "--child")
        return RunCase(argc, argv, argv[2], QString::fromLocal8Bit(argv[3]));

    int runs = 0;
    std::vector<std::string> files;
    if (!ReadBenchArguments(argc, argv, runs, files)) {
        std::fprintf(stderr, "Usage: bench_search [--runs N] FILE...\n");
        return 2;
    }
    std::printf("%-28s %8s %-10s %10s %10s\n", "file", "MB", "case", "median s", "peak MB");
    for (const std::string& path : files) {
        struct stat info {};
        if (stat(path.c_str(), &info) != 0)
            return 2;
        const std::string name = path.substr(path.find_last_of('/') + 1);
        for (const char* which : kCases) {
            const Sample result = MedianOf({argv[0], "--child", which, path}, runs);
            std::printf("%-28s %8.1f %-10s %10.3f %10.1f\n", name.c_str(), double(info.st_size) / 1e6, which,
                        result.Seconds, result.PeakMB);
            std::fflush(stdout);
        }
        std::printf("\n");
    }
    return 0;
}
