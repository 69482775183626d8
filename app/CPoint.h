#pragma once
#include <cstdint>

// A point in client pixels: origin top-left, y grows downwards.
struct CPoint {
    int32_t x = 0;
    int32_t y = 0;

    constexpr CPoint() = default;
    constexpr CPoint(int32_t px, int32_t py) : x(px), y(py) {}

    bool operator==(const CPoint& o) const { return x == o.x && y == o.y; }
    bool operator!=(const CPoint& o) const { return !(*this == o); }
};
