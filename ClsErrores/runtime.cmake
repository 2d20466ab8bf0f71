# The runtime error handler in C++: clsErrores, the current error, message boxes, the log file,
# the registry store and the running program's description.
find_package(nlohmann_json REQUIRED)

add_library(lintrap_clserrores STATIC
    ${CMAKE_CURRENT_LIST_DIR}/App.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Convencion.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Direccion.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ErrObject.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GrabaLog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LogRegistro.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MsgBox.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Registro.cpp
    ${CMAKE_CURRENT_LIST_DIR}/clsErrores.cpp
)
target_include_directories(lintrap_clserrores PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(lintrap_clserrores PUBLIC lintrap_base PRIVATE nlohmann_json::nlohmann_json)
target_compile_definitions(lintrap_clserrores PRIVATE
    LINTRAP_VERSION_MAJOR=${PROJECT_VERSION_MAJOR}
    LINTRAP_VERSION_MINOR=${PROJECT_VERSION_MINOR}
    LINTRAP_VERSION_PATCH=${PROJECT_VERSION_PATCH})
