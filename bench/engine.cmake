# The engine's speed over generated modules (design targets: 100,000 lines, 5,000 procedures).
if(TARGET lintrap_engine AND TARGET lintrap_files)
    add_executable(bench_engine ${CMAKE_CURRENT_LIST_DIR}/engine_motor.cpp)
    target_link_libraries(bench_engine PRIVATE lintrap_engine lintrap_files benchmark::benchmark)
endif()
