#pragma once
// Exclusive lock files that serialise work between processes of one user
// (one sound-pack update at a time). The lock is a POSIX record lock: it
// belongs to the process, so it keeps other processes out, not other
// threads of the same process.

// Opens path for reading and writing (created with mode 0600) and takes an
// exclusive lock without waiting. Returns the descriptor that holds the
// lock, or -1 when another process holds it or the file cannot be opened.
int lock_file(const char *path);

// Releases the lock and closes fd. Returns 1, or 0 for a negative fd or a
// failed unlock (the descriptor is closed all the same).
int unlock_file(int fd);
