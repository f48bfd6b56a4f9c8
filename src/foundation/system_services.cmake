# Operating-system services: threads, time, random numbers, files, lock
# files, the browser launch, hashing and the object pools.
target_sources(tarn_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/xirr_thread.cpp
  ${CMAKE_CURRENT_LIST_DIR}/xirr_time.cpp
  ${CMAKE_CURRENT_LIST_DIR}/xirr_random.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_info.cpp
  ${CMAKE_CURRENT_LIST_DIR}/lock_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/browser_launch.cpp
  ${CMAKE_CURRENT_LIST_DIR}/compass.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hash_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pointer_hash_table.cpp
  ${CMAKE_CURRENT_LIST_DIR}/bulk_allocator.cpp
  ${CMAKE_CURRENT_LIST_DIR}/object_pool.cpp)
