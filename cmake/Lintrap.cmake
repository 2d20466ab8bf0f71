# How a folder adds its targets. Every library and every test program of the project is made
# by one of these functions, so that each folder's CMakeLists.txt reads the same way.

# lintrap_biblioteca(NAME SOURCES file... [PUBLIC dep...] [PRIVATE dep...])
# A static library. Its headers are included from the project's root ("engine/Motor.h"), the
# only folder it exports; what its own headers need is PUBLIC, what only its sources need is
# PRIVATE. Position-independent, so that it may go into the add-in's shared component.
function(lintrap_biblioteca nombre)
    cmake_parse_arguments(PARSE_ARGV 1 B "" "" "SOURCES;PUBLIC;PRIVATE")
    add_library(${nombre} STATIC ${B_SOURCES})
    target_include_directories(${nombre} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${nombre} PUBLIC ${B_PUBLIC} PRIVATE ${B_PRIVATE})
    set_target_properties(${nombre} PROPERTIES POSITION_INDEPENDENT_CODE ON)
endfunction()

# lintrap_prueba(NAME SOURCES file... [LIBS dep...] [PREFIX text] [OWN_MAIN]
#                [PROPERTIES name value...])
# A GoogleTest program, one CTest test per case, named PREFIX followed by the case's name
# (cross-built: one CTest test for the whole program, PREFIX followed by its name).
# It knows the sources' folder (LINTRAP_SOURCE_DIR) for the data it reads; OWN_MAIN when one of
# LIBS gives main() (the window tests start a QApplication first).
function(lintrap_prueba nombre)
    cmake_parse_arguments(PARSE_ARGV 1 P "OWN_MAIN" "PREFIX" "SOURCES;LIBS;PROPERTIES")
    add_executable(${nombre} ${P_SOURCES})
    if(P_OWN_MAIN)
        target_link_libraries(${nombre} PRIVATE ${P_LIBS} GTest::gtest)
    else()
        target_link_libraries(${nombre} PRIVATE ${P_LIBS} GTest::gtest_main)
    endif()
    target_include_directories(${nombre} PRIVATE ${PROJECT_SOURCE_DIR})
    target_compile_definitions(${nombre} PRIVATE LINTRAP_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
    if(CMAKE_CROSSCOMPILING)
        # Under an emulator (wine) each start costs a second or more: the program runs once with
        # all its cases, and nothing is started at build time to list them.
        add_test(NAME ${P_PREFIX}${nombre} COMMAND ${nombre})
        if(P_PROPERTIES)
            set_tests_properties(${P_PREFIX}${nombre} PROPERTIES ${P_PROPERTIES})
        endif()
    elseif(P_PROPERTIES)
        gtest_discover_tests(${nombre} TEST_PREFIX "${P_PREFIX}" DISCOVERY_TIMEOUT 30
                             PROPERTIES ${P_PROPERTIES})
    else()
        gtest_discover_tests(${nombre} TEST_PREFIX "${P_PREFIX}" DISCOVERY_TIMEOUT 30)
    endif()
endfunction()

# The add-in finds the shipped runtime sources in a "ClsErrores" folder beside its own
# component, and its help file beside it. Targets that stand for the add-in (the component,
# the command line, the tests) call these to get the files copied next to them after each build.
function(lintrap_copia_modulos destino)
    set(modulos ${PROJECT_SOURCE_DIR}/ClsErrores/clsErrores.cls
                ${PROJECT_SOURCE_DIR}/ClsErrores/InfoSistema.bas)
    add_custom_command(TARGET ${destino} POST_BUILD
        COMMAND ${CMAKE_COMMAND} -E make_directory $<TARGET_FILE_DIR:${destino}>/ClsErrores
        COMMAND ${CMAKE_COMMAND} -E copy_if_different ${modulos}
                $<TARGET_FILE_DIR:${destino}>/ClsErrores
        VERBATIM)
endfunction()

function(lintrap_copia_ayuda destino)
    add_custom_command(TARGET ${destino} POST_BUILD
        COMMAND ${CMAKE_COMMAND} -E copy_if_different ${PROJECT_SOURCE_DIR}/docs/Lintrap.html
                $<TARGET_FILE_DIR:${destino}>/Lintrap.html
        VERBATIM)
endfunction()
