# The scrollback: colour schemes, the ANSI interpreter with its render list,
# and the text store with its layout (all without a window).
target_sources(tarn_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/colour_schemes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_store_arena.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_store_conversion.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_store.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_store_wrap.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_store_selection.cpp
  ${CMAKE_CURRENT_LIST_DIR}/render_list.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ansi_interpreter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ansi_interpreter_fill.cpp
)
