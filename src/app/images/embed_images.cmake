# cmake -DIMAGE_DIR=dir -DOUTPUT=file.cpp -P embed_images.cmake
# Writes every dir/NAME.png into file.cpp as the byte array xirr_png_NAME
# with its length xirr_png_NAME_size. The file is replaced only when its
# contents change, so an unchanged picture recompiles nothing.
file(GLOB images ${IMAGE_DIR}/*.png)
list(SORT images)
set(text "// Generated at build time from the pictures in src/app/images; do not edit.\n")
string(APPEND text "#include <cstddef>\n")
foreach(image IN LISTS images)
  get_filename_component(name ${image} NAME_WE)
  file(READ ${image} hex HEX)
  string(LENGTH "${hex}" digits)
  math(EXPR bytes "${digits} / 2")
  # Sixteen bytes a line.
  string(REGEX REPLACE "(................................)" "\\1\n" hex "${hex}")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," hex "${hex}")
  string(APPEND text "\nextern const unsigned char xirr_png_${name}[];\n"
                     "extern const size_t xirr_png_${name}_size;\n"
                     "const unsigned char xirr_png_${name}[] = {\n${hex}\n};\n"
                     "const size_t xirr_png_${name}_size = ${bytes};\n")
endforeach()
file(CONFIGURE OUTPUT ${OUTPUT} CONTENT "${text}" @ONLY)
