#pragma once

#include <ostream>
#include <string>

/// Where the lines of a run go: progress on the console, what does not stop it on the error
/// stream. Each line is ended and flushed at once. Both streams must outlive the log.
struct RunLog {
    std::ostream& console;
    std::ostream& errors;

    /// Prints one console line and flushes it.
    void printLine(const std::string& line) const { console << line << '\n' << std::flush; }
    /// Prints one line on the error stream and flushes it.
    void printError(const std::string& line) const { errors << line << '\n' << std::flush; }
};
