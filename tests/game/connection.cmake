th_unit_test(test_game_connection
  ${CMAKE_CURRENT_LIST_DIR}/test_outgoing_buffer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_game_connection.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../net/net_test_peers.cpp
)

# Needs the local world (Python) and moves 50 MB: not a unit test.
add_executable(test_connection_flood ${CMAKE_CURRENT_LIST_DIR}/test_connection_flood.cpp)
target_link_libraries(test_connection_flood PRIVATE tarn_core GTest::gtest_main)
target_compile_definitions(test_connection_flood PRIVATE
  TH_DEVSERVER="${PROJECT_SOURCE_DIR}/devserver/devserver.py")
gtest_discover_tests(test_connection_flood PROPERTIES LABELS integration TIMEOUT 180)
