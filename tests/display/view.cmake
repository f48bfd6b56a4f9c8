th_unit_test(test_display_view
  ${CMAKE_CURRENT_LIST_DIR}/test_link_finder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_color_flash.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_scroll_model.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_selection.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_view_textctrl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_view_painter.cpp
)

# Window tests: a real display on an Xvfb screen of its own, pixels read
# back, the mouse driven through the X server. Not part of the core tests
# (the sanitizer build has no UI).
if(TH_BUILD_UI)
  find_package(wxWidgets 3.2 REQUIRED COMPONENTS core base)
  include(${wxWidgets_USE_FILE})
  find_program(XVFB_RUN xvfb-run REQUIRED)
  add_executable(test_display_window ${CMAKE_CURRENT_LIST_DIR}/window/test_display_window.cpp)
  target_link_libraries(test_display_window PRIVATE tarn_ui GTest::gtest)
  add_test(NAME test_display_window COMMAND ${XVFB_RUN} -a $<TARGET_FILE:test_display_window>)
  set_tests_properties(test_display_window PROPERTIES
    LABELS window TIMEOUT 120 ENVIRONMENT GDK_BACKEND=x11)
endif()
