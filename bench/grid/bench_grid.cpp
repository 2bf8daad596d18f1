// Grid and source-view figures on a generated table of 1 million rows by 10 columns:
// attaching it and numbering the rows, reading every cell back, scrolling top to bottom,
// painting one screen, and setting the source view's text. Plain timers; medians of runs.

#include "engine/TableSnapshot.h"
#include "platform/TSourceView.h"
#include "platform/TStringGrid.h"

#include <QApplication>
#include <QImage>
#include <QScrollBar>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

class GeneratedSnapshot : public TableSnapshot {
public:
    GeneratedSnapshot(int rows, int cols)
        : cols_(cols)
    {
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < cols; ++c) {
                offsets_.push_back(text_.size());
                text_ += "cell " + std::to_string(r) + " " + std::to_string(c);
            }
        }
        offsets_.push_back(text_.size());
    }
    int RowCount() const override { return int(offsets_.size() - 1) / cols_; }
    int CellCount(int) const override { return cols_; }
    std::string_view CellText(int row, int col) const override
    {
        const std::size_t i = std::size_t(row) * std::size_t(cols_) + std::size_t(col);
        return std::string_view(text_).substr(offsets_[i], offsets_[i + 1] - offsets_[i]);
    }
    std::string text_;

private:
    int cols_;
    std::vector<std::size_t> offsets_;
};

long PeakRssKb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return 0;
}

template <typename F> double Seconds(F&& f)
{
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int rows = 1000000;
    const int cols = 10;
    const int runs = 3;
    auto snapshot = std::make_shared<GeneratedSnapshot>(rows, cols);
    std::printf("table text %.1f MB, peak RSS before grid %ld MB\n", snapshot->text_.size() / 1e6, PeakRssKb() / 1024);

    std::vector<double> fill, read, scroll, paint;
    long rssAfterFill = 0;
    for (int run = 0; run < runs; ++run) {
        TStringGrid grid;
        grid.resize(800, 350);
        grid.show();
        fill.push_back(Seconds([&] {
            grid.SetColCount(cols + 1);
            grid.SetRowCount(rows + 1);
            grid.AttachSnapshot(snapshot, 1, 1, Utf8);
            grid.SetCells(0, 0, "RECORD #");
            for (int r = 1; r <= rows; ++r)
                grid.SetCells(0, r, QString::number(r));
            app.processEvents();
        }));
        rssAfterFill = std::max(rssAfterFill, PeakRssKb());
        read.push_back(Seconds([&] {
            qsizetype total = 0;
            for (int r = 0; r <= rows; ++r)
                for (int c = 0; c <= cols; ++c)
                    total += grid.Cells(c, r).size();
            if (total == 0)
                std::puts("empty");
        }));
        QImage image(grid.size(), QImage::Format_RGB32);
        scroll.push_back(Seconds([&] {
            QScrollBar* bar = grid.verticalScrollBar();
            for (int step = 0; step <= 100; ++step) {
                bar->setValue(bar->maximum() / 100 * step);
                grid.render(&image);
            }
        }) / 101);
        paint.push_back(Seconds([&] {
            grid.SetCurrentCell(5, rows / 2);
            grid.render(&image);
        }));
    }
    std::printf("grid fill (attach + 1M record numbers): median %.3f s\n", Median(fill));
    std::printf("grid read all 11M cells:                median %.3f s\n", Median(read));
    std::printf("grid scroll + paint one screen:         median %.2f ms per screen\n", Median(scroll) * 1e3);
    std::printf("grid jump to middle + paint:            median %.2f ms\n", Median(paint) * 1e3);
    std::printf("peak RSS after grid fill %ld MB\n", rssAfterFill / 1024);

    // The source view on a 100 MB text of CR LF lines.
    auto text = std::make_shared<std::string>();
    text->reserve(100'000'000);
    for (int r = 0; text->size() < 100'000'000; ++r)
        *text += "\"cell " + std::to_string(r) + "\",\"b\",\"c\",\"d\",\"e\",\"f\",\"g\",\"h\",\"i\",\"jjjjjjjjjj\"\r\n";
    std::shared_ptr<const std::string> shared = text;
    const long rssBeforeView = PeakRssKb();
    std::vector<double> set, viewPaint;
    for (int run = 0; run < runs; ++run) {
        TSourceView view;
        view.resize(400, 200);
        view.show();
        set.push_back(Seconds([&] { view.SetText("SOURCE: \r\n\r\n", shared, Utf8); }));
        QImage image(view.size(), QImage::Format_RGB32);
        viewPaint.push_back(Seconds([&] {
            view.SetSelStart(view.PositionOfByte(qsizetype(text->size() * 3 / 4)));
            view.SetSelLength(40);
            view.render(&image);
        }));
    }
    std::printf("source view SetText 100 MB:             median %.3f s\n", Median(set));
    std::printf("source view first mark deep + paint:    median %.2f ms (builds the position index)\n",
                Median(viewPaint) * 1e3);
    std::printf("source view added peak RSS %ld MB\n", (PeakRssKb() - rssBeforeView) / 1024);
    return 0;
}
