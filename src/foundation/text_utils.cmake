target_sources(tarn_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/text_utils.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ascii_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/transliteration_table.cpp)
