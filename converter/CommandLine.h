#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace platform {
class Host;
}
class WorkspaceConverter;

/// Prints the two usage lines.
void printUsage(std::ostream& console);

/// path made absolute, byte for byte and without normalising, from the host's current
/// folders; a drive-relative path uses its drive's folder, and the current drive is
/// restored. Throws platform::HostError when the host has no current folder.
std::string makeAbsolute(const std::string& path, platform::Host& host);

/// The project name a source path gives: its file name without up to two extensions.
std::string defaultProjectName(const std::string& sourcePath);

/// Applies the options found among args (the arguments after the program name).
/// Every argument is examined, an option's value too; an option at the very end is ignored.
void applyOptions(const std::vector<std::string>& args, WorkspaceConverter& converter,
                  platform::Host& host);

/// One whole run of the converter on its arguments (without the program name), its
/// progress on console and lines that do not stop it on errors; returns the exit status,
/// 1 also when the console did not take every line. Exceptions other than the converter's
/// own pass through.
int runQuorvel(const std::vector<std::string>& args, platform::Host& host, std::ostream& console,
               std::ostream& errors);
/// runQuorvel with the lines for the error stream on the console too.
inline int runQuorvel(const std::vector<std::string>& args, platform::Host& host,
                      std::ostream& console) {
    return runQuorvel(args, host, console, console);
}
