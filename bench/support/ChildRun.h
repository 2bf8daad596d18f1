#pragma once
// Runs one measured case in a fresh child process, so that peak RSS figures do not mix: the
// child prints its seconds on standard output, wait4 gives its peak RSS. Medians of several
// runs.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using Clock = std::chrono::steady_clock;

inline double SecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

struct Sample {
    double Seconds = 0;
    double PeakMB = 0;
};

struct ChildOutput {
    std::string Printed;
    double PeakMB = 0;
};

// command[0] is looked up on PATH when it holds no slash.
inline ChildOutput RunChildOutput(const std::vector<std::string>& command)
{
    int out[2];
    if (pipe(out) != 0)
        std::exit(4);
    const pid_t child = fork();
    if (child == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        std::vector<char*> args;
        for (const std::string& arg : command)
            args.push_back(const_cast<char*>(arg.c_str()));
        args.push_back(nullptr);
        execvp(args[0], args.data());
        _exit(127);
    }
    close(out[1]);
    std::string text;
    char chunk[256];
    ssize_t n;
    while ((n = read(out[0], chunk, sizeof chunk)) > 0)
        text.append(chunk, std::size_t(n));
    close(out[0]);
    int status = 0;
    struct rusage usage;
    wait4(child, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::string joined;
        for (const std::string& arg : command)
            joined += " " + arg;
        std::fprintf(stderr, "case failed:%s\n", joined.c_str());
        std::exit(1);
    }
    return {text, double(usage.ru_maxrss) / 1024.0};
}

inline Sample RunChild(const std::vector<std::string>& command)
{
    const ChildOutput output = RunChildOutput(command);
    return {std::atof(output.Printed.c_str()), output.PeakMB};
}

inline double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

inline Sample MedianOf(const std::vector<std::string>& command, int runs)
{
    std::vector<double> seconds, peaks;
    for (int i = 0; i < runs; ++i) {
        const Sample s = RunChild(command);
        seconds.push_back(s.Seconds);
        peaks.push_back(s.PeakMB);
    }
    return {Median(seconds), Median(peaks)};
}

// "--runs N" and the file names that follow the program name.
inline bool ReadBenchArguments(int argc, char** argv, int& runs, std::vector<std::string>& files)
{
    runs = 5;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--runs" && i + 1 < argc)
            runs = std::max(1, std::atoi(argv[++i]));
        else
            files.push_back(argv[i]);
    }
    return !files.empty();
}
