# Cross build of vbgen.exe and its tests with Debian's MinGW-w64 (posix threads).
# Programs built here run at build time and in the tests under Wine, with a
# Wine prefix of their own inside the build folder.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-compilers.cmake)

# No DLL beside the executables: the C and C++ runtimes and winpthreads linked in.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

set(CMAKE_CROSSCOMPILING_EMULATOR
    ${CMAKE_COMMAND} -E env WINEDEBUG=-all "WINEDLLOVERRIDES=mscoree,mshtml=d"
    WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix /usr/lib/wine/wine64)
