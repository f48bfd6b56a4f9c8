# Bitmap drawing: glyph blends, clears and a full text view.
th_benchmark(bench_bitmap ${CMAKE_CURRENT_LIST_DIR}/bench_bitmap.cpp)
