# The main window's module selection over a generated module (design target: 100,000 lines,
# the procedure scan with status in 50 ms, plus filling the lists).
add_executable(bench_ui_main ${CMAKE_CURRENT_LIST_DIR}/ui_frmaddin.cpp)
target_link_libraries(bench_ui_main PRIVATE lintrap_qt lintrap_files benchmark::benchmark)
