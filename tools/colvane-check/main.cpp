// colvane-check FILE...: validates comma files exactly as Colvane loads them.

#include "tools/colvane-check/CheckReport.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

const char* const Usage =
    "Usage: colvane-check FILE...\n"
    "Loads each comma file as Colvane does and prints one line per file:\n"
    "  FILE: valid: R rows, C columns\n"
    "  FILE:LINE: MESSAGE          (the first fault and the line that holds it)\n"
    "  FILE: cannot be opened: REASON\n"
    "Exit status: 0 when every file is valid, 1 when any is not, 2 for a usage error.\n";

}  // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> files;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (!optionsEnded && arg == "--help") {
            std::fputs(Usage, stdout);
            return 0;
        }
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            std::fprintf(stderr, "colvane-check: unknown option %s\n%s", arg.c_str(), Usage);
            return 2;
        }
        files.push_back(arg);
    }
    if (files.empty()) {
        std::fputs(Usage, stderr);
        return 2;
    }
    int status = 0;
    for (const std::string& file : files) {
        const CheckResult result = CheckFile(file);
        std::printf("%s\n", result.Line.c_str());
        if (!result.Valid)
            status = 1;
    }
    return status;
}
