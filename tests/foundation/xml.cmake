# The XML reader and writer of the configuration files.
th_unit_test(test_xml
  ${CMAKE_CURRENT_LIST_DIR}/test_xml_reader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_xml_writer.cpp)
