# The code viewer's colouring: the plain passes alone, and the window with its view updated.
if(TARGET lintrap_qt)
    add_executable(bench_viewer ${CMAKE_CURRENT_LIST_DIR}/viewer_colores.cpp)
    target_include_directories(bench_viewer PRIVATE ${PROJECT_SOURCE_DIR})
    target_link_libraries(bench_viewer PRIVATE lintrap_qt lintrap_files benchmark::benchmark)
endif()

# The callers list over a generated 1,000,000-line project.
add_executable(bench_callers ${CMAKE_CURRENT_LIST_DIR}/viewer_llamadores.cpp)
target_link_libraries(bench_callers PRIVATE lintrap_ui lintrap_files benchmark::benchmark_main)
