# The in-memory code module: the engine's line walk, loading and saving, and the steps of a
# numbering run one by one; the memory of deeply nested property groups.
add_executable(bench_files ${CMAKE_CURRENT_LIST_DIR}/files_module.cpp
                           ${CMAKE_CURRENT_LIST_DIR}/files_parse.cpp
                           ${CMAKE_CURRENT_LIST_DIR}/files_designer.cpp)
target_link_libraries(bench_files PRIVATE lintrap_files benchmark::benchmark_main)
