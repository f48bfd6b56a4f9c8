# The XML dialect of the configuration files: a streaming writer and a pull
# reader, each with its stack of open elements, and their stream subclasses.
target_sources(tarn_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/xml_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/xml_tag_stack.cpp
  ${CMAKE_CURRENT_LIST_DIR}/xml_reader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/xml_file_reader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/xml_writer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/xml_file_writer.cpp)
