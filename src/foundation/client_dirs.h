#pragma once
// The per-user directory: found or created once at start-up, then read by
// every module that keeps files (configuration, sound pack, downloads, log).
// Paths are assembled in bounded texts of 5999 characters at most; a path
// to create that does not fit is refused rather than cut.

#include "foundation/bounded_text.h"

#include <sys/types.h>

// Finds or creates the config directory from HOME and base_name, trying
// HOME/.base, ./.base, /tmp/base and ./base in that order, and stores the
// first one that passes xirr_create_and_check_writeable_directory. Returns 1
// when one is usable, 0 otherwise (also at once for a null or empty
// base_name, and with an error logged when HOME is unset or empty). A second
// call logs an error, then replaces the stored directory when it succeeds.
int xirr_client_set_up_config_directory(const char *base_name);

// The stored config directory, or null before a successful set-up. Callers
// build their file names as this path, "/" and the file name.
const char *xirr_client_get_config_directory();

// Creates every directory component of path that is followed by "/" or "\"
// (the last component is a file name unless a separator follows it). A
// leading separator makes the path absolute; empty components are skipped.
// A component that already exists counts only when it is a directory.
// Returns 1 when all exist afterwards; on failure appends the path up to the
// failing component to failed_path (if given) and returns 0. A null path
// logs an error and returns 0.
int xirr_recursive_mkdir(const char *path, mode_t mode, xirr_bounded_text *failed_path);

// Creates path as a directory (with parents, mode 0700 whatever mode says,
// since the client's directories are private) and checks that the file
// "xx-rw-test.qqq" can be created and deleted in it. Returns 1 when usable;
// on failure appends the failing path to failed_path (if given) and returns
// 0. A null path logs an error and returns 0.
int xirr_create_and_check_writeable_directory(const char *path, mode_t mode,
                                              xirr_bounded_text *failed_path);
