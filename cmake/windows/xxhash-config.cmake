# Debian's libxxhash-dev, used header-only: the functions are compiled into our own code, as
# there is no mingw build of the library. The target has the name pkg-config gives it on Linux.
include(${CMAKE_CURRENT_LIST_DIR}/cabeceras.cmake)
if(NOT TARGET PkgConfig::XXHASH)
    lintrap_cabeceras(PkgConfig::XXHASH xxhash.h xxh3.h)
    set_target_properties(PkgConfig::XXHASH PROPERTIES INTERFACE_COMPILE_DEFINITIONS XXH_INLINE_ALL)
endif()
set(xxhash_FOUND TRUE)
