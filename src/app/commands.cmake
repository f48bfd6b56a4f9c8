target_sources(tarn_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/command_table.cpp
  ${CMAKE_CURRENT_LIST_DIR}/config_commands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/debug_commands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/help_texts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/user_commands.cpp
)
