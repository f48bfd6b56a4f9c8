# The ANSI interpreter and the scrollback store, fed server text together.
th_fuzz_target(fuzz_ansi_store ${CMAKE_CURRENT_LIST_DIR}/fuzz_ansi_store.cpp)
