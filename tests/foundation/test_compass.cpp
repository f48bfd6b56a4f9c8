#include "foundation/compass.h"

#include <gtest/gtest.h>

TEST(compass_angle, angles_by_quadrant)
{
    struct angle_case {
        int dx, dy, expected;
    };
    const angle_case cases[] = {
        {10, 0, 0},     {0, 10, 90},     {-10, 0, 180},   {0, -10, 270}, {0, 0, 90},
        {10, 10, 45},   {-10, 10, 135},  {-10, -10, 225}, {10, -10, 315},
        {3, 4, 53},     {-3, -4, 233},
        // Nearly on an axis: rounding must not leave the 0..360 range.
        {1000, -1, 0},  {-1000, -1, 180}, {1, -1000, 270},
        {2147483647, -2147483647, 315},   {-2147483647, 1, 180},
    };
    for (const angle_case &c : cases)
        EXPECT_EQ(compass_angle(c.dx, c.dy), c.expected) << "(" << c.dx << ", " << c.dy << ")";
}
