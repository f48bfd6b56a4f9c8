#pragma once
// Detached worker threads: the caller never joins them; they run until their
// function returns or the process exits.

// Starts a detached thread that calls function(argument). The name only
// identifies the thread to the caller; it is not passed to the system.
// Safe to call from any thread. Returns 1, or 0 (logged) when the thread
// could not be created.
int xirr_thread_create(const char *name, void (*function)(int), int argument);
