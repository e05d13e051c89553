#pragma once

#include <string>
#include <vector>

class ProjectGroup;

/// One C source of the converted tree, with what it is compiled with.
struct CompileSource {
    /// The source file's path as the project file lists it.
    std::string file;
    /// The folder of the CVI project file the source belongs to, with its trailing "\".
    std::string projectFolder;
    /// The group whose include folders and definitions apply: the nearest one up the project's
    /// tree that holds its own; null when none does. Owned by the tree.
    const ProjectGroup* settings = nullptr;
};

/// True when the file name's extension is "c" in either case.
bool isCSource(const std::string& path);

/// Every C source of the group a CVI project file was read into and of the groups below it, in
/// the order the project file lists them, each once per time it is listed.
std::vector<CompileSource> collectCompileSources(const ProjectGroup& project);
