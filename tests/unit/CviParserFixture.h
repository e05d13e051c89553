#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "CviProjectParser.h"
#include "FakeHost.h"
#include "ProjectGroup.h"
#include "WorkspaceConverter.h"

/// What a group holds, one line per item: each sub-group as "<name> (<source folder>)"
/// with its files indented below it, then "-i <folder>" and "-d <name>=<value>".
inline std::string contentOf(const ProjectGroup& group) {
    std::string text;
    for (const auto& sub : group.getSubGroups()) {
        text += sub->getName() + " (" + sub->getSourceFolder() + ")\n";
        for (const std::string& file : sub->getFiles())
            text += "  " + file + "\n";
    }
    for (const std::string& folder : group.getIncludePaths())
        text += "-i " + folder + "\n";
    for (const auto& [name, value] : group.getDefines())
        text += "-d " + name + "=" + value + "\n";
    return text;
}

/// One project group read by a CviProjectParser from files on a FakeHost; the CVI
/// folder is C:\cvi and the project's folder C:\w\p\.
struct CviRead : ::testing::Test {
    FakeHost host;
    std::ostringstream console;
    WorkspaceConverter converter{"C:\\w\\p\\a.prj", "C:\\cvi", "C:\\out", host, console};
    ProjectGroup group{"a", &converter};
    CviProjectParser parser{&converter};

    /// Reads bytes, stored as the project file path, into target the way the driver
    /// does, and returns contentOf(target).
    std::string read(const std::string& bytes, const std::vector<std::string>& extensions = {},
                     const std::string& path = "C:\\w\\p\\a.prj") {
        return readInto(group, bytes, extensions, path);
    }

    std::string readInto(ProjectGroup& target, const std::string& bytes,
                         const std::vector<std::string>& extensions, const std::string& path) {
        host.addFile(path, bytes);
        target.setSourceFolder(path.substr(0, path.rfind('\\') + 1));
        parser.setGroup(&target);
        parser.setConverter(&converter);
        parser.setCviDir("C:\\cvi");
        parser.setAcceptedExtensions(extensions);
        parser.open(path);
        parser.parse();
        return contentOf(target);
    }
};
