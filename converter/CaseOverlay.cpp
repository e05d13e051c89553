#include "CaseOverlay.h"

#include <algorithm>
#include <unordered_map>

#include "Host.h"
#include "JsonText.h"
#include "LeftOut.h"

namespace {

/// name inside folder, in Windows form.
std::string inside(const std::string& folder, const std::string& name) {
    const bool separated = !folder.empty() && (folder.back() == '\\' || folder.back() == '/');
    return separated ? folder + name : folder + "\\" + name;
}

/// Walks the searched folders, listing each folder of the overlay once however many entries
/// search it or reach it from above.
class OverlayLister {
public:
    OverlayLister(platform::Host& host, LeftOut& leftOut) : host(host), leftOut(leftOut) {}

    /// Adds folder and its subfolders down to levels below it, unless already added so deep.
    void visit(const std::string& folder, int levels) {
        auto [seen, fresh] = visited.try_emplace(folder);
        Seen& node = seen->second;
        if (fresh)
            node.listed = list(folder, node);
        else if (node.levels >= levels)
            return;
        node.levels = levels;
        if (!node.listed || levels == 0)
            return;
        for (const std::string& name : node.subfolders)
            visit(inside(folder, name), levels - 1);
    }

    std::vector<OverlayFolder> folders;

private:
    struct Seen {
        bool listed = false;
        /// How many levels below the folder have been visited.
        int levels = -1;
        /// The subfolders to visit, in byte order of their names.
        std::vector<std::string> subfolders;
    };

    /// Lists folder into seen and its files into the overlay; false when it is left out.
    bool list(const std::string& folder, Seen& seen) {
        const platform::Utf8Path path = host.utf8PathOf(folder);
        if (const auto* why = std::get_if<platform::NoUtf8Path>(&path)) {
            leftOut.addNoUtf8Path("folder " + folder, folder, *why);
            return false;
        }
        auto listing = host.listFolder(folder);
        if (!listing) {
            leftOut.add("folder " + folder, "cannot be listed");
            return false;
        }
        std::sort(listing->begin(), listing->end(),
                  [](const auto& a, const auto& b) { return a.name < b.name; });
        OverlayFolder overlay{std::get<std::string>(path), {}};
        for (const platform::FolderEntry& entry : *listing) {
            if (entry.isFolder) {
                // No include names a hidden folder; ".git" alone would outweigh the sources.
                if (entry.name[0] != '.')
                    seen.subfolders.push_back(entry.name);
                continue;
            }
            const std::string file = inside(folder, entry.name);
            const platform::Utf8Path filePath = host.utf8PathOf(file);
            const auto name = host.utf8TextOf(entry.name);
            if (const auto* why = std::get_if<platform::NoUtf8Path>(&filePath))
                leftOut.addNoUtf8Path("file " + file, file, *why);
            else if (!name)
                leftOut.addNoUtf8Path("file " + file, file, platform::NoUtf8Path::NotUtf8);
            else
                overlay.files.emplace_back(*name, std::get<std::string>(filePath));
        }
        if (!overlay.files.empty())
            folders.push_back(std::move(overlay));
        return true;
    }

    platform::Host& host;
    LeftOut& leftOut;
    // Node-based: a Seen stays where it is while visits below it add others.
    std::unordered_map<std::string, Seen> visited;
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
    OverlayLister lister(host, leftOut);
    for (const std::string& folder : searchedFolders)
        // A folder on this machine that is not there is no omission: projects carry their
        // author's folders.
        if (host.exists(folder))
            lister.visit(folder, caseOverlayDepth);
    return std::move(lister.folders);
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
