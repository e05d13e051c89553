#pragma once

#include <string>

/// A CVI project file's entry for a C source relative to the project, in the CVI folder given.
inline std::string cviSourceEntry(const std::string& file,
                                  const std::string& folder = "Source Files") {
    return "[File 0001]\n"
           "File Type = \"CSource\"\n"
           "Path Is Rel = True\n"
           "Path Rel To = \"Project\"\n"
           "Path Rel Path = \"" +
           file + "\"\nExclude = False\nFolder = \"" + folder + "\"\n\n";
}
