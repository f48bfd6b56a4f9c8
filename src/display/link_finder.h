#pragma once
// Finds the web address under a click in one line of scrollback text.
//
// A link is a run of URL characters (bytes 0x23..0x7E except ' * ` < >)
// that either starts with a scheme ("http://", "https://", "ftp://") or
// "www.", or looks like a dotted host name whose last part is two to four
// lowercase letters, optionally followed by a port (":" and a number not
// starting with 0) or a path. Sentence punctuation around the address is
// left out: leading ( ) , . ? [ ] { } and trailing , . ? are trimmed, and a
// closing bracket without an opening partner in the address ends it, so
// "(see http://x.org/a(b))." gives "http://x.org/a(b)". Without a scheme a
// "@" means a mail address, which is not a link.
//
// The text is not modified and need not be NUL-terminated; nothing is
// allocated. A link never reaches outside the text, so a caller that
// bounds the line bounds the link.

// Looks for a link in text[0..length-1] that covers the character at offset.
// Returns 1 and stores the link's first and last (inclusive) offsets in
// *start and *end; returns 0 and leaves them unchanged when there is none,
// also for a null text or an offset outside the text.
int xirr_find_link(const char *text, int length, int offset, int *start, int *end);
