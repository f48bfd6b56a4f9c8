th_unit_test(test_tag_dispatch
  ${CMAKE_CURRENT_LIST_DIR}/test_tag_dispatch.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_tag_dispatch_report.cpp
)
