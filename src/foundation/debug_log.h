#pragma once
// The debug log: one text output shared by every module and thread, gated by
// the process-wide level. Callers test xirr_debug_level before formatting:
// above 0 for errors and warnings, above 1 for traces of start-up, connection
// and dispatch, above 2 for verbose traces. A negative level writes nothing,
// a level above 3 behaves as 3.
//
// Messages reach the file through a single write() call each on a descriptor
// opened for appending, so concurrent writers never interleave inside a
// message. There is no lock: the depth counter and the flags guard against
// re-entry through the log call itself or from a signal handler, not against
// other threads. Nothing on the write path allocates (stack buffers only).
//
// The log opens lazily: the first message that passes its gate opens the
// stored file name (appending, mode 0644), or a copy of standard output when
// no name is set. When that open fails, every later message is dropped
// without a new attempt until a name is set again or the log is closed.

#include <cstddef>

// Class bits of xirr_debug_log. Only the verbose bit changes the gate; the
// others sort messages by kind for the reader.
enum : unsigned {
    XIRR_LOG_CREATE_FAILED = 0x01,   // creating a socket, thread, file failed
    XIRR_LOG_OP_FAILED = 0x02,       // operation on an open resource failed
    XIRR_LOG_BAD_ARGUMENT = 0x04,    // bad argument or bad state
    XIRR_LOG_GIVE_UP = 0x10,         // module gives up, data file syntax error
    XIRR_LOG_MALFORMED = 0x40,       // malformed input data
    XIRR_LOG_PROTOCOL = 0x80,        // connection or protocol failure
    XIRR_LOG_VERBOSE = 0x100,        // written only above level 2
};

// Longest text one xirr_debug_printf call writes (the rest is cut).
constexpr size_t XIRR_DEBUG_PRINTF_MAX = 10239;

// Nested writes allowed on one writer; the next one reports the recursion
// limiter, deeper ones are dropped silently.
constexpr int XIRR_DEBUG_MAX_DEPTH = 25;

// Starts at 1; changed at run time by the user's debug level command, which
// does not clamp it.
extern int xirr_debug_level;

// Whether xirr_debug_log writes a message of this class at the current
// level: never for mask 0, above level 2 for the verbose bit, else above 0.
// Callers that assemble a message first test this to skip the work.
inline int xirr_debug_class_enabled(unsigned class_mask)
{
    if (class_mask == 0)
        return 0;
    if (class_mask & XIRR_LOG_VERBOSE)
        return xirr_debug_level > 2;
    return xirr_debug_level > 0;
}

// The log writer: nothing but write(2) on its descriptor, so that it is
// usable from a signal handler. One static instance serves the debug log; it
// is closed by its destructor at normal process exit.
class xirr_signal_safe_logfile {
public:
    ~xirr_signal_safe_logfile();
    // Writes text (a null text writes "(null)") with one write call; a short
    // write counts as a failure. The first failure of a run of consecutive
    // failures is reported through xirr_debug_log, later ones are not. The
    // 26th nested call writes the recursion limiter message on this
    // descriptor and deeper calls write nothing. Returns 1 on success, 0 on
    // failure or when the recursion limiter holds. errno is preserved.
    int write(const char *text);
    // Closes the descriptor if it is open and marks it closed.
    void close();

    int descriptor = -1;    // open file descriptor, -1 when closed
    int depth = 0;          // write calls in progress on this object
    int write_failed = 0;   // a failed write has been reported
};

// Writes the printf-formatted text unchanged (no newline is added), cut at
// XIRR_DEBUG_PRINTF_MAX characters. Opens the log first when it is closed;
// drops the text when it cannot be opened. Does not test the level: callers
// gate their own lines.
void xirr_debug_printf(const char *format, ...) __attribute__((format(printf, 1, 2)));

// Writes message and "\n" when xirr_debug_class_enabled(class_mask); a null
// message writes "(null)".
void xirr_debug_log(const char *message, unsigned class_mask);

// Stores a copy of name as the log file (null: standard output), clears the
// open-failed flag and returns the stored copy, valid until the name changes.
// The file is opened by the next message. Refused while the log is open:
// logs an error, changes nothing and returns null.
const char *xirr_client_set_debug_logfile_name(const char *name);

// Opens the stored file now (appending, created with mode 0644), or a copy of
// standard output when no name is stored; sets the open-failed flag on
// failure. Logs an error and does nothing when the log is already open.
void xirr_client_try_open_debug_logfile();

// Closes the log, forgets the stored name and clears the open-failed flag.
// With no log open it logs an error and changes nothing else.
void xirr_client_debug_logfile_close();

// 1 when the log's descriptor is open.
int xirr_client_debug_logfile_is_open();

// Opens the log if it is closed and has not failed, then returns the stored
// name (null: standard output or nothing set).
const char *xirr_client_debug_logfile_name();

// Opens the log if it is closed and has not failed, then returns 1 when the
// last open attempt failed.
int xirr_client_debug_logfile_failed();

// What became of the previous log file when a new one did not open.
enum xirr_logfile_fallback {
    XIRR_LOGFILE_NO_OLD,         // there was no previous file name
    XIRR_LOGFILE_OLD_REOPENED,   // the previous file is the log again
    XIRR_LOGFILE_OLD_LOST,       // the previous file did not open either
};

// Replaces the log file at run time: closes the current log, sets name (used
// unchanged, relative to the current directory; null means standard output)
// and opens it. Returns 1 when it opened. Otherwise returns 0, goes back to
// the previous file name if there was one, and stores what happened in
// *fallback (when fallback is not null).
int xirr_client_change_debug_logfile(const char *name, xirr_logfile_fallback *fallback);
