# The Windows download, lintrap-<version>-win64.zip or -win32.zip: lintrap.exe, README, the
# runtime sources it adds to projects and the example project. The layout is the one the
# program expects: "ClsErrores" beside lintrap.exe.
install(TARGETS lintrap RUNTIME DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/ClsErrores/clsErrores.cls
              ${PROJECT_SOURCE_DIR}/ClsErrores/InfoSistema.bas DESTINATION ClsErrores)
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION .)
# The example project, to try the program on at once.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/Demo DESTINATION .)

if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
    set(lintrap_plataforma win64)
else()
    set(lintrap_plataforma win32)
endif()
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME lintrap-${PROJECT_VERSION}-${lintrap_plataforma})
# The zip holds one folder of the same name, so that unpacking it never scatters files.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
# Installing needs only lintrap.exe, built just before, not every test program.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
# The debugging information stays in the build folder; the download carries the program only.
set(CPACK_STRIP_FILES ON)
include(CPack)
