#pragma once

/// What converting C:\ws\all.cws into C:\out gives, when main\main.prj holds main.c and
/// util.c in the folder Source Files, the include folder C:\ws\inc and the definition
/// DEBUG, and drv\drv.prj holds drv.c in Source Files and nothing else.

/// The bytes of C:\out\all.prj.
inline const char* const workedExampleListing =
    "VersionTag45\r\n"
    "StartProjectMarker\r\n"
    "FolderName=all\r\n"
    "SourcePath=C:\\out\\all\\\r\n"
    "OutputPath=C:\\out\\all\\output\\\r\n"
    "SubsPers=C:\\out\\person\\all.p_s\r\n"
    "AnalPers=C:\\out\\person\\all.p_a\r\n"
    "CompPers=C:\\out\\person\\all.p_c\r\n"
    "EndContainedFilesMarker\r\n"
    "StartSubProjectMarker\r\n"
    "StartProjectMarker\r\n"
    "FolderName=main\r\n"
    "SourcePath=C:\\ws\\main\\\r\n"
    "OutputPath=C:\\out\\all\\main\\output\\\r\n"
    "SubsPers=C:\\out\\person\\all.p_s\r\n"
    "AnalPers=C:\\out\\all\\main\\person\\main.p_a\r\n"
    "CompPers=C:\\out\\person\\all.p_c\r\n"
    "EndContainedFilesMarker\r\n"
    "StartSubProjectMarker\r\n"
    "StartProjectMarker\r\n"
    "FolderName=Source Files\r\n"
    "SourcePath=C:\\ws\\main\\\r\n"
    "OutputPath=C:\\out\\all\\main\\Source Files\\output\\\r\n"
    "SubsPers=C:\\out\\person\\all.p_s\r\n"
    "AnalPers=C:\\out\\all\\main\\person\\main.p_a\r\n"
    "CompPers=C:\\out\\person\\all.p_c\r\n"
    "C:\\ws\\main\\main.c\r\n"
    "C:\\ws\\main\\util.c\r\n"
    "EndContainedFilesMarker\r\n"
    "EndSubProjectMarker\r\n"
    "StartProjectMarker\r\n"
    "FolderName=drv\r\n"
    "SourcePath=C:\\ws\\drv\\\r\n"
    "OutputPath=C:\\out\\all\\drv\\output\\\r\n"
    "SubsPers=C:\\out\\person\\all.p_s\r\n"
    "AnalPers=C:\\out\\person\\all.p_a\r\n"
    "CompPers=C:\\out\\person\\all.p_c\r\n"
    "EndContainedFilesMarker\r\n"
    "StartSubProjectMarker\r\n"
    "StartProjectMarker\r\n"
    "FolderName=Source Files\r\n"
    "SourcePath=C:\\ws\\drv\\\r\n"
    "OutputPath=C:\\out\\all\\drv\\Source Files\\output\\\r\n"
    "SubsPers=C:\\out\\person\\all.p_s\r\n"
    "AnalPers=C:\\out\\person\\all.p_a\r\n"
    "CompPers=C:\\out\\person\\all.p_c\r\n"
    "C:\\ws\\drv\\drv.c\r\n"
    "EndContainedFilesMarker\r\n"
    "EndSubProjectMarker\r\n"
    "EndSubProjectMarker\r\n";

/// The console lines of the run, start and end lines included.
inline const char* const workedExampleConsole =
    "Creating Corvane/Corvane++ Project ...\n"
    "  Creating Group - all\n"
    "  Creating Group - main\n"
    "  Creating Analyser Personality - C:\\out\\all\\main\\person\\main.p_a\n"
    "  Creating Group - Source Files\n"
    "  Creating Group - drv\n"
    "  Creating Group - Source Files\n"
    "Corvane/Corvane++ Project Completed!\n";
