# Generation time of the main window's background pictures.
th_benchmark(bench_backgrounds ${CMAKE_CURRENT_LIST_DIR}/bench_backgrounds.cpp)
