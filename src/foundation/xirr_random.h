#pragma once
// A reproducible lag-8 multiply-with-carry pseudo-random generator. Its whole
// state is 20 words, so a caller can save it, draw, and restore it to repeat
// a sequence exactly (the theme pictures depend on this). Not thread-safe:
// each instance belongs to one thread.

#include <cstdint>

struct xirr_random {
    uint32_t index = 0;        // next state word to step, 0..7
    uint32_t saved_index = 0;
    uint32_t saved[8] = {0};
    uint32_t x[8] = {0};
    uint32_t saved_carry = 0;
    uint32_t carry = 0;

    // Constructed in the random_init state.
    xirr_random() { random_init(); }

    // Resets state and saved copy to the fixed initial values.
    void random_init();
    // Steps one state word and returns its new value.
    uint32_t random_next();
    // Folds v into every state word, then steps eight times.
    void random_mix(int v);
    void random_save();
    void random_restore();
    // A double in [0, 1).
    double random_unit();
    // 0 to n - 1 from the low 16 bits of one draw; 0 when n < 1.
    int random_below(int n);
    // 1 to n (one draw, two above 10000 sides); 1 when n < 1.
    int random_dice(int n);
    // Mixes in the microsecond clock and 32 bytes of "/dev/urandom".
    void random_seed_from_system();
};

// The generator shared by the user-interface thread (default user id, sky,
// automap).
extern xirr_random xirr_shared_random;
// The generator of the theme pictures, restored and re-mixed per row.
extern xirr_random xirr_theme_random;
// A generator seeded from the system clock and device at start-up.
extern xirr_random xirr_system_random;

// Start-up seeding: the shared generator is mixed with the current time in
// seconds and the system generator is seeded from the system.
void xirr_random_start_up();
