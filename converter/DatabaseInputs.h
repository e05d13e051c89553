#pragma once

#include <string>
#include <vector>

#include "CviBuild.h"

class ProjectGroup;

/// One CVI project of a run as the database step sees it: the group its file was read into and
/// the build configuration the database describes for it.
struct DatabaseProject {
    /// Owned by the converter's tree, which outlives the step.
    const ProjectGroup* group = nullptr;
    CviBuild build;
};

/// A file the run reads or writes, which its database and case overlay must never replace.
struct RunFile {
    /// What it is, as a line names it ("the workspace", "the source file").
    std::string role;
    /// Its absolute path, in Windows form.
    std::string path;
};

/// Everything the compilation database step is handed, as plain data.
struct DatabaseInputs {
    /// The database's absolute path, in Windows form.
    std::string path;
    /// Whether the entries already in the database are kept, but for the sources of this run.
    bool append = false;
    /// The CVI installation folder, whose header folders every entry searches.
    std::string cviDir;
    /// The projects read, in the order read.
    std::vector<DatabaseProject> projects;
    /// The files the run reads or writes besides the projects' sources.
    std::vector<RunFile> runFiles;
};
