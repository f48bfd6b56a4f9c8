#include "foundation/text_utils.h"

#include "foundation/bounded_text.h"
#include "foundation/debug_log.h"

#include <climits>
#include <cstring>

namespace {

bool is_separator(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool ends_word(char c) { return c == '\0' || is_separator(c); }
bool is_digit(char c) { return c >= '0' && c <= '9'; }
char fold_case(char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; }

const char *skip_separators(const char *p)
{
    while (is_separator(*p))
        p++;
    return p;
}

// Length of a's first word when b starts with the same characters (case
// folded); -1 when it does not, when the word reaches XIRR_WORD_COMPARE_MAX
// characters, or when either text is null. Reads b no further than a's word.
int matching_word_length(const char *a, const char *b)
{
    if (!a || !b)
        return -1;
    int i = 0;
    for (; !ends_word(a[i]); i++) {
        if (i == XIRR_WORD_COMPARE_MAX - 1 || fold_case(a[i]) != fold_case(b[i]))
            return -1;
    }
    return i;
}

// Logs head + text + tail as one message, cutting text so that the tail
// survives the bounded message.
void log_with_text(const char *head, const char *text, size_t length, const char *tail,
                   unsigned class_mask)
{
    if (xirr_debug_level <= 0)
        return;
    xirr_bounded_text message;
    message.append(head);
    size_t room = xirr_bounded_text::capacity - 1 - message.length - strlen(tail);
    message.append(text, length < room ? length : room);
    message.append(tail);
    xirr_debug_log(message.c_str(), class_mask);
}

}  // namespace

const char *next_arg(const char *text)
{
    if (!text) {
        xirr_debug_log("Error in next_arg(), NULL pointer passed in.", XIRR_LOG_VERBOSE);
        return nullptr;
    }
    const char *p = skip_separators(text);
    while (!ends_word(*p))
        p++;
    p = skip_separators(p);
    return *p ? p : nullptr;
}

const char *next_arg_eol(const char *text)
{
    if (!text) {
        xirr_debug_log("Error in next_arg_eol(), NULL pointer passed in.", XIRR_LOG_VERBOSE);
        return nullptr;
    }
    const char *p = text;
    while (*p == ' ')
        p++;
    for (; *p != ' '; p++) {
        if (*p == '\0' || *p == '\n')
            return nullptr;
    }
    while (*p == ' ')
        p++;
    return *p == '\0' || *p == '\n' ? nullptr : p;
}

const char *last_arg(const char *text)
{
    if (!text) {
        xirr_debug_log("Error in last_arg(), NULL pointer passed in.", XIRR_LOG_VERBOSE);
        return nullptr;
    }
    const char *last = skip_separators(text);
    while (const char *next = next_arg(last))
        last = next;
    return last;
}

int word_equals(const char *a, const char *b)
{
    int length = matching_word_length(a, b);
    return length >= 0 && ends_word(b[length]);
}

int word_is_prefix(const char *a, const char *b)
{
    int length = matching_word_length(a, b);
    return length > 0 ? length : 0;
}

int word_abbreviates(const char *a, const char *b, int minimum_length)
{
    int length = matching_word_length(a, b);
    if (length <= 0)
        return 0;
    return length >= minimum_length || ends_word(b[length]) ? length : 0;
}

int word_in_list(const char *word, const char *list)
{
    if (!word || !list)
        return 0;
    for (const char *p = skip_separators(list); p && *p; p = next_arg(p)) {
        if (word_equals(word, p))
            return 1;
    }
    return 0;
}

int parse_int_text(const char *text, int *value)
{
    if (!text || !value) {
        xirr_debug_log("Error in parse_int_text(), NULL pointer passed in.", XIRR_LOG_BAD_ARGUMENT);
        return 0;
    }
    const char *p = text;
    bool negative = false;
    if (*p == '-') {
        if (!is_digit(p[1]))
            return 0;
        negative = true;
        p++;
    } else if (*p == '+') {
        p++;
    } else if (!is_digit(*p)) {
        return 0;
    }

    // The magnitude is checked digit by digit, so no length of digits overflows.
    const long long limit = negative ? -(long long)INT_MIN : INT_MAX;
    long long magnitude = 0;
    for (; is_digit(*p); p++) {
        magnitude = magnitude * 10 + (*p - '0');
        if (magnitude > limit) {
            while (is_digit(*p))
                p++;
            log_with_text("Warning in parse_int_text(), number out of range: ->", text,
                          (size_t)(p - text), "<-", XIRR_LOG_MALFORMED);
            return 0;
        }
    }
    *value = (int)(negative ? -magnitude : magnitude);
    return 1;
}

int safe_strcpy(char *destination, const char *source, int size)
{
    if (!destination) {
        xirr_debug_log("Error in safe_strcpy(), NULL dest.", XIRR_LOG_BAD_ARGUMENT);
        return 0;
    }
    if (size <= 0) {
        xirr_debug_log("Error in safe_strcpy(), dest too short.", XIRR_LOG_BAD_ARGUMENT);
        return 0;
    }
    if (!source) {
        destination[0] = '\0';
        xirr_debug_log("Error in safe_strcpy(), NULL src.", XIRR_LOG_BAD_ARGUMENT);
        return 0;
    }
    size_t length = strnlen(source, (size_t)size);
    if (length < (size_t)size) {
        memcpy(destination, source, length + 1);
        return 1;
    }
    memcpy(destination, source, (size_t)size - 1);
    destination[size - 1] = '\0';
    log_with_text("Error in safe_strcpy(), src overflow. String was: ->", source, strlen(source),
                  "<-", XIRR_LOG_BAD_ARGUMENT);
    return 0;
}

int fget_line(FILE *stream, char *buffer, int size)
{
    if (!stream || !buffer) {
        xirr_debug_log("Error in fget_line(), NULL pointer passed in.", XIRR_LOG_BAD_ARGUMENT);
        return 0;
    }
    if (size <= 0) {
        xirr_debug_log("Error in fget_line(), buffer too short.", XIRR_LOG_BAD_ARGUMENT);
        return 0;
    }
    int c = getc(stream);
    if (c == EOF) {
        buffer[0] = '\0';
        return 0;
    }
    int stored = 0;
    bool dropped = false;
    for (; c != EOF && c != '\n' && c != '\r' && c != '\0'; c = getc(stream)) {
        if (stored < size - 1)
            buffer[stored++] = (char)c;
        else
            dropped = true;
    }
    buffer[stored] = '\0';
    if (dropped) {
        xirr_debug_log("Warning in fget_line(), string overflow.  String was:", XIRR_LOG_OP_FAILED);
        xirr_debug_log(buffer, XIRR_LOG_OP_FAILED);
    }
    return stored + 1;
}
