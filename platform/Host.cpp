#include "Host.h"

#include "Utf8.h"

namespace platform {

std::optional<std::string> Host::hostPathOf(const std::string& path) {
    return path;
}

std::optional<std::string> Host::utf8TextOf(const std::string& text) {
    if (!isValidUtf8(text))
        return std::nullopt;
    return text;
}

std::vector<std::string> Host::argumentsOf(const std::vector<std::string>& given) {
    return given;
}

std::string Host::consoleTextOf(const std::string& text) {
    return text;
}

std::optional<std::vector<FolderEntry>> Host::listFolder(const std::string& folder) {
    auto listing = readFolder(folder);
    if (!listing)
        return std::nullopt;
    return std::move(listing->entries);
}

std::vector<std::string> Host::subfolderNames(const std::string& folder) {
    std::vector<std::string> names;
    if (const auto listing = listFolder(folder))
        for (const FolderEntry& entry : *listing)
            if (entry.isFolder)
                names.push_back(entry.name);
    return names;
}

std::unique_ptr<TextReader> Host::openTextForReading(const std::string& path) {
    auto source = openForReading(path);
    if (!source)
        return nullptr;
    return std::make_unique<TextReader>(std::move(source));
}

std::unique_ptr<TextWriter> Host::openTextForWriting(const std::string& path) {
    auto sink = openForWriting(path);
    if (!sink)
        return nullptr;
    return std::make_unique<TextWriter>(std::move(sink));
}

} // namespace platform
