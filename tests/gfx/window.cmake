# Window tests of the glyph fonts and the bitmap copy to the screen: need a
# display, so they run under their own Xvfb and stay out of the unit tests.
if(TH_BUILD_UI AND NOT TH_SANITIZE)
  find_program(XVFB_RUN xvfb-run REQUIRED)
  add_executable(test_gfx_window ${CMAKE_CURRENT_LIST_DIR}/test_glyph_font_window.cpp)
  target_link_libraries(test_gfx_window PRIVATE tarn_ui GTest::gtest)
  # The toolkit's compile settings for this target only, so that the core
  # tests of this folder keep seeing no wx header.
  find_package(wxWidgets 3.2 REQUIRED COMPONENTS core base)
  target_include_directories(test_gfx_window PRIVATE ${wxWidgets_INCLUDE_DIRS})
  target_compile_definitions(test_gfx_window PRIVATE ${wxWidgets_DEFINITIONS})
  separate_arguments(th_wx_cxx_flags UNIX_COMMAND "${wxWidgets_CXX_FLAGS}")
  target_compile_options(test_gfx_window PRIVATE ${th_wx_cxx_flags})
  add_test(NAME gfx_window
    COMMAND ${XVFB_RUN} -a -s "-screen 0 1280x1024x24" $<TARGET_FILE:test_gfx_window>)
  set_tests_properties(gfx_window PROPERTIES
    LABELS window
    TIMEOUT 120
    ENVIRONMENT "GDK_BACKEND=x11")
endif()
