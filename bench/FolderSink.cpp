#include "FolderSink.h"

#include <stdexcept>

void FolderSink::start(const std::string& path) {
    file.close();
    const std::filesystem::path target = root / path;
    std::filesystem::create_directories(target.parent_path());
    file.open(target, std::ios::binary | std::ios::trunc);
    if (!file)
        throw std::runtime_error("cannot create " + target.string());
    current = target.string();
}

void FolderSink::append(const std::string& bytes) {
    if (!file.write(bytes.data(), static_cast<std::streamsize>(bytes.size())) || !file.flush())
        throw std::runtime_error("cannot write " + current);
}
