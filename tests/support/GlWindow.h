#pragma once

// The tests' one GLUT window with its GL context, set up as the game's view
// sets up its own: one unit per pixel, origin top-left, y downwards.
namespace GlWindow {
constexpr int kWidth = 800;
constexpr int kHeight = 600;

// Creates the window on first use; makes it current and resets the view.
void Use();
int Id();
// Clears to white with the game's blending state, as every frame begins.
void BeginFrame();
// The RGBA bytes of one pixel of the back buffer, y from the top.
unsigned ReadPixel(int x, int y);
// Where dark ink (red and green below 0x60) shows inside a box of the back
// buffer: its bounds, or an empty box (bottom < top) when there is none.
struct Ink {
    int top = 1 << 20, bottom = -1, left = 1 << 20, right = -1;
    int Height() const { return bottom - top + 1; }
    int Width() const { return right - left + 1; }
};
Ink DarkInk(int x0, int y0, int x1, int y1);
}  // namespace GlWindow
