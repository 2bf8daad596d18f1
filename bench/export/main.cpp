// Export benchmark: on each file, several runs of
//   load    TCommaFile::LoadFromFile (the yardstick of the goals),
//   fill    the window's grid filled from the file, as opening it does (the memory base),
//   csv     the comma export of that grid (build, write, read back, compare with the grid),
//   html    the HTML export of that grid,
//   xml     the XML export of that grid,
// each run in a fresh child process so that peak RSS figures do not mix. The export cases
// time the writer alone; their peak RSS minus that of fill is what the export adds.

#include "engine/TCommaFile.h"
#include "mainwindow/unitADIF_Form1.h"
#include "platform/ModalSeam.h"

#include "bench/support/ChildRun.h"
#include "bench/support/LoadTiming.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFile>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include <sys/stat.h>

namespace {

std::string TargetFor(const std::string& path, const std::string& which)
{
    return path + ".export." + which;
}

// Opens the file into a window's grid, its first row taken as the labels.
void FillWindow(TForm1& form, const std::string& path)
{
    const ScopedModalHandler yes([](QDialog& dialog) {
        for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
            if (button->text().remove('&') == "Yes") {
                button->click();
                return dialog.result();
            }
        }
        return int(QDialog::Rejected);
    });
    if (!form.LoadFileIntoGrid(QString::fromStdString(path)))
        std::exit(3);
    form.FileOpen = true;
}

// Fills the window, then times one export of its grid.
double Export(int argc, char** argv, const std::string& which, const std::string& path)
{
    if (qgetenv("QT_QPA_PLATFORM").isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TForm1 form;
    FillWindow(form, path);
    if (which == "fill")
        return 0;
    const std::string target = TargetFor(path, which);
    std::remove(target.c_str());
    const QString name = QFile::decodeName(QByteArray::fromStdString(target));
    const auto start = Clock::now();
    const bool written = which == "csv"    ? form.WriteCommaExport(name)
                         : which == "html" ? form.WriteHtmlExport(name)
                                           : form.WriteXmlExport(name);
    const double seconds = SecondsSince(start);
    std::remove(target.c_str());
    if (!written)
        std::exit(3);
    return seconds;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && std::string(argv[1]) == "--child") {
        const std::string which = argv[2];
        const std::string path = argv[3];
        int qtArgc = 1;
        const double seconds = which == "load" ? TimeLoadFromFile(path) : Export(qtArgc, argv, which, path);
        std::printf("%.6f\n", seconds);
        return 0;
    }
    int runs = 0;
    std::vector<std::string> files;
    if (!ReadBenchArguments(argc, argv, runs, files)) {
        std::fprintf(stderr, "Usage: bench_export [--runs N] FILE...\n");
        return 2;
    }
    const std::string self = argv[0];
    std::printf("%-28s %8s %-5s %10s %10s\n", "file", "MB", "case", "median s", "peak MB");
    const char* cases[] = {"load", "fill", "csv", "html", "xml"};
    for (const std::string& path : files) {
        struct stat st;
        if (stat(path.c_str(), &st) != 0)
            return 2;
        const double fileMB = double(st.st_size) / 1048576.0;
        const std::string name = path.substr(path.find_last_of('/') + 1);
        Sample results[5];
        for (int c = 0; c < 5; ++c) {
            results[c] = MedianOf({self, "--child", cases[c], path}, runs);
            std::printf("%-28s %8.1f %-5s %10.3f %10.1f\n", name.c_str(), double(st.st_size) / 1e6, cases[c],
                        results[c].Seconds, results[c].PeakMB);
            std::fflush(stdout);
        }
        const Sample& load = results[0];
        const Sample& fill = results[1];
        const Sample& csv = results[2];
        std::printf("%-28s goals: csv/load %.2f (<= 2)  csv adds %.2f x file (<= 2)  html/csv %.2f  xml/csv %.2f "
                    "(<= 1.5)\n\n",
                    name.c_str(), csv.Seconds / load.Seconds, (csv.PeakMB - fill.PeakMB) / fileMB,
                    results[3].Seconds / csv.Seconds, results[4].Seconds / csv.Seconds);
    }
    return 0;
}
