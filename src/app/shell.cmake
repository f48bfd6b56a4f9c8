# The main window's layout rules and menu tables (core), and the menu bar
# built from them (window code).
target_sources(tarn_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/main_layout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menu_table.cpp
)
if(TH_BUILD_UI)
  target_sources(tarn_ui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/main_menu.cpp)
endif()
