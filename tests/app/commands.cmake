th_unit_test(test_user_commands
  ${CMAKE_CURRENT_LIST_DIR}/test_user_commands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_user_commands_debug.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_user_commands_config.cpp
)
