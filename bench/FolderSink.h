#pragma once

#include <filesystem>
#include <fstream>
#include <string>

#include "WorkspaceGenerator.h"

/// Writes generated files below a folder of this host, making the folders they need.
class FolderSink : public FileSink {
public:
    explicit FolderSink(std::filesystem::path root) : root(std::move(root)) {}

    /// Throws std::runtime_error when the file cannot be created.
    void start(const std::string& path) override;
    /// Throws std::runtime_error when the bytes cannot be written.
    void append(const std::string& bytes) override;

private:
    std::filesystem::path root;
    std::ofstream file;
    std::string current;
};
