#include "CompilationDatabase.h"

#include <algorithm>

#include "CviClangFlags.h"
#include "DiskNames.h"
#include "Host.h"
#include "JsonText.h"
#include "LeftOut.h"
#include "ProjectGroup.h"
#include "StringHelpers.h"
#include "WindowsPath.h"

namespace {

/// The parts of a POSIX path between its "/" separators, empty ones left out.
std::vector<std::string> partsOf(const std::string& path) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start < path.size()) {
        std::size_t end = path.find('/', start);
        if (end == std::string::npos)
            end = path.size();
        if (end > start)
            parts.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

} // namespace

std::string sourceArgumentOf(const std::string& file, const std::string& directory) {
    if (file.empty() || file[0] != '/' || directory.empty() || directory[0] != '/')
        return file;
    const std::vector<std::string> fileParts = partsOf(file);
    const std::vector<std::string> folderParts = partsOf(directory);
    std::size_t common = 0;
    while (common < folderParts.size() && common + 1 < fileParts.size() &&
           fileParts[common] == folderParts[common])
        ++common;
    std::string relative;
    for (std::size_t i = common; i < folderParts.size(); ++i)
        relative += "../";
    for (std::size_t i = common; i < fileParts.size(); ++i)
        relative += fileParts[i] + (i + 1 < fileParts.size() ? "/" : "");
    // A name that begins with "-" would read as an option.
    return relative[0] == '-' ? "./" + relative : relative;
}

std::vector<std::string> cviHeaderFolders(const std::string& cviDir, const CviBuild& build,
                                          platform::Host& host) {
    std::vector<std::string> candidates;
    std::vector<std::string> tools = host.subfolderNames(cviDir + "\\toolslib");
    std::sort(tools.begin(), tools.end());
    for (const std::string& name : tools)
        candidates.push_back(cviDir + "\\toolslib\\" + name);
    for (const char* below : {"\\instr", "\\include", "\\include\\ansi"})
        candidates.push_back(cviDir + below);
    for (const std::string& root : {build.iviRoot, build.vxiRoot})
        if (!root.empty())
            candidates.push_back(root + "\\include");
    candidates.push_back(cviDir + "\\sdk\\include");
    std::vector<std::string> folders;
    for (std::string& folder : candidates)
        if (host.exists(folder))
            folders.push_back(std::move(folder));
    return folders;
}

std::optional<SourcePaths> sourcePathsOf(const CompileSource& source, DiskNames& disk,
                                         platform::Host& host, LeftOut& leftOut) {
    // Tools match a file to its entry by the name on the disk, and refuse a database that
    // names one that is not there.
    const std::string listed = withoutDotParts(source.file);
    if (const platform::Utf8Path given = host.utf8PathOf(listed);
        const auto* why = std::get_if<platform::NoUtf8Path>(&given)) {
        leftOut.addNoUtf8Path(source.file, source.file, *why);
        return std::nullopt;
    }
    const std::optional<std::string> onDisk = disk.find(listed);
    if (!onDisk) {
        leftOut.add(source.file, "not found");
        return std::nullopt;
    }
    platform::Utf8Path file = host.utf8PathOf(*onDisk);
    if (const auto* why = std::get_if<platform::NoUtf8Path>(&file)) {
        leftOut.addNoUtf8Path(source.file, *onDisk, *why);
        return std::nullopt;
    }
    std::string folder = withoutTrailingSeparator(withoutDotParts(source.projectFolder));
    if (std::optional<std::string> folderOnDisk = disk.findFolder(folder))
        folder = std::move(*folderOnDisk);
    platform::Utf8Path directory = host.utf8PathOf(folder);
    if (const auto* why = std::get_if<platform::NoUtf8Path>(&directory)) {
        leftOut.add(source.file,
                    "project folder " + folder + ": " + reasonForNoUtf8Path(folder, *why));
        return std::nullopt;
    }
    return SourcePaths{std::get<std::string>(std::move(file)),
                       std::get<std::string>(std::move(directory))};
}

std::optional<DatabaseEntry> makeDatabaseEntry(const CompileSource& source, const CviBuild& build,
                                               const std::vector<std::string>& cviFolders,
                                               const std::string& overlayPath, DiskNames& disk,
                                               platform::Host& host, LeftOut& leftOut,
                                               std::vector<std::string>& searched) {
    // The entry stands or falls with the source's own paths.
    std::optional<SourcePaths> paths = sourcePathsOf(source, disk, host, leftOut);
    if (!paths)
        return std::nullopt;
    DatabaseEntry entry;
    entry.directory = std::move(paths->directory);
    entry.file = std::move(paths->file);
    if (const std::string own = folderOf(source.file); !own.empty())
        searched.push_back(withoutTrailingSeparator(own));
    entry.arguments.emplace_back("clang");
    const std::vector<std::string> dialect = cviClangFlags(build);
    entry.arguments.insert(entry.arguments.end(), dialect.begin(), dialect.end());
    // A folder that names nothing here is of no use to clang; the others still are. "-I" and
    // its folder are two arguments: cppcheck drops a joined one whose folder holds a blank.
    auto include = [&](const std::string& includeFolder) {
        const platform::Utf8Path path = host.utf8PathOf(includeFolder);
        if (const auto* why = std::get_if<platform::NoUtf8Path>(&path))
            leftOut.addNoUtf8Path("include folder " + includeFolder, includeFolder, *why);
        else {
            entry.arguments.emplace_back("-I");
            entry.arguments.push_back(std::get<std::string>(path));
            // Clang searches a relative folder from the entry's directory.
            const bool relative = includeFolder[0] != '\\' && includeFolder[0] != '/' &&
                                  (includeFolder.size() < 2 || includeFolder[1] != ':');
            searched.push_back(withoutTrailingSeparator(
                relative ? host.windowsPathOf(entry.directory) + "\\" + includeFolder
                         : includeFolder));
        }
    };
    // An empty folder or name would leave a bare "-I" or "-D", which takes the next
    // argument as its value.
    if (source.settings) {
        for (const std::string& includeFolder : source.settings->getIncludePaths())
            if (!includeFolder.empty())
                include(includeFolder);
    }
    // A CVI folder the project names itself is searched there already.
    for (const std::string& cviFolder : cviFolders)
        if (!source.settings || !source.settings->getIncludePaths().count(cviFolder))
            include(cviFolder);
    for (const auto& [name, value] : build.definitions) {
        if (name.empty())
            continue;
        const std::string definition = value.empty() ? name : name + "=" + value;
        if (auto text = host.utf8TextOf(definition))
            entry.arguments.push_back("-D" + *text);
        else
            leftOut.addNoUtf8Path("definition " + definition, definition,
                                  platform::NoUtf8Path::NotUtf8);
    }
    // Joined, so that no tool reads the path on its own: cppcheck takes a path that begins
    // with "/D" for a definition.
    if (!overlayPath.empty())
        entry.arguments.push_back("-ivfsoverlay" + overlayPath);
    // CVI compiles C alone; clang would read a source named ".C" as C++.
    entry.arguments.insert(entry.arguments.end(), {"-c", "-x", "c"});
    entry.arguments.push_back(sourceArgumentOf(entry.file, entry.directory));
    return entry;
}

void appendDatabaseItem(std::string& text, const DatabaseEntry& entry, bool first) {
    // The layout of a JSON dump indented by two, an item at a time: the whole document as one
    // JSON value takes several times the size of its text.
    text += first ? "[\n  {\n    \"directory\": " : ",\n  {\n    \"directory\": ";
    appendJsonString(text, entry.directory);
    text += ",\n    \"arguments\": [";
    for (std::size_t j = 0; j < entry.arguments.size(); ++j) {
        text += j ? ",\n      " : "\n      ";
        appendJsonString(text, entry.arguments[j]);
    }
    text += entry.arguments.empty() ? "]" : "\n    ]";
    text += ",\n    \"file\": ";
    appendJsonString(text, entry.file);
    text += "\n  }";
}
