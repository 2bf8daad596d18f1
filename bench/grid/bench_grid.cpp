// Grid and source-view benchmark on real comma files, the table coming from the engine. On
// each file, several runs of each case, every run in a fresh child process so that peak RSS
// figures do not mix (the parent reads them from wait4):
//   load     TCommaFile::LoadFromFile alone: the baseline for time and memory
//   fill     load, then the grid takes the table as the window does: counts, AttachSnapshot,
//            the header cell and the record numbers, pending events handled (and the growth
//            of the resident size it causes)
//   read     load + fill, then every cell read back through Cells()
//   scroll   load + fill, then top to bottom in 100 steps, one screen painted per step
//            (mean and slowest screen)
//   jump     load + fill, then a cell deep in the table made current and the screen painted
//   settext  load, then the source view's SetText of the file's text
//   mark     load + settext, then the first mark deep in the text with its paint, and a
//            second mark elsewhere with its paint
// Every child starts Qt (offscreen) before loading, so the baseline holds Qt's own memory.
// Prints median times and median peak RSS, then the figures the goals are stated in.

#include "bench/support/ChildRun.h"
#include "engine/TCommaFile.h"
#include "platform/TSourceView.h"
#include "platform/TStringGrid.h"
#include "platform/TextEncoding.h"

#include <QApplication>
#include <QImage>
#include <QScrollBar>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include <sys/stat.h>

namespace {

const char* const Cases[] = {"load", "fill", "read", "scroll", "jump", "settext", "mark"};

// What each case prints second, and in which unit (figures in ms are measured in seconds).
const char* SecondFigure(const std::string& which)
{
    if (which == "fill")
        return "MB grown";
    if (which == "scroll")
        return "ms slowest";
    return which == "mark" ? "ms later" : "";
}

double ResidentMB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    }
    return 0;
}

template <typename F> double Seconds(F&& f)
{
    const auto start = Clock::now();
    f();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The loaded file and what the window derives from it before showing it.
struct Loaded {
    TCommaFile file;
    std::shared_ptr<const std::string> text;
    TextEncoding encoding = Utf8;
    double seconds = 0;

    explicit Loaded(const std::string& path)
    {
        seconds = Seconds([&] {
            if (!file.LoadFromFile(path, true))
                std::exit(3);
        });
        text = file.SharedText();
        encoding = DetectEncoding(*text);
    }
};

// The table as the window shows a file whose first row holds the labels.
double Fill(TStringGrid& grid, const Loaded& loaded)
{
    return Seconds([&] {
        const std::shared_ptr<const TableSnapshot> table = loaded.file.Snapshot();
        const int rows = table->RowCount();
        grid.SetRowCount(rows);
        grid.SetColCount(table->CellCount(rows - 1) + 1);
        grid.AttachSnapshot(table, 0, 1, loaded.encoding);
        grid.SetCells(0, 0, "RECORD #");
        grid.SetRecordNumbers(1, rows - 1);
        QApplication::processEvents();
    });
}

std::vector<double> ReadAll(TStringGrid& grid)
{
    qsizetype total = 0;
    const double seconds = Seconds([&] {
        for (int row = 0; row < grid.RowCount(); ++row) {
            for (int col = 0; col < grid.ColCount(); ++col)
                total += grid.Cells(col, row).size();
        }
    });
    if (total == 0)
        std::exit(3);
    return {seconds};
}

std::vector<double> Scroll(TStringGrid& grid, QImage& image)
{
    QScrollBar* bar = grid.verticalScrollBar();
    constexpr int Steps = 100;
    double sum = 0;
    double slowest = 0;
    for (int step = 0; step <= Steps; ++step) {
        const double seconds = Seconds([&] {
            bar->setValue(int(qint64(bar->maximum()) * step / Steps));
            grid.render(&image);
        });
        sum += seconds;
        slowest = std::max(slowest, seconds);
    }
    return {sum / (Steps + 1), slowest};
}

std::vector<double> Jump(TStringGrid& grid, QImage& image)
{
    return {Seconds([&] {
        grid.SetCurrentCell(5, grid.RowCount() * 3 / 4);
        grid.render(&image);
    })};
}

double Mark(TSourceView& view, const Loaded& loaded, double where, QImage& image)
{
    return Seconds([&] {
        view.SetSelStart(view.PositionOfByte(qsizetype(double(loaded.text->size()) * where)));
        view.SetSelLength(40);
        view.SetSelectionColor(QColor(255, 0, 0));
        view.render(&image);
    });
}

std::vector<double> RunCase(const std::string& which, const std::string& path)
{
    Loaded loaded(path);
    if (which == "load")
        return {loaded.seconds};
    if (which == "settext" || which == "mark") {
        TSourceView view;
        view.resize(400, 200);
        view.show();
        const double set = Seconds([&] { view.SetText("SOURCE: \r\n\r\n", loaded.text, loaded.encoding); });
        if (which == "settext")
            return {set};
        QImage image(view.size(), QImage::Format_RGB32);
        const double first = Mark(view, loaded, 0.75, image);
        return {first, Mark(view, loaded, 0.33, image)};
    }
    TStringGrid grid;
    grid.resize(800, 350);
    grid.show();
    QApplication::processEvents();
    const double before = ResidentMB();
    const double fill = Fill(grid, loaded);
    QImage image(grid.size(), QImage::Format_RGB32);
    if (which == "fill")
        return {fill, ResidentMB() - before};
    if (which == "read")
        return ReadAll(grid);
    if (which == "scroll")
        return Scroll(grid, image);
    return Jump(grid, image);
}

// A case prints several figures; each is the median of its runs.
struct Figures {
    std::vector<double> values;
    double peakMB = 0;
};

Figures RunFigures(const std::string& self, const std::string& which, const std::string& path)
{
    const ChildOutput output = RunChildOutput({self, "--child", which, path});
    Figures figures;
    const char* p = output.Printed.c_str();
    char* end = nullptr;
    for (double v = std::strtod(p, &end); end != p; v = std::strtod(p, &end)) {
        figures.values.push_back(v);
        p = end;
    }
    figures.peakMB = output.PeakMB;
    return figures;
}

Figures MedianFigures(const std::string& self, const std::string& which, const std::string& path, int runs)
{
    std::vector<std::vector<double>> values;
    std::vector<double> peaks;
    for (int i = 0; i < runs; ++i) {
        const Figures f = RunFigures(self, which, path);
        values.resize(std::max(values.size(), f.values.size()));
        for (std::size_t v = 0; v < f.values.size(); ++v)
            values[v].push_back(f.values[v]);
        peaks.push_back(f.peakMB);
    }
    Figures result;
    for (const std::vector<double>& v : values)
        result.values.push_back(Median(v));
    result.peakMB = Median(peaks);
    return result;
}

double Value(const Figures& sample, std::size_t i)
{
    return i < sample.values.size() ? sample.values[i] : 0;
}

int RunChildCase(const std::string& which, const std::string& path, int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    for (const double v : RunCase(which, path))
        std::printf("%.6f ", v);
    std::printf("\n");
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && std::string(argv[1]) == "--child")
        return RunChildCase(argv[2], argv[3], argc, argv);
    int runs = 0;
    std::vector<std::string> files;
    if (!ReadBenchArguments(argc, argv, runs, files)) {
        std::fprintf(stderr, "Usage: bench_grid [--runs N] FILE...\n");
        return 2;
    }
    const std::string self = argv[0];
    std::printf("%-20s %8s %-8s %12s %20s %10s\n", "file", "MB", "case", "median", "second figure", "peak MB");
    for (const std::string& path : files) {
        struct stat st;
        if (stat(path.c_str(), &st) != 0)
            return 2;
        const double mb = double(st.st_size) / 1048576.0;
        const std::string name = path.substr(path.find_last_of('/') + 1);
        std::vector<Figures> results;
        for (const char* which : Cases) {
            results.push_back(MedianFigures(self, which, path, runs));
            const Figures& r = results.back();
            const char* second = SecondFigure(which);
            const double scale = std::string(second).rfind("ms", 0) == 0 ? 1e3 : 1.0;
            std::printf("%-20s %8.1f %-8s %9.2f ms %9.2f %-10s %10.1f\n", name.c_str(), mb, which, Value(r, 0) * 1e3,
                        Value(r, 1) * scale, second, r.peakMB);
            std::fflush(stdout);
        }
        const Figures& load = results[0];
        const Figures& fill = results[1];
        const Figures& settext = results[5];
        std::printf("%-20s fill/load %.2f  grid adds %.2f x file  settext adds %.2f x file  "
                    "screen mean %.2f ms, slowest %.2f ms, jump %.2f ms, later mark %.2f ms\n\n",
                    name.c_str(), Value(fill, 0) / Value(load, 0), (fill.peakMB - load.peakMB) / mb,
                    (settext.peakMB - load.peakMB) / mb, Value(results[3], 0) * 1e3, Value(results[3], 1) * 1e3,
                    Value(results[4], 0) * 1e3, Value(results[6], 1) * 1e3);
    }
    return 0;
}
