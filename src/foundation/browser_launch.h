#pragma once
// Starting the web browser on an address. The address may come from server
// text, so it is handed to the browser as one argument with no shell in
// between: no character in it is interpreted.

// How long xirr_http_fork waits for the browser to return. A browser that
// hands the address to a running instance returns at once; a newly started
// one stays until it is closed, and the user-interface thread must not wait
// for that.
constexpr int XIRR_BROWSER_WAIT_MS = 500;

// Runs "firefox" with url (cut to 1023 characters) as its only argument and
// waits up to XIRR_BROWSER_WAIT_MS for it to return. Returns 1 when the
// browser is still running after that, or returned and was not ended by a
// signal, whatever its exit code; 0 when it was killed by a signal, and 0
// (logged) when it could not be started, for a null url and for a url
// beginning with "-", which the browser would take for an option.
int xirr_http_fork(const char *url);
