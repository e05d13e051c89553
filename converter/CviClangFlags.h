#pragma once

#include <array>

/// The flags that make clang read C the way LabWindows/CVI compiles it, placed right after
/// the compiler in every compilation database entry. An approximation of CVI's compiler:
///   --target=i686-pc-windows-msvc  CVI builds 32-bit Windows code; this target also brings
///                                  the Microsoft keywords CVI's headers use (__stdcall,
///                                  __declspec, __int64) and defines _WIN32 and _M_IX86.
///   -std=gnu99                     CVI's C: C99 with the common extensions.
///   -D_CVI_=1301                   CVI's own version macro (13.0.1: CVI 2013 SP1).
///   -D_NI_mswin_, -D_NI_mswin32_,  the platform macros CVI predefines for 32-bit Windows.
///   -D_NI_i386_
/// Users add their own flags in the tool (clangd's CompileFlags, clang-tidy's --extra-arg).
inline constexpr std::array<const char*, 6> cviClangFlags = {
    "--target=i686-pc-windows-msvc",
    "-std=gnu99",
    "-D_CVI_=1301",
    "-D_NI_mswin_=1",
    "-D_NI_mswin32_=1",
    "-D_NI_i386_=1",
};
