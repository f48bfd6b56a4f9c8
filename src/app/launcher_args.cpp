#include "app/launcher_args.h"

#include "foundation/debug_log.h"

#include <cstring>
#include <strings.h>

namespace {

void copy_cut(char *dest, size_t size, const char *src)
{
    size_t n = strnlen(src, size - 1);
    memcpy(dest, src, n);
    dest[n] = '\0';
}

void trace(const char *format, const char *argument)
{
    if (xirr_debug_level > 1) {
        char cut[XIRR_ARGUMENT_MAX + 1];
        copy_cut(cut, sizeof cut, argument);
        xirr_debug_printf(format, cut);
    }
}

}  // namespace

void xirr_parse_command_line(int argc, const char *const *argv, xirr_launcher_args *args)
{
    if (argc < 1 || !argv || !args)
        return;
    if (argv[0])
        trace("DEBUG - Command line executable name:  %s\n", argv[0]);
    for (int i = 1; i < argc; ++i) {
        const char *arg = argv[i];
        if (!arg)
            continue;
        if (strcasecmp(arg, "-l") == 0) {
            trace("DEBUG - Command line launcher flag:    %s\n", arg);
            if (i + 1 < argc && argv[i + 1]) {
                ++i;
                copy_cut(args->launcher_version, sizeof args->launcher_version, argv[i]);
                trace("DEBUG - Command line launcher version: %s\n", argv[i]);
            }
        } else if (strcasecmp(arg, "-n") == 0) {
            copy_cut(args->launcher_version, sizeof args->launcher_version,
                     "(old style launcher)");
            trace("DEBUG - Command line old launcher:     %s\n", arg);
        } else {
            trace("DEBUG - Unknown command line arg:      %s\n", arg);
        }
    }
}
