#pragma once
// What the client needs to know about a path: its kind, size and age.

#include <cstdint>

struct xirr_file_info {
    int is_directory = 0;
    int is_regular_file = 0;
    int64_t size = 0;                 // bytes
    int64_t modification_time = 0;    // seconds since the epoch
};

// Fills info from the status of path (symbolic links followed). Returns 1,
// or 0 when the path cannot be queried or an argument is null (logged).
int xirr_filename_get_file_info(const char *path, xirr_file_info *info);

// 1 when path exists (of any kind), else 0.
int file_exists(const char *path);
// 1 when path is a directory, else 0.
int is_directory(const char *path);
// 1 when path is a regular file, else 0.
int is_regular_file(const char *path);
