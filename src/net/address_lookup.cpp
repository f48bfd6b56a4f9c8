#include "net/address_lookup.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <sys/socket.h>

// Parses a text accepted by xirr_is_dotted_quad into its four numbers.
static int parse_dotted_quad(const char *text, unsigned parts[4])
{
    int dots = 0, digits = 0, part_digits = 0;
    parts[0] = 0;
    for (const char *p = text; *p; p++) {
        if (*p == '.') {
            if (part_digits == 0 || ++dots > 3)
                return 0;
            parts[dots] = 0;
            part_digits = 0;
        } else if (*p >= '0' && *p <= '9') {
            if (++digits > 12)
                return 0;
            part_digits++;
            parts[dots] = parts[dots] * 10 + (unsigned)(*p - '0');
            if (parts[dots] > 255)
                return 0;
        } else {
            return 0;
        }
    }
    return dots == 3 && part_digits > 0 && digits >= 4;
}

int xirr_is_dotted_quad(const char *text)
{
    unsigned parts[4];
    return text && parse_dotted_quad(text, parts);
}

int xirr_lookup_address(const char *host, sockaddr_in *address)
{
    if (!host || !address)
        return 0;
    unsigned parts[4];
    if (parse_dotted_quad(host, parts)) {
        address->sin_family = AF_INET;
        address->sin_addr.s_addr = htonl(parts[0] << 24 | parts[1] << 16 | parts[2] << 8 | parts[3]);
        return 1;
    }
    addrinfo hints = {};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo *answers = nullptr;
    if (getaddrinfo(host, nullptr, &hints, &answers) != 0 || !answers)
        return 0;
    const sockaddr_in *first = reinterpret_cast<const sockaddr_in *>(answers->ai_addr);
    address->sin_family = AF_INET;
    address->sin_addr = first->sin_addr;
    freeaddrinfo(answers);
    return 1;
}
