# Cross-builds the Windows programs on Debian with MinGW-w64 (the POSIX-threads compilers of
# g++-mingw-w64-x86-64-posix) and runs the built Windows programs, tests included, under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One .exe that needs no DLL beside it: libstdc++, libgcc and winpthread are linked in.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Debian keeps the 64-bit loader outside PATH; Wine's own Windows DLLs lie in a folder of
# their own, which the throwaway prefixes use as C:\windows\system32 instead of a wineboot.
find_program(QUORVEL_WINE NAMES wine64 PATHS /usr/lib/wine /opt/wine-stable/bin
             NO_CMAKE_FIND_ROOT_PATH)
find_path(QUORVEL_WINE_DLLS kernel32.dll
          PATHS /usr/lib/x86_64-linux-gnu/wine/x86_64-windows /usr/lib/wine/x86_64-windows
                /usr/lib64/wine/x86_64-windows /opt/wine-stable/lib/wine/x86_64-windows
          NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
set(QUORVEL_WINE_PREFIX "${CMAKE_BINARY_DIR}/wine-prefix")
if(QUORVEL_WINE AND QUORVEL_WINE_DLLS)
  set(CMAKE_CROSSCOMPILING_EMULATOR
      "${CMAKE_CURRENT_LIST_DIR}/wine-run.sh;${QUORVEL_WINE};${QUORVEL_WINE_DLLS};${QUORVEL_WINE_PREFIX}")
endif()
