#pragma once
// Sends the debug log to a scratch file at a chosen level for the life of
// the object, so that a test can read back exactly what was logged; then
// leaves the log closed and unnamed at the level it found.

#include "log_test_support.h"

class captured_log {
public:
    explicit captured_log(int level = 1) : saved_level(xirr_debug_level)
    {
        close();
        xirr_client_set_debug_logfile_name(path().c_str());
        xirr_debug_level = level;
    }
    ~captured_log()
    {
        close();
        xirr_client_set_debug_logfile_name(nullptr);
        xirr_debug_level = saved_level;
    }
    captured_log(const captured_log &) = delete;
    captured_log &operator=(const captured_log &) = delete;

    std::string path() const { return dir / "log.txt"; }
    // Everything logged so far; at level 3 it begins with the log's own
    // line about opening the file.
    std::string text() const { return th_test::read_text(path()); }

private:
    static void close()
    {
        if (xirr_client_debug_logfile_is_open())
            xirr_client_debug_logfile_close();
    }

    th_test::scratch_dir dir;
    int saved_level;
};
