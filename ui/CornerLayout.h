#pragma once

// Where the standard buttons stand on every screen: a row at the top, exit
// on the left, the others counted from the right edge. All at scale 2.
namespace CornerLayout {
constexpr int kY = 52;
constexpr int kExitX = 80;
constexpr int kInstructionFromRight = 346;
constexpr int kPlayFromRight = 250;
constexpr int kHelpFromRight = 154;
constexpr int kMuteFromRight = 58;
// The slow voice's snail ends the row, left of the instructions: the
// place under help is where some games write their subtitles.
constexpr int kSlowFromRight = 442;
// The subtitles button stands under the mute button.
constexpr int kSubtitlesY = 124;
constexpr float kScale = 2.0f;
}  // namespace CornerLayout
