#pragma once

#include <string>
#include <utility>
#include <vector>

/// What one run of a program cost.
struct ChildRun {
    /// Exit status; -1 when the program did not exit normally or could not be started.
    int status = -1;
    /// Wall-clock time from start to end.
    double seconds = 0;
    /// Peak resident memory, in KiB, as the kernel reports it for the child. It can be
    /// no lower than this process's own peak when the child started.
    long peakKib = 0;
};

/// Runs program (found on PATH when it has no "/") with args from folder cwd, with the
/// extra environment variables set, standard output into outputFile ("" discards it)
/// and standard error discarded; waits for it and measures it.
ChildRun runChild(const std::vector<std::string>& command, const std::string& cwd,
                  const std::vector<std::pair<std::string, std::string>>& environment,
                  const std::string& outputFile = std::string());

/// This process's own peak resident memory, in KiB.
long ownPeakKib();
