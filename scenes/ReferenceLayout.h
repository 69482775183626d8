#pragma once

// Positions on the full-screen pictures are fractions of a 1362 x 726
// reference layout: a point p on the reference is at view size x p / 1362
// (or / 726), computed in double precision and truncated toward zero. The
// pictures are drawn on that reference and stretched over the view.
namespace ReferenceLayout {
constexpr int kWidth = 1362;
constexpr int kHeight = 726;

struct Spot {
    double fx;  // fraction of the view width
    double fy;  // fraction of the view height
};

// A reference pixel as a spot.
constexpr Spot At(double x, double y) { return Spot{x / kWidth, y / kHeight}; }

inline int ScaleX(int width, double fx) { return static_cast<int>(static_cast<double>(width) * fx); }
inline int ScaleY(int height, double fy) { return static_cast<int>(static_cast<double>(height) * fy); }
}  // namespace ReferenceLayout
