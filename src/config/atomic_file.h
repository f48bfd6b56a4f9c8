#pragma once
// Replaces a file as a whole. Writes go to a temporary file beside the
// target; commit() flushes it to the disk and renames it over the target in
// one step. Until a commit succeeds the target keeps its old contents, so a
// failed write, a full disk or a crash never leaves a cut or empty file.

#include <cstdio>
#include <string>

class xirr_atomic_file {
public:
    // Creates the temporary file "<path>.tmp-XXXXXX" (mode 0600); when that
    // fails, stream() is null (logged).
    explicit xirr_atomic_file(const char *path);
    // Removes the temporary file unless it was committed.
    ~xirr_atomic_file();
    xirr_atomic_file(const xirr_atomic_file &) = delete;
    xirr_atomic_file &operator=(const xirr_atomic_file &) = delete;

    // The stream to write the new contents to (binary), or null.
    FILE *stream() const { return stream_; }

    // Flushes, syncs and closes the temporary file and renames it to the
    // path. Returns 1; or 0 (logged) when anything failed, the old file then
    // being untouched and the temporary file removed.
    int commit();

private:
    void discard();

    std::string path_;
    std::string temporary_;
    FILE *stream_ = nullptr;
};
