#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

#include "FakeHost.h"
#include "ProjectGroup.h"
#include "WorkspaceConverter.h"

/// A converter of C:\ws\all.cws (a workspace that lists no project) into C:\out with
/// the project name all, over a FakeHost; the tests fill its root group as the
/// driver and the CVI reader would.
struct WriterFixture : ::testing::Test {
    FakeHost host;
    std::ostringstream console;
    std::unique_ptr<WorkspaceConverter> converter;

    void SetUp() override {
        host.addFile("C:\\ws\\all.cws", "");
        host.addFolder("C:\\out");
        converter = std::make_unique<WorkspaceConverter>("C:\\ws\\all.cws", "C:\\cvi", "C:\\out",
                                                         host, console);
        converter->setProjectName("all");
    }
    /// The root group; the converter hands it out read-only, but it is not a const object.
    ProjectGroup& root() { return const_cast<ProjectGroup&>(converter->getRootGroup()); }
    /// A new sub-group of parent, with the given source folder.
    ProjectGroup& add(ProjectGroup& parent, const std::string& name,
                      const std::string& sourceFolder = std::string()) {
        auto group = std::make_unique<ProjectGroup>(name, converter.get());
        group->setSourceFolder(sourceFolder);
        ProjectGroup& added = *group;
        parent.addSubGroup(std::move(group));
        return added;
    }
    /// The tree of the workspace with main (two files, an include folder, DEBUG) and drv.
    void buildWorkedExample() {
        ProjectGroup& main = add(root(), "main", "C:\\ws\\main\\");
        main.addIncludePath("C:\\ws\\inc");
        main.setDefine("DEBUG", "");
        ProjectGroup& mainFiles = add(main, "Source Files", "C:\\ws\\main\\");
        mainFiles.addFile("C:\\ws\\main\\main.c");
        mainFiles.addFile("C:\\ws\\main\\util.c");
        ProjectGroup& drv = add(root(), "drv", "C:\\ws\\drv\\");
        add(drv, "Source Files", "C:\\ws\\drv\\").addFile("C:\\ws\\drv\\drv.c");
    }
    /// The bytes of C:\out\all.prj.
    std::string projectFile() { return host.fileBytes("C:\\out\\all.prj"); }
};

/// text up to and including the first occurrence of end.
inline std::string upTo(const std::string& text, const std::string& end) {
    const std::size_t at = text.find(end);
    return at == std::string::npos ? "(no " + end + ")" : text.substr(0, at + end.size());
}
