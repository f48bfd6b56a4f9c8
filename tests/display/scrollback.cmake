# The scrollback store and the ANSI interpreter with its render list.
th_unit_test(test_scrollback
  ${CMAKE_CURRENT_LIST_DIR}/test_text_store.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_text_store_arena.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_ansi_interpreter.cpp
)
