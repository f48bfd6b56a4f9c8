th_unit_test(test_shell
  ${CMAKE_CURRENT_LIST_DIR}/test_main_layout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_menu_table.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_builtin_images.cpp
)

# The menu bar and the pictures with the real toolkit, under an Xvfb server
# of their own. Not part of the core tests (the sanitizer build has no UI).
if(TH_BUILD_UI)
  find_program(XVFB_RUN xvfb-run REQUIRED)
  # The window library does not pass the toolkit's include paths on.
  find_package(wxWidgets 3.2 REQUIRED COMPONENTS core base richtext)
  include(${wxWidgets_USE_FILE})
  add_executable(test_main_menu_window ${CMAKE_CURRENT_LIST_DIR}/test_main_menu_window.cpp)
  target_link_libraries(test_main_menu_window PRIVATE tarn_ui GTest::gtest)
  add_test(NAME test_main_menu_window COMMAND ${XVFB_RUN} -a $<TARGET_FILE:test_main_menu_window>)
  set_tests_properties(test_main_menu_window PROPERTIES
    LABELS window TIMEOUT 120 ENVIRONMENT GDK_BACKEND=x11)
endif()
