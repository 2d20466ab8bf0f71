# What both mingw-w64 toolchains share; `lintrap_triplete` names the target.
# The -posix compilers: their C++ library has std::thread and std::mutex on winpthreads.
set(CMAKE_C_COMPILER ${lintrap_triplete}-gcc-posix)
set(CMAKE_CXX_COMPILER ${lintrap_triplete}-g++-posix)
set(CMAKE_RC_COMPILER ${lintrap_triplete}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${lintrap_triplete})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Static C and C++ runtimes and winpthreads: the programs carry them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
# Windows 7 API (CompareStringEx, SHGetKnownFolderPath, ...), Unicode entry points, and the
# C library's reentrant POSIX time functions (localtime_r), which mingw-w64 gives on request.
set(CMAKE_CXX_FLAGS_INIT "-D_WIN32_WINNT=0x0601 -DUNICODE -D_UNICODE -D_POSIX_THREAD_SAFE_FUNCTIONS")

# Debian has no mingw build of GoogleTest, and its header-only libraries sit in /usr/include
# beside glibc's headers, which must not come before mingw's. The packages are found through
# the config files of cmake/windows/, which build GoogleTest from Debian's sources and show
# each header-only library through a folder of its own.
set(CMAKE_FIND_PACKAGE_REDIRECTS_DIR ${CMAKE_CURRENT_LIST_DIR}/windows)
set(CMAKE_FIND_PACKAGE_PREFER_CONFIG ON)

# Optimised as on Linux, without debug information: wine shows no symbols, the shipped component
# is smaller, and compiling and linking take about a third less time.
set(CMAKE_BUILD_TYPE Release CACHE STRING "Debug, Release, RelWithDebInfo or MinSizeRel")
set(CMAKE_C_FLAGS_RELEASE "-O2 -DNDEBUG" CACHE STRING "Flags of a Release build")
set(CMAKE_CXX_FLAGS_RELEASE "-O2 -DNDEBUG" CACHE STRING "Flags of a Release build")
