#pragma once
// Colour flashes: animated changes of a text area's background commanded by
// the server ("event" tag, text "colorflash"). A flash starts at one colour
// and fades through a list of target colours, each over a number of
// animation steps (one per 20 ms main timer tick). Several flashes may run
// at once; the background is their per-channel maximum, and the base
// background comes back when the last one has used up its steps.
//
// Payload (words separated by spaces, TABs or line feeds):
//
//   start-colour target-colour-1 duration-1 [target-colour-2 duration-2 ...]
//
// Colours are six hexadecimal digits RRGGBB; durations are decimal ints with
// an optional sign. A step of duration D at elapsed k (0..D) shows, per
// channel, (start * (D - k) + target * k) / D, then the step's target is
// the start of the next step. A step whose duration is 0 or negative lasts
// one animation step and shows the start colour.
//
// User-interface thread only.

#include "gfx/xirr_rgb.h"

#include <cstddef>
#include <vector>

// Flashes kept at once; a new flash beyond this replaces the oldest.
constexpr int XIRR_COLOR_FLASH_MAX = 64;

class xirr_color_flash_list {
public:
    // The colour of the first six characters of text, which must all be
    // 0-9, a-f or A-F; a null text counts as empty. Shorter or non-hex text
    // is logged (debug level above 1) and gives black.
    static xirr_rgb GetColorFromHexString(const char *text);

    // Adds the flash described by payload (a null payload counts as empty)
    // and computes the background at once into *background, with base as
    // the base background. Returns the flash's length in animation steps
    // (at least 1; capped at the largest int), which the caller's animation
    // must run for. Returns 0, adding nothing, when the first duration is
    // not a number. A later pair with a bad duration ends the list there;
    // the pairs before it stay. Both are logged at debug level above 1.
    int parse_colorflash(const char *payload, xirr_rgb base, xirr_rgb *background);

    // One animation step: the per-channel maximum of the colours of the
    // flashes that still have a step, each of which then advances by one;
    // base when none has. A flash whose steps are used up is dropped here,
    // so a flash of length T shows its last colour at its T-th computation
    // (the one in parse_colorflash included) and base at the next.
    xirr_rgb compute_background(xirr_rgb base);

    int empty() const { return flashes.empty(); }

private:
    struct step {
        xirr_rgb target;
        int duration = 0;   // animation steps; 0 or negative lasts one step
        int elapsed = 0;    // 0 .. duration
    };
    struct flash {
        xirr_rgb start;
        std::vector<step> steps;
        size_t current = 0;   // index of the running step; steps.size() when done
    };

    std::vector<flash> flashes;   // oldest first
};
