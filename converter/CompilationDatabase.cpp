#include "CompilationDatabase.h"

#include <nlohmann/json.hpp>

#include "CviClangFlags.h"
#include "Host.h"
#include "ProjectGroup.h"

namespace {

/// folder without its trailing "\", but a drive root ("C:\") keeps it.
std::string withoutTrailingSeparator(std::string folder) {
    const bool driveRoot = folder.size() == 3 && folder[1] == ':';
    if (!driveRoot && folder.size() > 1 && folder.back() == '\\')
        folder.pop_back();
    return folder;
}

/// Builds one entry's texts, remembering the first one that cannot be written as UTF-8.
class EntryTexts {
public:
    EntryTexts(platform::Host& host, std::string& unwritable)
        : host(host), unwritable(unwritable) {}

    /// The UTF-8 host path of windowsPath; empty when it has none.
    std::string path(const std::string& windowsPath) {
        if (auto converted = host.utf8PathOf(windowsPath))
            return *converted;
        fail(windowsPath);
        return std::string();
    }
    /// The UTF-8 form of text in the names' code page; empty when it has none.
    std::string text(const std::string& bytes) {
        if (auto converted = host.utf8TextOf(bytes))
            return *converted;
        fail(bytes);
        return std::string();
    }
    /// True when a text of the entry could not be written.
    bool failed() const { return hasFailed; }

private:
    void fail(const std::string& bytes) {
        if (!hasFailed)
            unwritable = bytes;
        hasFailed = true;
    }

    platform::Host& host;
    std::string& unwritable;
    bool hasFailed = false;
};

} // namespace

std::vector<std::string> cviHeaderFolders(const std::string& cviDir, platform::Host& host) {
    std::vector<std::string> folders;
    for (const char* below : {"\\include", "\\include\\ansi", "\\sdk\\include"}) {
        const std::string folder = cviDir + below;
        if (host.exists(folder))
            folders.push_back(folder);
    }
    return folders;
}

std::optional<DatabaseEntry> makeDatabaseEntry(const CompileSource& source,
                                               const std::vector<std::string>& cviFolders,
                                               platform::Host& host, std::string& unwritable) {
    EntryTexts texts(host, unwritable);
    DatabaseEntry entry;
    entry.directory = texts.path(withoutTrailingSeparator(source.projectFolder));
    entry.file = texts.path(source.file);
    entry.arguments.emplace_back("clang");
    entry.arguments.insert(entry.arguments.end(), cviClangFlags.begin(), cviClangFlags.end());
    // An empty folder or name would leave a bare "-I" or "-D", which takes the next
    // argument as its value.
    if (source.settings) {
        for (const std::string& folder : source.settings->getIncludePaths())
            if (!folder.empty())
                entry.arguments.push_back("-I" + texts.path(folder));
    }
    for (const std::string& folder : cviFolders)
        entry.arguments.push_back("-I" + texts.path(folder));
    if (source.settings) {
        for (const auto& [name, value] : source.settings->getDefines())
            if (!name.empty())
                entry.arguments.push_back("-D" +
                                          texts.text(value.empty() ? name : name + "=" + value));
    }
    entry.arguments.emplace_back("-c");
    entry.arguments.push_back(entry.file);
    if (texts.failed())
        return std::nullopt;
    return entry;
}

std::string renderCompilationDatabase(const std::vector<DatabaseEntry>& entries) {
    // Ordered, so that every entry reads directory, arguments, file as tools print them.
    nlohmann::ordered_json database = nlohmann::ordered_json::array();
    for (const DatabaseEntry& entry : entries) {
        nlohmann::ordered_json item;
        item["directory"] = entry.directory;
        item["arguments"] = entry.arguments;
        item["file"] = entry.file;
        database.push_back(std::move(item));
    }
    return database.dump(2) + "\n";
}
