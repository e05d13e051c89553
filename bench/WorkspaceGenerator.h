#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

/// The size of a synthetic CVI workspace: how many projects, and what each holds.
struct WorkspaceShape {
    int projects = 1;
    int sourcesPerProject = 100;
    /// CVI folders the source entries are spread over; each one is used.
    int foldersPerProject = 5;
    int includeFilesPerProject = 10;
    /// Lines of the include-path section.
    int includePathsPerProject = 4;
    /// "/D" options of the compiler defines.
    int definesPerProject = 4;
    std::uint64_t seed = 1;
};

/// What a conversion of the generated files holds and writes, worked out while they
/// are generated.
struct GeneratedFigures {
    /// Source entries that land in a folder group (excluded ones do not).
    std::size_t sourceEntries = 0;
    /// The bytes of those entries' paths as the converter holds them.
    std::size_t sourcePathBytes = 0;
    /// Sections of the Corvane project file: root, project groups, folder groups.
    std::size_t groups = 0;
    /// Bytes of every file generated.
    std::size_t inputBytes = 0;
};

/// Receives generated files piece by piece, so that a large file is never held whole.
class FileSink {
public:
    virtual ~FileSink() = default;
    /// Starts a file; path is relative to the generated folder, with "/" separators.
    virtual void start(const std::string& path) = 0;
    /// Appends bytes to the file started last.
    virtual void append(const std::string& bytes) = 0;
};

/// Generates a workspace "<name>.cws" and one project file per project in a folder of
/// its own, for the Windows folder windowsFolder ("C:\ws\large") that will hold them.
GeneratedFigures generateWorkspace(const WorkspaceShape& shape, const std::string& name,
                                   const std::string& windowsFolder, FileSink& sink);

/// Generates the one project file "<name>.prj" (shape.projects is not used), for the
/// Windows folder that will hold it; its folder groups sit below the root.
GeneratedFigures generateProject(const WorkspaceShape& shape, const std::string& name,
                                 const std::string& windowsFolder, FileSink& sink);
