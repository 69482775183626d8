#pragma once

// The title screen's buttons. The login button keeps its place relative to
// the view; the exit button keeps a fixed offset from it.
namespace TitleLayout {
constexpr double kLoginFx = 0.8901989683124539;
constexpr double kLoginFy = 0.7910863509749304;
constexpr int kExitOffsetX = 70;
constexpr int kExitOffsetY = 75;
constexpr float kButtonScale = 2.0f;
constexpr int kCreditsX = 84;
constexpr int kCreditsFromBottom = 70;
constexpr float kCreditsScale = 0.75f;
}  // namespace TitleLayout
