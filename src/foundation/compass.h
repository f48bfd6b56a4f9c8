#pragma once
// Direction of a map offset as a compass-style angle.

// Whole degrees 0 to 360 of the offset (dx, dy), counter-clockwise from the
// positive x axis with y pointing up: (1, 0) is 0, (0, 1) is 90. The zero
// offset gives 90.
int compass_angle(int dx, int dy);
