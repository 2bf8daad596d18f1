#pragma once
// One file's verdict as colvane-check prints it.

#include <string>
#include <string_view>

// The 1-based line that holds the offset; CR LF, LF and CR each end a line.
int LineOfOffset(std::string_view text, std::size_t offset);
// The message on one line: every run of CR and LF characters becomes one blank.
std::string FlattenMessage(std::string_view message);

struct CheckResult {
    bool Valid = false;
    std::string Line;  // the line to print, without its line end
};

// Loads the file exactly as the window does, on a fresh engine object.
CheckResult CheckFile(const std::string& path);
