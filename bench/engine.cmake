# The engine's speed over generated modules (design targets: 100,000 lines, 5,000 procedures).
add_executable(bench_engine ${CMAKE_CURRENT_LIST_DIR}/engine_motor.cpp)
target_link_libraries(bench_engine PRIVATE lintrap_engine lintrap_files benchmark::benchmark)
# The commands whole: selection, every procedure and the status column's rebuild.
add_executable(bench_engine_comandos ${CMAKE_CURRENT_LIST_DIR}/engine_comandos.cpp)
target_link_libraries(bench_engine_comandos PRIVATE lintrap_engine lintrap_files
                                                    benchmark::benchmark)
