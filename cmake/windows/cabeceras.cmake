# lintrap_cabeceras(NAME entry...): the interface target NAME whose include folder holds only
# the given folders and files of /usr/include (linked, not copied).
function(lintrap_cabeceras nombre)
    string(MAKE_C_IDENTIFIER ${nombre} carpeta)
    set(raiz ${CMAKE_BINARY_DIR}/cabeceras/${carpeta})
    foreach(entrada IN LISTS ARGN)
        if(NOT EXISTS ${raiz}/${entrada})
            file(MAKE_DIRECTORY ${raiz})
            file(CREATE_LINK /usr/include/${entrada} ${raiz}/${entrada} SYMBOLIC)
        endif()
    endforeach()
    add_library(${nombre} INTERFACE IMPORTED GLOBAL)
    set_target_properties(${nombre} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${raiz})
endfunction()
