# 64-bit Windows with mingw-w64 (Debian's g++-mingw-w64-x86-64-posix): the build whose tests run
# here, under wine64. Programs are linked statically so that they need no DLL of ours nor
# mingw's runtime beside them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(lintrap_triplete x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)

# Test programs run under wine64 with a prefix of their own inside the build folder, so that a
# test run touches neither the user's ~/.wine nor another build's.
find_program(LINTRAP_WINE64 wine64 HINTS /usr/lib/wine)
if(LINTRAP_WINE64)
    set(CMAKE_CROSSCOMPILING_EMULATOR
        ${CMAKE_COMMAND} -E env WINEPREFIX=${CMAKE_BINARY_DIR}/wine WINEDEBUG=-all
        ${LINTRAP_WINE64})
endif()
