#include "CviParserFixture.h"

// Include-file entries, the include-path section and compiler defines.

TEST_F(CviRead, IncludeFilesGiveTheFolderThatHoldsThem) {
    EXPECT_EQ(read(R"([File 0001]
File Type = "Include"
Path Is Rel = True
Path Rel To = "Project"
Path Rel Path = "a.h"
Path = "/c/w/p/a.h"
[File 0002]
File Type = "Include"
Path Is Rel = True
Path Rel To = "Project"
Path Rel Path = "inc/sub/b.h"
[File 0003]
File Type = "Function Panel"
Path Is Rel = True
Path Rel To = "CVI"
Path Rel Path = "toolslib/x/x.fp"
[File 0004]
File Type = "Function Panel"
Path Is Rel = True
Path Rel To = "CVI"
Path Rel Path = "top.fp"
[File 0005]
File Type = "Include"
Path Is Rel = False
Path = "/c/abs/inc/z.h"
[File 0006]
File Type = "Include"
Path Is Rel = True
Path Rel To = "VXIPlug&Play"
Path Rel Path = "vxi.h"
Path = "/c/VXIPNP/include/vxi.h"
[File 0007]
File Type = "Include"
Path = "bare.h"
)"),
              "-i C:\\cvi\n"
              "-i C:\\cvi\\toolslib\\x\n"
              "-i C:\\w\\p\n"
              "-i C:\\w\\p\\inc\\sub\n"
              "-i \\c\\VXIPNP\\include\n"
              "-i \\c\\abs\\inc\n"
              "-i bare.h\n");
}

TEST_F(CviRead, IncludeFileIsExcludedOnlyByAnUnquotedTrue) {
    EXPECT_EQ(read(R"([File 0001]
File Type = "Include"
Path = "/c/quoted/q.h"
Exclude = "True"
[File 0002]
File Type = "Include"
Path = "/c/bare/b.h"
Exclude =  True 
)"),
              "-i \\c\\quoted\n");
}

TEST_F(CviRead, IncludeFoldersAreHeldOnceInByteOrder) {
    EXPECT_EQ(read(R"([File 0001]
File Type = "Include"
Path = "/c/b/x.h"
[File 0002]
File Type = "Include"
Path = "/c/B/y.h"
[File 0003]
File Type = "Include"
Path = "/c/a/z.h"
[File 0004]
File Type = "Include"
Path = "/c/b/w.h"
[File 0005]
File Type = "Include"
Exclude = False
[Include Paths]
Include Path 1 = "/c/b"
Include Path 2 = "/c/b"
)"),
              "-i \\c\\B\n-i \\c\\a\n-i \\c\\b\n-i c:\\b\n");
}

TEST_F(CviRead, IncludePathsTakeTheirBaseAndKeepFlagsAcrossTheSection) {
    EXPECT_EQ(read(R"([Include Paths]
Include Path 1 Is Rel = False
Include Path 1 = "/c/abs/inc"
Include Path 2 Is Rel = True
Include Path 2 Rel To = "Project"
Include Path 2 Rel Path = "../inc"
Include Path 2 = "/c/w/inc"
Include Path 3 Is Rel = True
Include Path 3 Rel To = "CVI"
Include Path 3 Rel To Override = "CVI"
Include Path 3 Rel Path = "include"
Include Path 3 = "/c/Program Files/CVI/include"
Include Path 4 Is Rel = True
Include Path 4 Rel To = "VXIPlug&Play"
Include Path 4 Rel Path = "include"
Include Path 4 = "/c/VXIPNP/WinNT/include"
Include Path 5 Is Rel = True
Include Path 5 Rel To = "Project"
Include Path 5 Rel Path = ""
Include Path 5 = "/c/w/p"
Include Path 6 Is Rel = True
Include Path 6 Rel Path = "kept/base"
Include Path 6 = "/c/w/p/kept/base"
Include Path 7 Is Rel = True
Include Path 7 Rel To = "CVI"
Include Path 7 Rel Path = ""
Include Path 7 = "/c/Program Files/CVI"
[Compiler Options]
Include Path 8 = "/c/not/in/the/section"
)"),
              "-i C:\\cvi\n"
              "-i C:\\cvi\\include\n"
              "-i C:\\w\\p\n"
              "-i C:\\w\\p\\..\\inc\n"
              "-i C:\\w\\p\\kept\\base\n"
              "-i c:\\VXIPNP\\WinNT\\include\n"
              "-i c:\\abs\\inc\n");
}

TEST_F(CviRead, SplitIncludePathsAreReadWhole) {
    EXPECT_EQ(read(R"([Include Paths]
Include Path 1 Is Rel = False
Include Path 1 Line0001 = "/c/Documents and Settings/me/Working Area/Libraries/String Utils/tru"
Include Path 1 Line0002 = "nk/include"
Include Path 2 Is Rel = True
Include Path 2 Rel To = "Project"
Include Path 2 Rel Path Line0001 = "../../Shared Libraries/With A Long Name/Version 2/Include Fol"
Include Path 2 Rel Path Line0002 = "der"
Include Path 2 Line0001 = "/c/Shared Libraries/With A Long Name/Version 2/Include Fol"
Include Path 2 Line0002 = "der"
)"),
              "-i C:\\w\\p\\..\\..\\Shared Libraries\\With A Long Name\\Version 2\\Include Folder\n"
              "-i c:\\Documents and Settings\\me\\Working Area\\Libraries\\String "
              "Utils\\trunk\\include\n");
}

TEST_F(CviRead, CompilerDefinesTakeEverySlashD) {
    EXPECT_EQ(read(R"([Compiler Options]
Compiler Defines = "/DWIN32 /Ox /DLEVEL=2 /I/Dev /DEQ=a=b"
[Release]
Compiler Defines = ""
Compiler Defines = "/DLEVEL=3"
)"),
              "-d EQ=a=b\n-d LEVEL=3\n-d WIN32=\n-d ev=\n");
}

TEST_F(CviRead, SplitCompilerDefinesAreReadWhole) {
    EXPECT_EQ(read(R"([Compiler Options]
Compiler Defines Line0001 = "/DWIN32_LEAN_AND_MEAN /DMODULE_ONE /DMODULE_TWO"
Compiler Defines Line0002 = "  /DMODULE_THREE /DSPL"
Compiler Defines Line0003 = "IT=1"
)"),
              "-d MODULE_ONE=\n-d MODULE_THREE=\n-d MODULE_TWO=\n-d SPLIT=1\n"
              "-d WIN32_LEAN_AND_MEAN=\n");
}
