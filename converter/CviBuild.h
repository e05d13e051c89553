#pragma once

#include <map>
#include <string>
#include <vector>

#include "CviLineReader.h"

/// How one CVI project is compiled in one build configuration.
struct CviBuild {
    /// The configuration's "Config Name" ("Debug", "Release64", a custom name).
    std::string name;
    bool is64Bit = false;
    bool isRelease = false;
    /// "Enable C99 Extensions" is True.
    bool c99 = false;
    /// "Default Calling Convention" ("cdecl", "stdcall", ...); empty when the project names none.
    std::string callingConvention;
    /// The configuration's own definitions, name to value (empty without "=").
    std::map<std::string, std::string> definitions;
    /// The IVI and VXIplug&play roots the project header names for this build's width, in
    /// drive form; empty when it names none.
    std::string iviRoot;
    std::string vxiRoot;
};

/// Every build configuration one CVI project file describes.
struct CviProjectConfigs {
    /// One per "[Default Build Config ...]" and "[Custom Build Config N]" section, in file
    /// order; none in a project saved by CVI 9 or older.
    std::vector<CviBuild> configurations;
    /// The one set of such an older project: "[Compiler Options]" and "[Compiler Defines]".
    CviBuild legacy;
    /// The project header's "IVI Standard Root Dir", "VXIplug&play Framework Dir" and their
    /// "... 64-bit Dir" variants, in drive form.
    std::string iviRoot;
    std::string vxiRoot;
    std::string iviRoot64;
    std::string vxiRoot64;
};

/// The definitions of a "Compiler Defines" value: each "/D" option up to the next space, as
/// name and value (empty without "="), in order; every other option is skipped.
std::vector<std::pair<std::string, std::string>> compilerDefinitions(const std::string& value);

/// The configurations of a project file, read to its end with the line rules of
/// CviLineReader. Throws AsciiReaderError code 2 when the file fails while it is read.
CviProjectConfigs readProjectConfigs(CviLineReader& reader);

/// The configuration a database describes for a project: wanted when it is not empty and
/// the project has it, else own, the one its workspace builds ("Debug" when empty), else its
/// "Debug", else its first. A project of CVI 9 or older has the four standard names, all
/// with its one set. missed becomes the first name asked for that the project lacks, or empty.
CviBuild chooseBuild(const CviProjectConfigs& configs, const std::string& wanted,
                     const std::string& own, std::string& missed);
