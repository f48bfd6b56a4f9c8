# The XML reader, driven by the loaders of the system and character files.
th_fuzz_target(fuzz_config_loader ${CMAKE_CURRENT_LIST_DIR}/fuzz_config_loader.cpp)
