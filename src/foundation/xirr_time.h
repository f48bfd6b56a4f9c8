#pragma once
// Sleeping and wall-clock time.

#include <cstdint>

// Sleeps the calling thread for ms milliseconds (none for ms <= 0), resuming
// the remaining time after an interrupting signal.
void sleep_ms(int ms);

// Seconds since the epoch; 0 (logged) when the clock cannot be read.
long xirr_gettimeofday_seconds();

// Microseconds since the epoch; 0 (logged) when the clock cannot be read.
int64_t xirr_gettimeofday_useconds();
