// A whole run of Quorvel on the in-memory host, with everything from the input:
//
//     arguments, one a line
//     %%
//     C:\ws\all.cws            <- a file: its path on the first line, its bytes below
//     Project 0001 = "p.prj"
//     %%
//     C:\ws\p.prj
//     ...
//
// Sections are parted by a line "%%". The host starts with C:\ws (current), C:\cvi and
// C:\out. Checked: the run ends with its status and the matching last line, and nothing
// is made or written outside the destination folder but the project-wide files that the
// project name places.

#include <cstddef>
#include <cstdint>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "CaseOverlay.h"
#include "CommandLine.h"
#include "FakeHost.h"
#include "FuzzCheck.h"
#include "WorkspaceConverter.h"

namespace {

std::vector<std::string> split(const std::string& text, const std::string& separator) {
    std::vector<std::string> parts;
    std::size_t from = 0;
    for (;;) {
        const std::size_t at = text.find(separator, from);
        parts.push_back(text.substr(from, at == std::string::npos ? std::string::npos : at - from));
        if (at == std::string::npos)
            return parts;
        from = at + separator.size();
    }
}

bool startsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

/// The console's last line without its line feed; empty when there is none.
std::string lastLine(const std::string& console) {
    if (console.empty() || console.back() != '\n')
        return std::string();
    const std::string text = console.substr(0, console.size() - 1);
    const std::size_t feed = text.rfind('\n');
    return feed == std::string::npos ? text : text.substr(feed + 1);
}

/// Runs Quorvel on args and checks its end and everything it made against the destination
/// folder (inside: its canonical form ending with "\") and the project-wide files.
void checkRun(const std::vector<std::string>& args, FakeHost& host, const std::string& inside,
              const std::set<std::string>& projectWide) {
    host.madeFolders.clear();
    host.writtenFiles.clear();
    std::ostringstream console;
    std::ostringstream errors;
    const int status = runQuorvel(args, host, console, errors);
    const std::string last = lastLine(console.str());
    if (status == 0) {
        fuzzCheck(startsWith(console.str(), "Creating Corvane/Corvane++ Project ...\n") &&
                      last == "Corvane/Corvane++ Project Completed!",
                  "a conversion that ends with 0 is announced and completed");
    } else {
        fuzzCheck(status == 1, "a failed conversion ends with 1");
        // A database that would replace a file of the run, or that cannot keep the entries
        // asked for, stops the run before anything is written, with one line of its own.
        const bool refused =
            console.str().empty() && startsWith(lastLine(errors.str()), "Not written: ");
        fuzzCheck(refused == (host.madeFolders.empty() && host.writtenFiles.empty() &&
                              console.str().empty()),
                  "a run refused before anything is written says so, and only then");
        fuzzCheck(refused || startsWith(last, "Could not open file: ") ||
                      startsWith(last, "Could not create directory: ") ||
                      startsWith(last, "Could not write file: "),
                  "a failed conversion ends with the line that says what failed");
    }
    for (const std::string& folder : host.madeFolders)
        fuzzCheck(!inside.empty() && startsWith(folder, inside),
                  "every folder made lies in the destination folder");
    for (const std::string& file : host.writtenFiles)
        fuzzCheck((!inside.empty() && startsWith(file, inside)) || projectWide.count(file),
                  "every file written lies in the destination folder or is project-wide");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> sections =
        split(std::string(reinterpret_cast<const char*>(data), size), "\n%%\n");
    const std::vector<std::string> args = split(sections[0], "\n");

    FakeHost host;
    // Names heed case, as on Linux: a run with "-cdb" writes the case overlay too.
    host.ignoresCase = false;
    host.addFolder("C:\\cvi");
    host.addFolder("C:\\out");
    host.setCurrentFolder("C:\\ws");
    for (std::size_t i = 1; i < sections.size(); ++i) {
        const std::size_t feed = sections[i].find('\n');
        const std::string path = sections[i].substr(0, feed);
        if (!host.canonical(path).empty())
            host.addFile(path, feed == std::string::npos ? "" : sections[i].substr(feed + 1));
    }

    std::ostringstream console;
    if (args.size() < 3) {
        fuzzCheck(runQuorvel(args, host, console) == 0, "the usage ends with 0");
        fuzzCheck(startsWith(console.str(), "Usage: Quorvel "),
                  "too few arguments print the usage");
        return 0;
    }

    // The settings the run will have, through the same steps as the run itself.
    std::ostringstream unused;
    const std::string source = makeAbsolute(args[0], host);
    WorkspaceConverter settings(source, makeAbsolute(args[1], host), makeAbsolute(args[2], host),
                                host, unused);
    settings.setProjectName(defaultProjectName(source));
    applyOptions(args, settings, host);
    const std::string dest = settings.getDestFolder();
    const std::string name = settings.getProjectName();
    std::string inside = host.canonical(dest);
    if (!inside.empty() && inside.back() != '\\')
        inside += '\\';
    std::set<std::string> projectWide;
    for (const std::string& file :
         {dest + "\\" + name + ".prj", dest + "\\person\\" + name + ".p_s",
          dest + "\\person\\" + name + ".p_a", dest + "\\person\\" + name + ".p_c"})
        projectWide.insert(host.canonical(file));
    // The compilation database goes where "-cdb" names it, its case overlay beside it; an
    // appended one is written beside it first.
    if (!settings.getCompilationDatabase().empty()) {
        projectWide.insert(host.canonical(settings.getCompilationDatabase()));
        if (settings.getAppendDatabase())
            projectWide.insert(host.canonical(settings.getCompilationDatabase() + ".new"));
        projectWide.insert(host.canonical(caseOverlayPathOf(settings.getCompilationDatabase())));
    }

    checkRun(args, host, inside, projectWide);
    // Again over what the first run left: the personality rules look at the disk.
    checkRun(args, host, inside, projectWide);
    return 0;
}
