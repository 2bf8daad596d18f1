// Engine benchmark: on each file, several runs of
//   floor   reading the file into a freshly allocated buffer,
//   load    TCommaFile::LoadFromFile,
//   save    TCommaFile::SaveToFile of the same text to a .csv name (write and re-parse),
//   python  Python's csv module holding the whole table (list(csv.reader(f))),
// each run in a fresh child process so that peak RSS figures do not mix. Prints median wall
// time, median peak RSS and the ratios load/floor, save/floor and python/load.

#include "engine/TCommaFile.h"

#include "bench/support/ChildRun.h"
#include "bench/support/LoadTiming.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double Floor(const std::string& path)
{
    const auto start = Clock::now();
    const int fd = open(path.c_str(), O_RDONLY);
    struct stat st;
    if (fd < 0 || fstat(fd, &st) != 0)
        std::exit(3);
    char* block = static_cast<char*>(std::malloc(st.st_size + 1));
    off_t total = 0;
    while (total < st.st_size) {
        const ssize_t n = read(fd, block + total, st.st_size - total);
        if (n <= 0)
            std::exit(3);
        total += n;
    }
    close(fd);
    const double seconds = SecondsSince(start);
    std::free(block);
    return seconds;
}

std::string SaveTarget(const std::string& path)
{
    return path + ".saved.csv";
}

double Save(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    TCommaFile file;
    file.Text = all.str();
    file.FileName = SaveTarget(path);
    const auto start = Clock::now();
    if (file.SaveToFile(false) != 0)
        std::exit(3);
    return SecondsSince(start);
}

const char* const PythonScript =
    "import csv, sys, time\n"
    "start = time.perf_counter()\n"
    "with open(sys.argv[1], newline='', encoding='latin-1') as f:\n"
    "    rows = list(csv.reader(f))\n"
    "print(time.perf_counter() - start)\n";

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && std::string(argv[1]) == "--child") {
        const std::string which = argv[2];
        const std::string path = argv[3];
        const double seconds = which == "floor" ? Floor(path) : which == "load" ? TimeLoadFromFile(path) : Save(path);
        std::printf("%.6f\n", seconds);
        return 0;
    }
    int runs = 0;
    std::vector<std::string> files;
    if (!ReadBenchArguments(argc, argv, runs, files)) {
        std::fprintf(stderr, "Usage: bench_engine [--runs N] FILE...\n");
        return 2;
    }
    const std::string self = argv[0];
    std::printf("%-28s %8s %-7s %10s %10s\n", "file", "MB", "case", "median s", "peak MB");
    for (const std::string& path : files) {
        struct stat st;
        if (stat(path.c_str(), &st) != 0)
            return 2;
        const double mb = st.st_size / 1e6;
        const std::string name = path.substr(path.find_last_of('/') + 1);
        Sample results[4];
        const char* cases[4] = {"floor", "load", "save", "python"};
        for (int c = 0; c < 4; ++c) {
            const std::vector<std::string> command =
                std::string(cases[c]) == "python" ? std::vector<std::string>{"python3", "-c", PythonScript, path}
                                                  : std::vector<std::string>{self, "--child", cases[c], path};
            results[c] = MedianOf(command, runs);
            std::printf("%-28s %8.1f %-7s %10.3f %10.1f\n", name.c_str(), mb, cases[c], results[c].Seconds,
                        results[c].PeakMB);
            std::fflush(stdout);
        }
        std::remove(SaveTarget(path).c_str());
        std::printf("%-28s ratios: load/floor %.2f  save/floor %.2f  python/load %.1f  load peak/file %.2f\n\n",
                    name.c_str(), results[1].Seconds / results[0].Seconds, results[2].Seconds / results[0].Seconds,
                    results[3].Seconds / results[1].Seconds, results[1].PeakMB / (st.st_size / 1048576.0));
    }
    return 0;
}
