# The scrollback view: a full repaint of a 984 x 728 view full of text.
th_benchmark(bench_view_paint ${CMAKE_CURRENT_LIST_DIR}/bench_view_paint.cpp)
