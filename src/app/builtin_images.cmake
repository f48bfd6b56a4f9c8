# The built-in pictures: src/app/images/*.png become byte arrays in a
# generated source of the core library, remade whenever a picture changes.
set(th_image_dir ${CMAKE_CURRENT_LIST_DIR}/images)
set(th_image_source ${CMAKE_CURRENT_BINARY_DIR}/builtin_image_data.cpp)
file(GLOB th_image_files CONFIGURE_DEPENDS ${th_image_dir}/*.png)
add_custom_command(OUTPUT ${th_image_source}
  COMMAND ${CMAKE_COMMAND} -DIMAGE_DIR=${th_image_dir} -DOUTPUT=${th_image_source}
          -P ${th_image_dir}/embed_images.cmake
  DEPENDS ${th_image_files} ${th_image_dir}/embed_images.cmake
  COMMENT "Embedding the built-in pictures"
  VERBATIM)
# tarn_core is defined one folder up, so a target of this folder carries the
# rule that makes the generated file.
add_custom_target(th_builtin_image_data DEPENDS ${th_image_source})
add_dependencies(tarn_core th_builtin_image_data)
target_sources(tarn_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/builtin_images.cpp ${th_image_source})
