#include "app/debug_commands.h"

#include "foundation/debug_log.h"
#include "foundation/text_utils.h"

#include <cstring>

void xirr_debug_state_text(xirr_bounded_text *out)
{
    out->append("\n");
    int failed = xirr_client_debug_logfile_failed();
    const char *name = xirr_client_debug_logfile_name();
    if (failed) {
        out->append("\n");
        out->append("Debug logging is currently DISABLED - unable to open debug file.\n");
        out->append("The failed filename is:  ");
        out->append(name ? name : "");
        out->append("\n");
    } else {
        out->appendf("The current debug level is:     %d\n", xirr_debug_level);
        out->append("The current debug filename is:  ");
        out->append(name ? name : "");
    }
    out->append("\n");
}

void xirr_debug_level_command(const char *argument, xirr_bounded_text *out)
{
    if (!argument) {
        xirr_debug_state_text(out);
        out->append("\n");
        out->append("To change the debug level, you must give a number between 0 and 3.\n");
        out->append("\n");
        return;
    }
    int old_level = xirr_debug_level;
    int level = 0;
    if (!parse_int_text(argument, &level))
        level = 0;
    xirr_debug_level = level;
    out->append("\n");
    out->appendf("Debug level changed from %d to %d.\n", old_level, level);
    out->append("\n");
}

void xirr_debug_file_command(const char *argument, xirr_bounded_text *out)
{
    if (!argument) {
        xirr_debug_state_text(out);
        out->append("\n");
        out->append("You must give a filename to change the debug file.\n");
        out->append("\n");
        return;
    }
    xirr_bounded_text name;
    name.append(argument, strcspn(argument, " \t\n"));
    xirr_logfile_fallback fallback = XIRR_LOGFILE_NO_OLD;
    const char *message = "Debug logfile changed.\n";
    if (!xirr_client_change_debug_logfile(name.c_str(), &fallback)) {
        switch (fallback) {
        case XIRR_LOGFILE_OLD_REOPENED:
            message = "Unable to open new logfile, old logfile not changed.\n";
            break;
        case XIRR_LOGFILE_OLD_LOST:
            message = "Unable to open new logfile, and could not re-open old logfile.  "
                      "No logfile currently set.\n";
            break;
        case XIRR_LOGFILE_NO_OLD:
            message = "Unable to open logfile.  Please try again with a different name/path.\n";
            break;
        }
    }
    out->append("\n");
    out->append(message);
    out->append("\n");
}
