# The system report (InfoSistema), its probes and the e-mail reports.

# Pure text functions: no platform, no runtime; tested on their own.
add_library(lintrap_infotextos STATIC
    ${CMAKE_CURRENT_LIST_DIR}/Textos.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TextosSistema.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TextosDrives.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TextosFecha.cpp)
target_include_directories(lintrap_infotextos PUBLIC ${PROJECT_SOURCE_DIR})

# The report, its probes and the mail: need the runtime (registry store, message boxes, App).
find_package(CURL REQUIRED)
add_library(lintrap_infosistema STATIC
    ${CMAKE_CURRENT_LIST_DIR}/SondasLinux.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SondasSistema.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SondasLocale.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SondasDrives.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SondasEscritorio.cpp
    ${CMAKE_CURRENT_LIST_DIR}/InfoSistemaVersiones.cpp
    ${CMAKE_CURRENT_LIST_DIR}/InfoSistemaFuente.cpp
    ${CMAKE_CURRENT_LIST_DIR}/InfoSistema.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Correo.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MandaEMAIL.cpp)
target_link_libraries(lintrap_infosistema PUBLIC lintrap_infotextos lintrap_clserrores
                      CURL::libcurl)
