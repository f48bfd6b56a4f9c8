target_sources(tarn_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/status_report.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tag_dispatch.cpp
)
