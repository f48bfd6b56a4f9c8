#include "display/link_finder.h"

#include <cstring>

namespace {

int is_url_char(unsigned char c)
{
    return c >= 0x23 && c <= 0x7E && c != '\'' && c != '*' && c != '`' && c != '<' && c != '>';
}

int has_prefix_at(const char *text, int length, int at, const char *prefix)
{
    int n = static_cast<int>(strlen(prefix));
    return at >= 0 && length - at >= n && memcmp(text + at, prefix, n) == 0;
}

int scheme_at(const char *text, int length, int at)
{
    return has_prefix_at(text, length, at, "http://") || has_prefix_at(text, length, at, "https://") ||
           has_prefix_at(text, length, at, "ftp://");
}

int is_nonzero_digit(char c) { return c >= '1' && c <= '9'; }
int is_digit(char c) { return c >= '0' && c <= '9'; }
int is_lower(char c) { return c >= 'a' && c <= 'z'; }

// Whether text[at..length-1] is empty or starts with "/".
int ends_here_or_path(const char *text, int length, int at)
{
    return at == length || text[at] == '/';
}

// Whether the ":" at text[at] starts a port: a digit 1..9, more digits,
// then the end or a path.
int port_at(const char *text, int length, int at)
{
    if (at + 1 >= length || !is_nonzero_digit(text[at + 1]))
        return 0;
    int k = at + 2;
    while (k < length && is_digit(text[k]))
        k++;
    return ends_here_or_path(text, length, k);
}

// Whether somewhere a "." is followed by two to four lowercase letters and
// then the end, a path or a port: the top-level part of a host name.
int has_host_suffix(const char *text, int length)
{
    for (int j = 0; j < length; j++) {
        if (text[j] != '.')
            continue;
        int k = j + 1;
        while (k < length && k - (j + 1) <= 4 && is_lower(text[k]))
            k++;
        int letters = k - (j + 1);
        if (letters < 2 || letters > 4)
            continue;
        if (ends_here_or_path(text, length, k) || (text[k] == ':' && port_at(text, length, k)))
            return 1;
    }
    return 0;
}

// The checks for a candidate that has neither a scheme nor "www.".
int looks_like_host(const char *text, int length)
{
    for (int j = 0; j < length; j++) {
        if (text[j] == ':' && (j + 1 >= length || !is_nonzero_digit(text[j + 1])))
            return 0;
        if (text[j] == '.' && j + 1 < length && text[j + 1] == '.')
            return 0;
    }
    return has_host_suffix(text, length);
}

// The end of the link inside s..e: just before the first closing bracket
// that has no opening partner after the path start, else e.
int bracket_end(const char *text, int s, int e)
{
    int from = s;
    for (int j = s; j <= e; j++) {
        if (text[j] != '/')
            continue;
        int first_of_scheme_slashes = j > s && text[j - 1] == ':' && j + 1 <= e && text[j + 1] == '/';
        if (!first_of_scheme_slashes) {
            from = j + 1;
            break;
        }
    }
    int round = 0, square = 0, curly = 0;
    for (int j = from; j <= e; j++) {
        int *depth = nullptr;
        switch (text[j]) {
        case '(': round++; break;
        case '[': square++; break;
        case '{': curly++; break;
        case ')': depth = &round; break;
        case ']': depth = &square; break;
        case '}': depth = &curly; break;
        default: break;
        }
        if (!depth)
            continue;
        if (*depth == 0)
            return j - 1;   // an unmatched closing bracket is never part of the link
        (*depth)--;
    }
    return e;
}

}  // namespace

int xirr_find_link(const char *text, int length, int offset, int *start, int *end)
{
    if (!text || offset < 0 || offset >= length || !is_url_char(text[offset]))
        return 0;

    // The start: a scheme on the way left, else the start of the run.
    int s = offset;
    while (!scheme_at(text, length, s) && s > 0 && is_url_char(text[s - 1]))
        s--;
    int e = offset;
    while (e + 1 < length && is_url_char(text[e + 1]))
        e++;

    while (s < e && strchr("(),.?[]{}", text[s]))
        s++;
    while (e > s && strchr(",.?", text[e]))
        e--;

    int last = bracket_end(text, s, e);
    if (offset < s || offset > last)
        return 0;

    int has_scheme = scheme_at(text, length, s);
    if (!has_scheme && memchr(text + s, '@', last - s))
        return 0;

    int n = last - s + 1;
    const char *candidate = text + s;
    if (!memchr(candidate, '.', n))
        return 0;
    if (!has_scheme && !has_prefix_at(candidate, n, 0, "www.") && !looks_like_host(candidate, n))
        return 0;

    *start = s;
    *end = last;
    return 1;
}
