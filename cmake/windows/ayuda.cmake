# The help file Lintrap.chm beside a target, compiled from the help page by Free Pascal's
# chmcmd (Debian's fp-utils): the HTML Help viewer opens it from the add-in's window.
find_program(LINTRAP_CHMCMD chmcmd)

function(lintrap_ayuda_chm destino)
    if(NOT LINTRAP_CHMCMD)
        message(FATAL_ERROR "Falta chmcmd para compilar Lintrap.chm (scripts/install-deps)")
    endif()
    set(carpeta ${CMAKE_CURRENT_BINARY_DIR}/ayuda)
    set(fuentes ${PROJECT_SOURCE_DIR}/docs/Lintrap.html ${PROJECT_SOURCE_DIR}/docs/Lintrap.hhp
                ${PROJECT_SOURCE_DIR}/docs/Lintrap.hhc)
    add_custom_command(OUTPUT ${carpeta}/Lintrap.chm
        COMMAND ${CMAKE_COMMAND} -E make_directory ${carpeta}
        COMMAND ${CMAKE_COMMAND} -E copy ${fuentes} ${carpeta}
        COMMAND ${LINTRAP_CHMCMD} Lintrap.hhp
        WORKING_DIRECTORY ${carpeta}
        DEPENDS ${fuentes}
        VERBATIM)
    add_custom_target(${destino}_ayuda DEPENDS ${carpeta}/Lintrap.chm)
    add_dependencies(${destino} ${destino}_ayuda)
    add_custom_command(TARGET ${destino} POST_BUILD
        COMMAND ${CMAKE_COMMAND} -E copy_if_different ${carpeta}/Lintrap.chm
                $<TARGET_FILE_DIR:${destino}>/Lintrap.chm
        VERBATIM)
endfunction()
