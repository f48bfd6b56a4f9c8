#include "app/pending_work.h"

#include <cstring>

void xirr_pending_url::set(const char *address)
{
    if (!address)
        return;
    size_t n = strnlen(address, capacity - 1);
    memcpy(url, address, n);
    url[n] = '\0';
    flag = true;
}

int xirr_pending_url::take(char (&out)[capacity])
{
    if (!flag)
        return 0;
    memcpy(out, url, capacity);
    flag = false;
    return 1;
}
