#pragma once
// The file name of a character configuration, derived from the character's
// name as the server sends it. The name must never lead outside the
// directory of the configurations, make a directory or clash with another
// name's file: a name of plain characters is used unchanged; in any other,
// each byte that is not plain ("/", "\", ".", "%", "~", and bytes
// outside printable ASCII) is written as "%" and two hexadecimal digits. A result too
// long for the file system is cut and ends in "~" and a hash of the whole
// name. The name itself is kept in the file, which is how a load knows it
// has the right one.

#include <string>

// Longest file name made, before ".cfg", well inside the common 255-byte
// limit of a file name.
constexpr size_t XIRR_CHAR_CONFIG_FILE_NAME_MAX = 200;

// Stores the file name for name (without directory and without ".cfg") in
// *file_name. Returns 1, or 0 for an empty name, which has no file.
int xirr_char_config_file_name(const std::string &name, std::string *file_name);
