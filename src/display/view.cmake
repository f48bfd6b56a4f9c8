# The scrollback view: link finder, colour flashes, scrolling, selection,
# hit testing, painting and the mouse and animation behaviour on plain
# pixel memory (core); the text control and display windows (user
# interface).
target_sources(tarn_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/link_finder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/color_flash.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scroll_model.cpp
  ${CMAKE_CURRENT_LIST_DIR}/selection.cpp
  ${CMAKE_CURRENT_LIST_DIR}/view_hit_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/view_painter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/view_animation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/view_textctrl.cpp
)

if(TH_BUILD_UI)
  target_sources(tarn_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/textctrl_window.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ansi_display_window.cpp
  )
endif()
