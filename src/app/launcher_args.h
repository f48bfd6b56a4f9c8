#pragma once
// The client's command line: "-l VERSION" names the launcher's version, "-n"
// marks an old launcher; everything else is only logged. Arguments are
// compared as whole words without regard to case and taken left to right,
// so a later flag overrides an earlier one.

#include <cstddef>

constexpr size_t XIRR_LAUNCHER_VERSION_MAX = 256;   // characters kept
constexpr size_t XIRR_ARGUMENT_MAX = 5999;          // characters of one argument

struct xirr_launcher_args {
    char launcher_version[XIRR_LAUNCHER_VERSION_MAX + 1] = {0};
};

// Reads argv (argv[0], the program path, is only logged) into args.
// Arguments longer than XIRR_ARGUMENT_MAX are cut. Null entries are skipped.
void xirr_parse_command_line(int argc, const char *const *argv, xirr_launcher_args *args);
