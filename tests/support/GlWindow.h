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
}  // namespace GlWindow
