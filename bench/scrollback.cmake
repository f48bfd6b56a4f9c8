# The scrollback: ingest through decoder, interpreter and store, re-layout,
# and (in its own process, for the peak resident size) memory.
th_benchmark(bench_scrollback ${CMAKE_CURRENT_LIST_DIR}/bench_scrollback.cpp)
th_benchmark(bench_scrollback_memory ${CMAKE_CURRENT_LIST_DIR}/bench_scrollback_memory.cpp)
