# The runtime error handler: Push/Pop on every procedure entry and exit, and ManejoError with
# the log on.
add_executable(bench_runtime ${CMAKE_CURRENT_LIST_DIR}/runtime_clsErrores.cpp)
target_link_libraries(bench_runtime PRIVATE lintrap_clserrores benchmark::benchmark_main)
