th_unit_test(test_text_utils
  ${CMAKE_CURRENT_LIST_DIR}/test_text_utils.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_ascii_text.cpp)
