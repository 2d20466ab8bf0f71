# 32-bit Windows with mingw-w64 (Debian's g++-mingw-w64-i686-posix): the architecture of VB6 and
# its add-ins. This machine runs no 32-bit program, so this build is made and checked, not run.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(lintrap_triplete i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
