#pragma once

#include <array>
#include <string>
#include <vector>

#include "CviBuild.h"

/// The flags that make clang read C the way LabWindows/CVI compiles one build configuration,
/// placed right after the compiler in every compilation database entry. An approximation of
/// CVI's compiler, each kind of configuration adding its own:
///   every build         -D_CVI_=1301 (CVI's version macro: 13.0.1, CVI 2013 SP1) and
///                       -D_NI_mswin_ (the macro of every Windows platform);
///   32-bit              --target=i686-pc-windows-msvc (32-bit Windows, with the Microsoft
///                       keywords CVI's headers use: __stdcall, __declspec, __int64), the
///                       macros that target gives, -D_WIN32=1 and -D_M_IX86=600, for the tools
///                       that do not read the target (cppcheck), then -D_NI_mswin32_ and
///                       -D_NI_i386_;
///   64-bit              --target=x86_64-pc-windows-msvc, its macros -D_WIN32=1, -D_WIN64=1,
///                       -D_M_X64=100 and -D_M_AMD64=100, and -D_NI_mswin64_ in place of the
///                       32-bit macros;
///   C99 extensions on   -std=gnu99, else -std=gnu89;
///   debug               -D_CVI_DEBUG_=1, which release configurations lack;
///   stdcall by default  -mrtd, on 32-bit builds only: 64-bit Windows has one convention.
/// Users add their own flags in the tool (clangd's CompileFlags, clang-tidy's --extra-arg).
inline constexpr std::array<const char*, 2> cviCommonMacros = {"-D_CVI_=1301", "-D_NI_mswin_=1"};
inline constexpr std::array<const char*, 4> cvi32BitMacros = {"-D_WIN32=1", "-D_M_IX86=600",
                                                              "-D_NI_mswin32_=1", "-D_NI_i386_=1"};
inline constexpr std::array<const char*, 5> cvi64BitMacros = {
    "-D_WIN32=1", "-D_WIN64=1", "-D_M_X64=100", "-D_M_AMD64=100", "-D_NI_mswin64_=1"};

/// The flags of build, in the order: target, language, common macros, platform macros, the
/// debug macro, the calling convention.
inline std::vector<std::string> cviClangFlags(const CviBuild& build) {
    std::vector<std::string> flags;
    flags.emplace_back(build.is64Bit ? "--target=x86_64-pc-windows-msvc"
                                     : "--target=i686-pc-windows-msvc");
    flags.emplace_back(build.c99 ? "-std=gnu99" : "-std=gnu89");
    flags.insert(flags.end(), cviCommonMacros.begin(), cviCommonMacros.end());
    if (build.is64Bit)
        flags.insert(flags.end(), cvi64BitMacros.begin(), cvi64BitMacros.end());
    else
        flags.insert(flags.end(), cvi32BitMacros.begin(), cvi32BitMacros.end());
    if (!build.isRelease)
        flags.emplace_back("-D_CVI_DEBUG_=1");
    if (!build.is64Bit && build.callingConvention == "stdcall")
        flags.emplace_back("-mrtd");
    return flags;
}
