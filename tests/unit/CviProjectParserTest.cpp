#include "CviParserFixture.h"

#include "Errors.h"

// How parse classifies lines and how an entry is walked; source-file entries.

TEST_F(CviRead, EmptyFileLeavesTheGroupUnchanged) {
    EXPECT_EQ(read(""), "");
}

TEST_F(CviRead, OnlyTheFirstLineOfAnEntryIsTrimmedBeforeTheHeaderTest) {
    EXPECT_EQ(read(R"([File 0001]
File Type = "CSource"
  [File 0002]
Path = "/c/lost.c"
Folder = "Lost"
[File 0003]
File Type = "CSource"
Path = "/c/kept.c"
  [File 0004]
Folder = "Kept"
[File 0005]
File Type = "CSource"
  "[quoted]"  
Path = "/c/also lost.c"
[File 0006]
File Type = "Include"
  "[quoted]"  
Path = "/c/inc/x.h"
)"),
              // The first entry ends at once with neither path nor folder.
              " (C:\\w\\p\\)\n  \n  \nKept (C:\\w\\p\\)\n  \\c\\kept.c\n-i \\c\\inc\n");
}

TEST_F(CviRead, HeaderNamingIncludePathStartsItsReaderWhileCompilerDefinesIsIgnored) {
    EXPECT_EQ(read(R"([Compiler Defines/Debug]
Compiler Defines = "/DNDEBUG"
[Include Paths]
Include Path 1 Is Rel = False
Include Path 1 = "/c/inc"
)"),
              "-i c:\\inc\n-d NDEBUG=\n");
}

TEST_F(CviRead, HeaderThatEndsAnEntryIsNotSeenByParse) {
    // The first "Include Path" line after the consumed header is the trigger, not a value.
    EXPECT_EQ(read(R"([File 0001]
File Type = "CSource"
Path = "/c/a/x.c"
Folder = "Source Files"
[Include Paths]
Include Path 1 = "/c/first"
Include Path 2 = "/c/second"
[Compiler Options]
)"),
              "Source Files (C:\\w\\p\\)\n  \\c\\a\\x.c\n-i c:\\second\n");
}

TEST_F(CviRead, KeyTextsAreFoundInValuesToo) {
    EXPECT_EQ(read(R"([Project Header]
Pathname = "/c/Include Path/a.prj"
Include Path 1 = "/c/inc"
[Build Options]
Target Description = "built with Compiler Defines /DFROM_VALUE"
Comment = "File Type CSource"
Path = "/c/note.c"
[Other]
)"),
              " (C:\\w\\p\\)\n  \\c\\note.c\n-i c:\\inc\n-d FROM_VALUE=\n");
}

TEST_F(CviRead, ExcludeMustBeTrueQuotedOrNotForASourceEntry) {
    EXPECT_EQ(read(R"([File 0001]
File Type = "CSource"
Path = "/c/quoted.c"
Exclude = "True"
[File 0002]
File Type = "CSource"
Path = "/c/bare.c"
Exclude = True
[File 0003]
File Type = "CSource"
Path = "/c/lower.c"
Exclude = true
[File 0004]
File Type = "CSource"
Path = "/c/false.c"
Exclude = False
)"),
              " (C:\\w\\p\\)\n  \\c\\lower.c\n  \\c\\false.c\n");
}

TEST_F(CviRead, SourcePathsFollowTheirBase) {
    EXPECT_EQ(read(R"([File 0001]
File Type = "CSource"
Path Is Rel = True
Path Rel To = "Project"
Path Rel Path = "src/m.c"
Path = "/c/elsewhere/m.c"
Folder = "Source Files"
[File 0002]
File Type = "CSource"
Path Is Rel = True
Path Rel To = "CVI"
Path Rel To Override = "CVI"
Path Rel Path = "toolslib/custctrl/bar.c"
Path = "/c/Program Files/CVI/toolslib/custctrl/bar.c"
Folder = "Source Files"
[File 0003]
File Type = "CSource"
Path Is Rel = True
Path Rel To = "VXIPlug&Play"
Path Rel Path = "drv/d.c"
Path = "/c/VXIPNP/drv/d.c"
Folder = "Instrument Files"
[File 0004]
File Type = "CSource"
Path = "/c/before/rel.c"
Path Is Rel = True
Path Rel To = "Project"
Path Rel Path = "rel.c"
Folder = "Source Files"
[File 0005]
File Type = "CSource"
Path Is Rel = False
Path Rel To = "Project"
Path Rel Path = "ignored.c"
Path = "/c/abs.c"
Folder = "source files"
)"),
              "Source Files (C:\\w\\p\\)\n"
              "  C:\\w\\p\\src\\m.c\n"
              "  C:\\cvi\\toolslib\\custctrl\\bar.c\n"
              "  C:\\w\\p\\rel.c\n"
              "Instrument Files (C:\\w\\p\\)\n"
              "  \\c\\VXIPNP\\drv\\d.c\n"
              "source files (C:\\w\\p\\)\n"
              "  \\c\\abs.c\n");
}

TEST_F(CviRead, FolderIdIsNotTheFolder) {
    EXPECT_EQ(read(R"([File 0001]
File Type = "CSource"
Path = "/c/a.c"
Folder = "Source Files"
Folder Id = 0
[File 0002]
File Type = "CSource"
Path = "/c/b.c"
Folder Id = 1
Folder = "Library Files"
[File 0003]
File Type = "CSource"
Path = "/c/c.c"
  Folder   = "Source Files"
[File 0004]
File Type = "CSource"
Path = "/c/d.c"
Folder Id = 2
)"),
              "Source Files (C:\\w\\p\\)\n  \\c\\a.c\n  \\c\\c.c\n"
              "Library Files (C:\\w\\p\\)\n  \\c\\b.c\n"
              " (C:\\w\\p\\)\n  \\c\\d.c\n");
}

TEST_F(CviRead, EveryPlaceWherePathStandsIsLookedAt) {
    // The relative key is the second "Path" of its line; "Pathways" makes a path line.
    EXPECT_EQ(read(R"([File 0001]
File Type = "CSource"
Path Is Rel = True
Path Rel To = "Project"
The Path, then Path Rel Path = "src/a.c"
Folder = "Src"
[File 0002]
File Type = "CSource"
Folder = "Pathways"
Folder = "Docs"
[File 0003]
File Type = "Include"
Path Is Rel = True
PathPath Rel To = "CVI"
Path Rel Path = "include/x.h"
)"),
              "Src (C:\\w\\p\\)\n  C:\\w\\p\\src\\a.c\n"
              "Docs (C:\\w\\p\\)\n  Pathways\n"
              "-i C:\\cvi\\include\n");
}

TEST_F(CviRead, SplitPathsAreReadWhole) {
    EXPECT_EQ(read(R"([File 0001]
File Type = "CSource"
Path Is Rel = False
Path Line0001 = "/c/Program Files (x86)/National Instruments/CVI2017/toolslib/custctrl/progressba"
Path Line0002 = "r.c"
Folder = "Source Files"
[File 0002]
File Type = "CSource"
Path Is Rel = True
Path Rel To = "Project"
Path Rel Path Line0001 = "../../../Public/Documents/National Instruments/CVI2019/samples/activex/o"
Path Rel Path Line0002 = "utlook.c"
Path Line0001 = "/c/Users/Public/Documents/National Instruments/CVI2019/samples/activex/o"
Path Line0002 = "utlook.c"
Folder = "Source Files"
[File 0003]
File Type = "CSource"
Path Line0001 = "/c/first/half"
Folder = "Source Files"
Path Line0002 = "/second.c"
)"),
              "Source Files (C:\\w\\p\\)\n"
              "  \\c\\Program Files (x86)\\National "
              "Instruments\\CVI2017\\toolslib\\custctrl\\progressbar.c\n"
              "  C:\\w\\p\\..\\..\\..\\Public\\Documents\\National "
              "Instruments\\CVI2019\\samples\\activex\\outlook.c\n"
              // Parts that are not consecutive stay apart; the later "Path" line wins.
              "  \\second.c\n");
}

TEST_F(CviRead, ExtensionsFilterSourceFilesWithoutRegardToCase) {
    const std::string project = R"([File 0001]
File Type = "CSource"
Path = "/c/x.C"
[File 0002]
File Type = "CSource"
Path = "/c/y.cpp"
[File 0003]
File Type = "Include"
Path = "/c/inc.hpp/z.hpp"
)";
    EXPECT_EQ(read(project, {"c", "h"}), " (C:\\w\\p\\)\n  \\c\\x.C\n-i \\c\\inc.hpp\n");
    ProjectGroup all("all", &converter);
    EXPECT_EQ(readInto(all, project, {}, "C:\\w\\p\\a.prj"),
              " (C:\\w\\p\\)\n  \\c\\x.C\n  \\c\\y.cpp\n-i \\c\\inc.hpp\n");
}

TEST_F(CviRead, OneParserReadsProjectAfterProject) {
    // The first file ends inside an entry and inside a split value, without a line feed.
    EXPECT_EQ(read("[File 0001]\n"
                   "File Type = \"CSource\"\n"
                   "Path Is Rel = True\n"
                   "Path Rel To = \"Project\"\n"
                   "Folder = \"Source Files\"\n"
                   "Path Rel Path Line0001 = \"o\"\n"
                   "Path Rel Path Line0002 = \"ne.c\""),
              "Source Files (C:\\w\\p\\)\n  C:\\w\\p\\one.c\n");
    ProjectGroup second("b", &converter);
    EXPECT_EQ(readInto(second,
                       "Path Rel Path Line0002 = \"lost.c\"\n"
                       "[File 0001]\n"
                       "File Type = \"CSource\"\n"
                       "Path Is Rel = True\n"
                       "Path Rel To = \"Project\"\n"
                       "Path Rel Path = \"two.c\"\n"
                       "Folder = \"Source Files\"\n",
                       {}, "C:\\q\\b.prj"),
              "Source Files (C:\\q\\)\n  C:\\q\\two.c\n");
    EXPECT_EQ(contentOf(group), "Source Files (C:\\w\\p\\)\n  C:\\w\\p\\one.c\n");
}

TEST_F(CviRead, AnyBytesAndLineEndsAreRead) {
    using namespace std::string_literals;
    std::string bytes = "[File 0001]\r\n"
                        "File Type = \"CSource\"\r\n"
                        "Path = \"/c/a\0\xff.c\"\r\n"
                        "Folder = \"Source Files\"\r\n"
                        "[File 0002]\n"
                        "File Type = \"CSource\"\n"
                        "Folder = \"Source Files\"\n"s;
    bytes += std::string(1 << 20, '\0') + "\r\n" + std::string(1 << 20, 'x') + "\n";
    bytes += "Path = \"/c/b.c\"";
    EXPECT_EQ(read(bytes), "Source Files (C:\\w\\p\\)\n  \\c\\a\0\xff.c\n  \\c\\b.c\n"s);
}

TEST_F(CviRead, MissingProjectFileCannotBeOpened) {
    try {
        parser.open("C:\\w\\missing.prj");
        FAIL() << "no failure";
    } catch (const AsciiReaderError& error) {
        EXPECT_EQ(error.code, 2);
    }
    parser.parse();
    EXPECT_EQ(read("Compiler Defines = \"/DAFTER\""), "-d AFTER=\n");
}
