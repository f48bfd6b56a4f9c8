#include "config/char_config_file_name.h"

#include "foundation/hash_text.h"

#include <cstdio>

namespace {

// "~" is never plain, so only a cut name ends in "~" and its hash.
int is_plain(unsigned char c)
{
    return c >= 32 && c <= 126 && c != '/' && c != '\\' && c != '.' && c != '%' && c != '~';
}

}  // namespace

int xirr_char_config_file_name(const std::string &name, std::string *file_name)
{
    if (name.empty())
        return 0;
    std::string out;
    // Where each character of name starts in out, so a cut never splits an
    // escape.
    size_t cut = 0;
    for (unsigned char c : name) {
        if (is_plain(c)) {
            out += (char)c;
        } else {
            char escape[4];
            snprintf(escape, sizeof escape, "%%%02X", c);
            out += escape;
        }
        if (out.size() <= XIRR_CHAR_CONFIG_FILE_NAME_MAX - 9)
            cut = out.size();
    }
    if (out.size() > XIRR_CHAR_CONFIG_FILE_NAME_MAX) {
        char hash[10];
        snprintf(hash, sizeof hash, "~%08x", (unsigned)hash_text(name.c_str()));
        out.resize(cut);
        out += hash;
    }
    *file_name = out;
    return 1;
}
