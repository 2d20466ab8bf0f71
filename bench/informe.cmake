# The system report: built afresh for every e-mail report, so it should cost little next to
# the mail itself.
add_executable(bench_informe ${CMAKE_CURRENT_LIST_DIR}/informe_reporte.cpp)
target_link_libraries(bench_informe PRIVATE lintrap_infosistema benchmark::benchmark_main)
