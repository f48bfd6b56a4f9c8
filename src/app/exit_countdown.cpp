#include "app/exit_countdown.h"

xirr_exit_countdown::action xirr_exit_countdown::tick()
{
    if (remaining <= 0)
        return none;
    --remaining;
    if (remaining == 0)
        return force_exit;
    return remaining == 1 ? orderly_close : none;
}
