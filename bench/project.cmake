# Whole projects: opening and saving a generated 1,000,000-line project of 200 modules.
add_executable(bench_project ${CMAKE_CURRENT_LIST_DIR}/project_load_save.cpp)
target_link_libraries(bench_project PRIVATE lintrap_files benchmark::benchmark_main)
