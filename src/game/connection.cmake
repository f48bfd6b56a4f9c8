target_sources(tarn_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/outgoing_buffer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/game_connection.cpp
)
