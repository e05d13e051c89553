#include <gtest/gtest.h>

#include <sstream>

#include "ProjectFileSummary.h"
#include "WorkedExample.h"

TEST(ProjectFileSummary, CountsSectionsAndSourceFileLinesOfAProjectFile) {
    std::istringstream file(workedExampleListing);
    const ProjectFileSummary summary = summariseProjectFile(file);
    EXPECT_EQ(summary.groups, 5u);
    EXPECT_EQ(summary.files, 3u);
    EXPECT_EQ(summary.fileBytes, std::string("C:\\ws\\main\\main.cC:\\ws\\main\\util.c"
                                             "C:\\ws\\drv\\drv.c")
                                     .size());
}

TEST(ProjectFileSummary, TakesAFileNamedLikeAMarkerOnlyWhenTheLineDiffers) {
    std::istringstream file("StartProjectMarker\r\nFolderName=x\r\nStartProjectMarker.c\r\n"
                            "\\c\\SourcePath=.c\r\nEndContainedFilesMarker");
    const ProjectFileSummary summary = summariseProjectFile(file);
    EXPECT_EQ(summary.groups, 1u);
    EXPECT_EQ(summary.files, 2u);
    EXPECT_EQ(summary.fileBytes, 36u);
}
