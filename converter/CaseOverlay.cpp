#include "CaseOverlay.h"

#include <algorithm>
#include <optional>
#include <set>
#include <unordered_map>
#include <unordered_set>

#include "Host.h"
#include "JsonText.h"
#include "LeftOut.h"
#include "StringHelpers.h"
#include "WindowsPath.h"

namespace {

/// name inside folder, in Windows form. Inside a bare drive ("C:", the folder the host keeps
/// for it) the name follows directly, so that it stays in that folder.
std::string inside(const std::string& folder, const std::string& name) {
    if (folder.size() == 2 && folder[1] == ':')
        return folder + name;
    const bool separated = !folder.empty() && (folder.back() == '\\' || folder.back() == '/');
    return separated ? folder + name : folder + "\\" + name;
}

/// The parts of a path by its text, as clang reads the names in an overlay: "\" and "/" both
/// separate, a "." part is dropped and a ".." part drops the one before it.
std::vector<std::string> partsOf(const std::string& path) {
    const std::string plain = withoutDotParts(path);
    std::vector<std::string> parts;
    for (std::size_t start = 0; start < plain.size();) {
        const std::size_t end = std::min(plain.find('\\', start), plain.size());
        if (end > start)
            parts.push_back(plain.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

/// A host path's parts as clang's overlay matches them: its names ignore the case of the
/// letters a to z alone.
std::vector<std::string> foldedPartsOf(const std::string& hostPath) {
    std::vector<std::string> parts = partsOf(hostPath);
    for (std::string& part : parts)
        part = toUpper(std::move(part));
    return parts;
}

inline constexpr char twinsReason[] = "their names differ only in letter case";

/// One folder the lister met, listed once however it is reached.
struct Folder {
    struct Subfolder {
        std::string name;
        bool isLink = false;
        std::optional<platform::FolderIdentity> identity;
    };
    /// The Windows-form path it was first met by, and its UTF-8 host path (empty when none).
    std::string path;
    std::string hostPath;
    std::optional<platform::FolderIdentity> identity;
    bool listed = false;
    /// Its files as their UTF-8 names and host paths, in byte order of their names.
    std::vector<std::pair<std::string, std::string>> files;
    /// The subfolders to walk, in byte order of their names: as listed, then, once the folder is
    /// walked into, the real ones on its file system with their identities.
    std::vector<Subfolder> subfolders;
    bool sorted = false;
    /// Its links to folders, by their paths, with the identity of what each leads to.
    std::vector<std::pair<std::string, std::optional<platform::FolderIdentity>>> links;
    /// Each group of its names that differ only in letter case, by the UTF-8 name in upper
    /// case: what tells it.
    std::unordered_map<std::string, std::string> twins;
    /// What listing it leaves out, as what and why, told when it is walked.
    std::vector<std::pair<std::string, std::string>> omissions;
    /// How many levels below it have been walked; -1 while it has only been looked into from
    /// below.
    int levels = -1;
};

/// What several names in folder that differ only in letter case are ("files C:\ws\A.h and
/// C:\ws\a.h"), in the order given.
std::string twinsPart(const std::string& folder,
                      const std::vector<const platform::FolderEntry*>& twins) {
    const bool folders = twins.front()->isFolder;
    const bool mixed = std::any_of(twins.begin(), twins.end(),
                                   [&](const auto* entry) { return entry->isFolder != folders; });
    std::string part = mixed ? "names " : folders ? "folders " : "files ";
    for (std::size_t i = 0; i < twins.size(); ++i) {
        if (i)
            part += i + 1 == twins.size() ? " and " : ", ";
        part += inside(folder, twins[i]->name);
    }
    return part;
}

/// Walks the searched folders down real folders on their own file systems, listing each folder
/// of the overlay once however many entries search it or reach it from above.
class OverlayLister {
public:
    explicit OverlayLister(platform::Host& host) : host(host) {}

    /// Adds a searched folder, with its subfolders caseOverlayDepth levels down, unless it does
    /// not exist.
    void search(const std::string& path) {
        // A folder on this machine that is not there is no omission: projects carry their
        // author's folders. Its identity says it is there; a host that tells none is asked.
        const std::optional<platform::FolderIdentity> identity = host.folderIdentity(path);
        if (!identity && !host.exists(path))
            return;
        walk(path, identity, caseOverlayDepth);
        searched.push_back(path);
    }

    /// The overlay's folders in the order first walked, each added part of what is left out
    /// to leftOut.
    std::vector<OverlayFolder> finish(LeftOut& leftOut) {
        for (const std::string& path : searched)
            lookAbove(path);
        std::vector<OverlayFolder> overlay;
        for (Folder* folder : walked) {
            if (liesInTwin(folder->hostPath))
                continue;
            for (const auto& [what, why] : folder->omissions)
                leftOut.add(what, why);
            // A link to a folder walked anyway is a second way to it, not an omission.
            for (const auto& [link, target] : folder->links)
                if (!target || !isWalked(*target))
                    leftOut.add("folder " + link, "a link to another folder");
            if (!folder->files.empty())
                overlay.push_back({folder->hostPath, std::move(folder->files)});
        }
        for (const std::string& part : twinsAbove)
            leftOut.add(part, twinsReason);
        return overlay;
    }

private:
    /// Adds the folder at path and its subfolders down to levels below it, unless added so deep.
    void walk(const std::string& path, const std::optional<platform::FolderIdentity>& identity,
              int levels) {
        Folder& folder = find(path, identity);
        if (folder.levels >= levels)
            return;
        if (folder.levels < 0)
            walked.push_back(&folder);
        folder.levels = levels;
        if (!folder.listed || levels == 0)
            return;
        if (!folder.sorted)
            sortSubfolders(folder);
        for (const Folder::Subfolder& subfolder : folder.subfolders)
            walk(inside(folder.path, subfolder.name), subfolder.identity, levels - 1);
    }

    /// The folder at path, listed when first met.
    Folder& find(const std::string& path, const std::optional<platform::FolderIdentity>& identity) {
        const platform::Utf8Path hostPath = host.utf8PathOf(path);
        const std::string* text = std::get_if<std::string>(&hostPath);
        // Known by what it is on the host, not by how a project spells it; one the host tells
        // no identity of, by its host path.
        std::string key =
            identity ? std::to_string(identity->fileSystem) + ":" + std::to_string(identity->number)
                     : "path " + (text ? *text : path);
        auto [found, fresh] = folders.try_emplace(std::move(key));
        if (fresh)
            list(found->second, path, identity, hostPath);
        return found->second;
    }

    void list(Folder& folder, const std::string& path,
              const std::optional<platform::FolderIdentity>& identity,
              const platform::Utf8Path& hostPath) {
        folder.path = path;
        folder.identity = identity;
        if (const auto* why = std::get_if<platform::NoUtf8Path>(&hostPath)) {
            folder.omissions.emplace_back("folder " + path, reasonForNoUtf8Path(path, *why));
            return;
        }
        folder.hostPath = std::get<std::string>(hostPath);
        auto listing = host.readFolder(path);
        if (!listing) {
            folder.omissions.emplace_back("folder " + path, "cannot be listed");
            return;
        }
        folder.listed = true;
        for (const platform::UnnamedEntry& entry : listing->unnamed)
            folder.omissions.emplace_back(
                (entry.isFolder ? "folder " : "file ") + inside(path, entry.shown),
                entry.why == platform::NoName::HoldsBackslash
                    ? "its name holds a \"\\\""
                    : "its name cannot be written in the code page of the names");
        std::vector<platform::FolderEntry>& entries = listing->entries;
        std::sort(entries.begin(), entries.end(),
                  [](const auto& a, const auto& b) { return a.name < b.name; });
        // Clang's overlay matches a name in any letter case: of two such names it would give
        // one for the other, so neither goes in and clang finds the exact one on the disk.
        // No include names a hidden folder; ".git" alone would outweigh the sources.
        entries.erase(std::remove_if(
                          entries.begin(), entries.end(),
                          [](const auto& entry) { return entry.isFolder && entry.name[0] == '.'; }),
                      entries.end());
        std::vector<std::optional<std::string>> names(entries.size());
        std::unordered_map<std::string, std::vector<const platform::FolderEntry*>> alike;
        for (std::size_t i = 0; i < entries.size(); ++i)
            if ((names[i] = host.utf8TextOf(entries[i].name)))
                alike[toUpper(*names[i])].push_back(&entries[i]);
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const platform::FolderEntry& entry = entries[i];
            if (names[i]) {
                const std::string upper = toUpper(*names[i]);
                const auto& twins = alike.at(upper);
                if (twins.size() > 1) {
                    if (twins.front() == &entry)
                        addTwins(folder, upper, twins);
                    continue;
                }
            }
            const std::string full = inside(path, entry.name);
            if (entry.isFolder)
                folder.subfolders.push_back({entry.name, entry.isLink, std::nullopt});
            else
                addFile(folder, full, names[i]);
        }
    }

    void addTwins(Folder& folder, const std::string& upper,
                  const std::vector<const platform::FolderEntry*>& twins) {
        const std::string part = twinsPart(folder.path, twins);
        folder.omissions.emplace_back(part, twinsReason);
        folder.twins.emplace(upper, part);
        for (const platform::FolderEntry* twin : twins)
            if (twin->isFolder)
                if (const platform::Utf8Path path =
                        host.utf8PathOf(inside(folder.path, twin->name));
                    const auto* text = std::get_if<std::string>(&path))
                    twinFolders.insert(foldedPartsOf(*text));
    }

    /// Keeps the subfolders of folder to walk into: each one's identity asked only now, since
    /// a folder looked into from below is never walked.
    void sortSubfolders(Folder& folder) {
        folder.sorted = true;
        std::vector<Folder::Subfolder> real;
        for (Folder::Subfolder& subfolder : folder.subfolders) {
            const std::string full = inside(folder.path, subfolder.name);
            subfolder.identity = host.folderIdentity(full);
            const auto& identity = subfolder.identity;
            // Down real folders only: a link may lead anywhere, up to "/" or round to itself.
            if (subfolder.isLink)
                folder.links.emplace_back(full, identity);
            else if (identity && folder.identity &&
                     identity->fileSystem != folder.identity->fileSystem)
                folder.omissions.emplace_back("folder " + full, "on another file system");
            else
                real.push_back(std::move(subfolder));
        }
        folder.subfolders = std::move(real);
    }

    void addFile(Folder& folder, const std::string& full, const std::optional<std::string>& name) {
        platform::Utf8Path path = host.utf8PathOf(full);
        if (const auto* why = std::get_if<platform::NoUtf8Path>(&path))
            folder.omissions.emplace_back("file " + full, reasonForNoUtf8Path(full, *why));
        else if (!name)
            folder.omissions.emplace_back("file " + full,
                                          reasonForNoUtf8Path(full, platform::NoUtf8Path::NotUtf8));
        else
            folder.files.emplace_back(*name, std::get<std::string>(std::move(path)));
    }

    /// Looks into each folder above a searched one, by its absolute Windows-form path: a
    /// folder on the way that has a twin is as ambiguous to clang as one walked.
    void lookAbove(const std::string& path) {
        if (path.size() < 3 || path[1] != ':' || (path[2] != '\\' && path[2] != '/'))
            return;
        const std::vector<std::string> parts = partsOf(path);
        std::string above = parts.front() + "\\";
        for (std::size_t i = 1; i < parts.size(); above = inside(above, parts[i]), ++i) {
            // Searched folders share most of their way from the root: each step is looked at
            // once.
            if (!lookedAt.insert(inside(above, parts[i])).second)
                continue;
            const Folder& folder = find(above, host.folderIdentity(above));
            const std::optional<std::string> name = host.utf8TextOf(parts[i]);
            if (!name)
                return;
            const auto twins = folder.twins.find(toUpper(*name));
            if (twins != folder.twins.end() && folder.levels < 0 &&
                std::find(twinsAbove.begin(), twinsAbove.end(), twins->second) == twinsAbove.end())
                twinsAbove.push_back(twins->second);
        }
    }

    /// True when hostPath is a folder with a twin or lies below one.
    bool liesInTwin(const std::string& hostPath) const {
        if (twinFolders.empty() || hostPath.empty())
            return false;
        const std::vector<std::string> parts = foldedPartsOf(hostPath);
        for (std::size_t size = 1; size <= parts.size(); ++size)
            if (twinFolders.count(std::vector<std::string>(parts.begin(), parts.begin() + size)))
                return true;
        return false;
    }

    bool isWalked(const platform::FolderIdentity& identity) const {
        const auto found = folders.find(std::to_string(identity.fileSystem) + ":" +
                                        std::to_string(identity.number));
        return found != folders.end() && found->second.levels >= 0 && found->second.listed;
    }

    platform::Host& host;
    // Node-based: a Folder stays where it is while walks below it add others.
    std::unordered_map<std::string, Folder> folders;
    std::vector<Folder*> walked;
    std::vector<std::string> searched;
    /// The folded parts of the host path of every folder that has a twin.
    std::set<std::vector<std::string>> twinFolders;
    /// The twins on the way to a searched folder, in folders not walked, as told.
    std::vector<std::string> twinsAbove;
    /// The folders on the way to a searched folder whose name lookAbove has looked at.
    std::unordered_set<std::string> lookedAt;
};

} // namespace

std::string caseOverlayPathOf(const std::string& databasePath) {
    const std::size_t separator = databasePath.find_last_of("\\/:");
    const std::size_t nameStart = separator == std::string::npos ? 0 : separator + 1;
    const std::size_t dot = databasePath.rfind('.');
    const bool extension = dot != std::string::npos && dot > nameStart;
    return databasePath.substr(0, extension ? dot : databasePath.size()) + ".overlay.json";
}

std::vector<OverlayFolder> listCaseOverlay(const std::vector<std::string>& searchedFolders,
                                           platform::Host& host, LeftOut& leftOut) {
    OverlayLister lister(host);
    for (const std::string& folder : searchedFolders)
        lister.search(folder);
    return lister.finish(leftOut);
}

void renderCaseOverlay(const std::vector<OverlayFolder>& folders,
                       const std::function<void(std::string_view)>& write) {
    // The layout of a JSON dump indented by two, written a folder at a time.
    write("{\n  \"version\": 0,\n  \"case-sensitive\": \"false\",\n  \"roots\": [");
    std::string item;
    for (std::size_t i = 0; i < folders.size(); ++i) {
        const OverlayFolder& folder = folders[i];
        item = i ? ",\n    {\n      \"type\": \"directory\",\n      \"name\": "
                 : "\n    {\n      \"type\": \"directory\",\n      \"name\": ";
        appendJsonString(item, folder.path);
        item += ",\n      \"contents\": [";
        for (std::size_t j = 0; j < folder.files.size(); ++j) {
            item += j ? ",\n        {\n          \"type\": \"file\",\n          \"name\": "
                      : "\n        {\n          \"type\": \"file\",\n          \"name\": ";
            appendJsonString(item, folder.files[j].first);
            item += ",\n          \"external-contents\": ";
            appendJsonString(item, folder.files[j].second);
            item += "\n        }";
        }
        item += folder.files.empty() ? "]\n    }" : "\n      ]\n    }";
        write(item);
    }
    write(folders.empty() ? "]\n}\n" : "\n  ]\n}\n");
}
