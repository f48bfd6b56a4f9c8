#pragma once
// Small text routines shared by every module: walking a command text word by
// word, comparing words the way the game's command language does (ASCII case
// folded, whole words or abbreviations), reading decimal numbers, copying into
// fixed buffers with an overflow report and reading one line from a file.
// All work on NUL-terminated byte strings and allocate nothing.
//
// A word is a run of bytes up to a blank, a tab, a line feed or the end of the
// text; carriage returns belong to words. Only next_arg_eol differs: it
// separates at blanks alone and never crosses a line feed.

#include <cstdio>

// Words this long or longer never compare equal and never abbreviate: the
// comparisons give up at this many characters.
constexpr int XIRR_WORD_COMPARE_MAX = 400;

// Start of the second word of text, or null when there is none. A null text
// gives null (logged in the verbose class).
const char *next_arg(const char *text);

// Start of the next word on the same line: null when the first word runs into
// a line feed, when only blanks follow it up to a line feed or the end, or
// for a null text (logged in the verbose class). Tabs belong to words here.
const char *next_arg_eol(const char *text);

// Start of the last word of text; for a text without words, its end (an empty
// string). A null text gives null (logged in the verbose class).
const char *last_arg(const char *text);

// 1 when the first words of a and b are equal, ASCII letters compared without
// regard to case; two empty first words are equal. 0 otherwise, also when
// either is null or the word is XIRR_WORD_COMPARE_MAX characters or longer.
int word_equals(const char *a, const char *b);

// word_equals under the name callers use for texts that may be null.
inline int word_equals_safe(const char *a, const char *b) { return word_equals(a, b); }

// Length of a's first word when it is a case-insensitive prefix of b (b may go
// on with anything, even inside a word); 0 when it is not, when it is empty or
// too long, or when either text is null.
int word_is_prefix(const char *a, const char *b);

// Length of a's first word when it is a case-insensitive prefix of b's first
// word and either has at least minimum_length characters or is the whole of
// b's word; 0 otherwise (also for an empty word or a null text).
// Example: ("con", "connect", 2) gives 3, ("c", "connect", 2) gives 0 and
// ("c", "c", 2) gives 1.
int word_abbreviates(const char *a, const char *b, int minimum_length);

// 1 when word's first word equals (as word_equals) any word of list.
int word_in_list(const char *word, const char *list);

// Reads a decimal int from the start of text. The text must start with a
// digit, with "+", or with "-" followed by a digit; the value is that of the
// longest valid prefix ("12abc" gives 12, a lone "+" gives 0). Returns 1 and
// stores the value; returns 0 and leaves *value untouched for any other text,
// for null arguments and for a number outside the range of int (logged).
int parse_int_text(const char *text, int *value);

// Copies source with its terminator into destination of size bytes. Returns
// 1 when the whole source fitted. Returns 0 and logs (class 0x04) when it did
// not, the destination then holding its first size - 1 characters; for a
// null destination or a size of 0 or less (nothing written); and for a null
// source (the destination made empty).
int safe_strcpy(char *destination, const char *source, int size);

// Reads one line of stream into buffer of size bytes. A line ends at a line
// feed, a carriage return, a zero byte or the end of the file; the terminator
// is consumed and not stored, so a CR LF pair reads as a line and then an
// empty line. At most size - 1 characters are stored and the rest of a longer
// line is read and dropped, with a warning (class 0x02) giving the stored
// part. Returns the number of stored characters plus one (an empty line gives
// 1), or 0 at the end of the file and for bad arguments (logged).
int fget_line(FILE *stream, char *buffer, int size);
