// Engine benchmark: on each file, several runs of
//   floor   reading the file into a freshly allocated buffer,
//   load    TCommaFile::LoadFromFile,
//   save    TCommaFile::SaveToFile of the same text to a .csv name (write and re-parse),
//   python  Python's csv module holding the whole table (list(csv.reader(f))),
// each run in a fresh child process so that peak RSS figures do not mix. Prints median wall
// time, median peak RSS and the ratios load/floor, save/floor and python/load.

#include "engine/TCommaFile.h"

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

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

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

double Load(const std::string& path)
{
    const auto start = Clock::now();
    TCommaFile file;
    if (!file.LoadFromFile(path, true))
        std::exit(3);
    return SecondsSince(start);
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

struct Sample {
    double Seconds = 0;
    double PeakMB = 0;
};

// Runs one case in a child process; the child prints its seconds, wait4 gives its peak RSS.
Sample RunChild(const std::string& self, const std::string& which, const std::string& path)
{
    int out[2];
    if (pipe(out) != 0)
        std::exit(4);
    const pid_t child = fork();
    if (child == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        if (which == "python")
            execlp("python3", "python3", "-c", PythonScript, path.c_str(), static_cast<char*>(nullptr));
        else
            execl(self.c_str(), self.c_str(), "--child", which.c_str(), path.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    std::string text;
    char chunk[256];
    ssize_t n;
    while ((n = read(out[0], chunk, sizeof chunk)) > 0)
        text.append(chunk, n);
    close(out[0]);
    int status = 0;
    struct rusage usage;
    wait4(child, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "case %s failed on %s\n", which.c_str(), path.c_str());
        std::exit(1);
    }
    return {std::atof(text.c_str()), usage.ru_maxrss / 1024.0};
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

Sample MedianOf(const std::string& self, const std::string& which, const std::string& path, int runs)
{
    std::vector<double> seconds, peaks;
    for (int i = 0; i < runs; ++i) {
        const Sample s = RunChild(self, which, path);
        seconds.push_back(s.Seconds);
        peaks.push_back(s.PeakMB);
    }
    return {Median(seconds), Median(peaks)};
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && std::string(argv[1]) == "--child") {
        const std::string which = argv[2];
        const std::string path = argv[3];
        const double seconds = which == "floor" ? Floor(path) : which == "load" ? Load(path) : Save(path);
        std::printf("%.6f\n", seconds);
        return 0;
    }
    int runs = 5;
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--runs" && i + 1 < argc)
            runs = std::max(1, std::atoi(argv[++i]));
        else
            files.push_back(argv[i]);
    }
    if (files.empty()) {
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
            results[c] = MedianOf(self, cases[c], path, runs);
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
