# What the add-in's windows compute, without Qt: the callers list, the references and the
# controls report. The windows and the command line share these libraries, so they are built
# also where Qt is not (the command line, the sanitizer builds).
add_library(lintrap_viewer_core STATIC
    ${CMAKE_CURRENT_LIST_DIR}/viewer/Llamadores.cpp
)
target_include_directories(lintrap_viewer_core PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(lintrap_viewer_core PUBLIC lintrap_vbide lintrap_engine lintrap_base)

add_library(lintrap_inspectors_core STATIC
    ${CMAKE_CURRENT_LIST_DIR}/inspectors/Referencias.cpp
    ${CMAKE_CURRENT_LIST_DIR}/inspectors/Controles.cpp
)
target_include_directories(lintrap_inspectors_core PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(lintrap_inspectors_core PUBLIC lintrap_vbide lintrap_base)

# What the main window decides without widgets: no Qt, so the command line may use it too.
add_library(lintrap_main_reglas STATIC ${CMAKE_CURRENT_LIST_DIR}/main/Reglas.cpp)
target_include_directories(lintrap_main_reglas PUBLIC ${PROJECT_SOURCE_DIR})

# Each window's behaviour: its state and its handlers over the view of ui/Vista.h, with no
# toolkit. The skins (qt/) build the controls and show what these tell them.
add_library(lintrap_ui STATIC
    ${CMAKE_CURRENT_LIST_DIR}/config/frmConfiguracion.cpp
    ${CMAKE_CURRENT_LIST_DIR}/inspectors/frmControles.cpp
    ${CMAKE_CURRENT_LIST_DIR}/inspectors/frmRefs.cpp
    ${CMAKE_CURRENT_LIST_DIR}/main/frmAbout.cpp
)
target_include_directories(lintrap_ui PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(lintrap_ui PUBLIC lintrap_install lintrap_inspectors_core
                                       lintrap_main_reglas lintrap_clserrores)
