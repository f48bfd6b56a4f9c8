#include "display/color_flash.h"

#include "foundation/debug_log.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

int hex_digit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

int is_separator(char c) { return c == ' ' || c == '\t' || c == '\n'; }

// The next word of *cursor (empty at the end); *cursor moves past it.
std::string next_word(const char **cursor)
{
    const char *p = *cursor;
    while (*p && is_separator(*p))
        p++;
    const char *begin = p;
    while (*p && !is_separator(*p))
        p++;
    *cursor = p;
    return std::string(begin, p);
}

// Parses word as a whole decimal int with an optional sign. Returns 1 and
// stores it, or 0 for anything else, also for values outside int.
int parse_duration(const std::string &word, int *value)
{
    const char *text = word.c_str();
    const char *digits = (*text == '+' || *text == '-') ? text + 1 : text;
    if (*digits < '0' || *digits > '9')
        return 0;
    errno = 0;
    char *stop = nullptr;
    long parsed = strtol(text, &stop, 10);
    if (*stop != '\0' || errno == ERANGE || parsed < INT_MIN || parsed > INT_MAX)
        return 0;
    *value = static_cast<int>(parsed);
    return 1;
}

int channel_mix(int start, int target, int duration, int elapsed)
{
    int64_t mixed = static_cast<int64_t>(start) * (duration - elapsed) +
                    static_cast<int64_t>(target) * elapsed;
    return static_cast<int>(mixed / duration);
}

}  // namespace

xirr_rgb xirr_color_flash_list::GetColorFromHexString(const char *text)
{
    if (!text)
        text = "";
    int digits[6];
    for (int i = 0; i < 6; i++) {
        if (text[i] == '\0') {
            if (xirr_debug_level > 1)
                xirr_debug_printf("xirr_textctrl::GetColorFromHexString() - string too short.\n");
            return xirr_rgb{};
        }
        digits[i] = hex_digit(text[i]);
    }
    for (int d : digits) {
        if (d < 0) {
            if (xirr_debug_level > 1)
                xirr_debug_printf(
                    "xirr_textctrl::GetColorFromHexString() - string doesn't appear to be hex.\n");
            return xirr_rgb{};
        }
    }
    return xirr_rgb{digits[0] * 16 + digits[1], digits[2] * 16 + digits[3], digits[4] * 16 + digits[5]};
}

int xirr_color_flash_list::parse_colorflash(const char *payload, xirr_rgb base, xirr_rgb *background)
{
    const char *cursor = payload ? payload : "";
    flash added;
    added.start = GetColorFromHexString(next_word(&cursor).c_str());
    for (;;) {
        std::string target = next_word(&cursor);
        std::string duration_word = next_word(&cursor);
        if (!added.steps.empty() && target.empty() && duration_word.empty())
            break;
        step next;
        if (!parse_duration(duration_word, &next.duration)) {
            if (added.steps.empty()) {
                if (xirr_debug_level > 1)
                    xirr_debug_printf("xirr_textctrl::parse_colorflash() - bad duration.\n");
                return 0;
            }
            if (xirr_debug_level > 1)
                xirr_debug_printf("xirr_textctrl::parse_colorflash() - bad subsequent duration.\n");
            break;
        }
        next.target = GetColorFromHexString(target.c_str());
        added.steps.push_back(next);
    }

    // Every step lasts at least one animation step, however it is written.
    int64_t length = 0;
    for (const step &s : added.steps)
        length += static_cast<int64_t>(std::max(s.duration, 0)) + 1;

    if (static_cast<int>(flashes.size()) >= XIRR_COLOR_FLASH_MAX) {
        if (xirr_debug_level > 1)
            xirr_debug_printf("xirr_textctrl::parse_colorflash() - %d flashes running, the oldest "
                              "is dropped.\n", XIRR_COLOR_FLASH_MAX);
        flashes.erase(flashes.begin());
    }
    flashes.push_back(std::move(added));
    *background = compute_background(base);
    return static_cast<int>(std::min<int64_t>(length, INT_MAX));
}

xirr_rgb xirr_color_flash_list::compute_background(xirr_rgb base)
{
    // A flash that used up its steps on the previous walk ends now.
    flashes.erase(std::remove_if(flashes.begin(), flashes.end(),
                                 [](const flash &f) { return f.current >= f.steps.size(); }),
                  flashes.end());
    xirr_rgb result;
    int any = 0;
    for (flash &f : flashes) {
        step &s = f.steps[f.current];
        xirr_rgb colour = f.start;
        if (s.duration > 0) {
            colour.r = channel_mix(f.start.r, s.target.r, s.duration, s.elapsed);
            colour.g = channel_mix(f.start.g, s.target.g, s.duration, s.elapsed);
            colour.b = channel_mix(f.start.b, s.target.b, s.duration, s.elapsed);
        }
        result.r = any ? std::max(result.r, colour.r) : colour.r;
        result.g = any ? std::max(result.g, colour.g) : colour.g;
        result.b = any ? std::max(result.b, colour.b) : colour.b;
        any = 1;
        if (s.elapsed >= s.duration) {
            f.start = s.target;
            f.current++;
        } else {
            s.elapsed++;
        }
    }
    return any ? result : base;
}
