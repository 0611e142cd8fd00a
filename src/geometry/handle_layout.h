// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace zephyra {

struct Scene;
struct Shape;

// An arrow's extent in world directions: x to the East, y to the North (up the screen).
struct ArrowOffset {
    int x = 0;
    int y = 0;
};

// The half and the full offset of an arrow. The full one is truncated on its own, so it can
// be one pixel longer than twice the half.
struct ArrowOffsets {
    ArrowOffset half;
    ArrowOffset full;
};

// The three handles of one arrow on the ground view.
struct ArrowHandles {
    Shape& tail;
    Shape& middle;
    Shape& tip;
};

enum class Direction { Forward, Backward };

// a + b in 64 bits, held to the int range: positions read from a file may sit at the int limits.
int addPixels(long long a, long long b);

ArrowOffsets arrowOffsets(double angle, int speed, double k);
ArrowOffsets windOffsets(const Scene& scene);
ArrowOffsets planeOffsets(const Scene& scene);
ArrowOffsets groundOffsets(const Scene& scene);

ArrowHandles windHandles(Scene& scene);
ArrowHandles planeHandles(Scene& scene);
ArrowHandles groundHandles(Scene& scene);

// Where a handle lands when placed from `from` by `offset`: forward goes from tail toward
// tip (Left + x, Top − y, since screen y grows downwards), backward the other way.
int placedLeft(const Shape& from, ArrowOffset offset, Direction direction);
int placedTop(const Shape& from, ArrowOffset offset, Direction direction);
void place(Shape& handle, const Shape& from, ArrowOffset offset, Direction direction);

// At most 4 pixels apart on each axis.
bool handlesTouch(const Shape& a, const Shape& b);

// Lay tail and tip around the middle (half offset each way), or the middle and the far end
// from a fixed tail or tip.
void relayFromMiddle(const ArrowHandles& arrow, const ArrowOffsets& offsets);
void relayFromTail(const ArrowHandles& arrow, const ArrowOffsets& offsets);
void relayFromTip(const ArrowHandles& arrow, const ArrowOffsets& offsets);

} // namespace zephyra
