#include "foundation/compass.h"

#include <cmath>
#include <cstdlib>

int compass_angle(int dx, int dy)
{
    if (dx == 0 && dy == 0)
        return 90;
    // The small bias keeps a vertical offset clear of a division by zero.
    double ratio = std::fabs((double)dy / ((double)dx + 0.001));
    int a = (int)std::floor(std::atan(ratio) * 360.0 / 6.2832 + 0.5);
    int angle;
    if (dx >= 0)
        angle = dy >= 0 ? a : -a;
    else
        angle = dy >= 0 ? 180 - a : a - 180;
    while (angle < 0)
        angle += 360;
    while (angle > 360)
        angle -= 360;
    return angle;
}
