#pragma once

#include <cstddef>
#include <iosfwd>

/// What a Corvane project file lists.
struct ProjectFileSummary {
    /// Sections ("StartProjectMarker" lines).
    std::size_t groups = 0;
    /// Source file lines.
    std::size_t files = 0;
    /// Bytes of the source file lines, without their line ends.
    std::size_t fileBytes = 0;
};

/// Counts the sections and source file lines of a project file (CR LF lines), reading
/// it line by line so that a large one is never held whole.
ProjectFileSummary summariseProjectFile(std::istream& file);
