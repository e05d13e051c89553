#include "CommandLine.h"

#include <ostream>

#include "Host.h"
#include "StringHelpers.h"
#include "WorkspaceConverter.h"

namespace {

std::string currentFolderOf(platform::Host& host) {
    auto folder = host.currentFolder();
    if (!folder)
        throw platform::HostError(
            "Quorvel: the current folder lies on no drive; set QUORVEL_DRIVE_C (or another "
            "QUORVEL_DRIVE_X) to a folder that holds it");
    return *folder;
}

} // namespace

void printUsage(std::ostream& console) {
    console << "Usage: Quorvel <source_workspace|source_proj> <path_to_cvi> <dest_folder> "
               "[-pn dest_proj_name]\n"
            << std::flush;
    console << "[-mp message_personality] [-ap analyser_personality] [-cp compiler_personality] "
               "[-ext file_extension]\n"
            << std::flush;
}

std::string makeAbsolute(const std::string& path, platform::Host& host) {
    if (path.size() >= 2 && path[1] == ':') {
        if (path.size() >= 3 && path[2] == '\\')
            return path;
        const std::string remembered = currentFolderOf(host);
        host.makeDriveCurrent(path.substr(0, 2));
        const std::string result = currentFolderOf(host) + "\\" + path.substr(2);
        host.makeDriveCurrent(remembered.substr(0, 2));
        return result;
    }
    if (!path.empty() && path[0] == '\\')
        return path;
    const std::string folder = currentFolderOf(host);
    if (path == ".")
        return folder;
    return folder + "\\" + path;
}

std::string defaultProjectName(const std::string& sourcePath) {
    std::string name = sourcePath.substr(0, sourcePath.rfind('.'));
    name = afterLastBackslash(name);
    return name.substr(0, name.rfind('.'));
}

void applyOptions(const std::vector<std::string>& args, WorkspaceConverter& converter,
                  platform::Host& host) {
    // The scan advances by one, so an option's value is examined as an argument too.
    for (std::size_t i = 0; i + 1 < args.size(); ++i) {
        const std::string& option = args[i];
        const std::string& value = args[i + 1];
        if (option == "-pn")
            converter.setProjectName(value);
        else if (option == "-mp")
            converter.setMessagePersonality(makeAbsolute(value, host));
        else if (option == "-ap")
            converter.setAnalyserPersonality(makeAbsolute(value, host));
        else if (option == "-cp")
            converter.setCompilerPersonality(makeAbsolute(value, host));
        else if (option == "-ext")
            converter.addExtensions(value);
        else if (option == "-cdb" || option == "-cdbappend")
            converter.setCompilationDatabase(makeAbsolute(value, host), option == "-cdbappend");
        else if (option == "-cdbconfig")
            converter.setDatabaseConfiguration(value);
    }
}

namespace {

/// The usage or the conversion; returns the exit status.
int usageOrConversion(const std::vector<std::string>& args, platform::Host& host,
                      std::ostream& console, std::ostream& errors) {
    if (args.size() < 3) {
        printUsage(console);
        return 0;
    }
    const std::string source = makeAbsolute(args[0], host);
    const std::string cvi = makeAbsolute(args[1], host);
    const std::string dest = makeAbsolute(args[2], host);
    WorkspaceConverter converter(source, cvi, dest, host, console, errors);
    converter.setProjectName(defaultProjectName(source));
    applyOptions(args, converter, host);
    return converter.run();
}

} // namespace

int runQuorvel(const std::vector<std::string>& args, platform::Host& host, std::ostream& console,
               std::ostream& errors) {
    const int status = usageOrConversion(args, host, console, errors);
    // A line that never reached the console (a closed pipe, a full disk behind a
    // redirection) leaves the caller without the run's report: that is a failure too.
    console.flush();
    return console ? status : 1;
}
