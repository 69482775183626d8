#pragma once

// The score panel shown at the end of every minigame (pixels of the view;
// pictures at scale 2). It slides in from the left, then drops one gold bar
// per point into a row of slots.
namespace ScorePanelLayout {
constexpr int kSlideStart = -2000;
constexpr int kSlideStep = 50;
constexpr int kFrameMargin = 60;  // dark red frame from the view's sides
constexpr int kFrameTop = 110;    // and from its top and bottom
constexpr int kFrameWidth = 5;
constexpr int kLogoFromRight = 345;
constexpr int kLogoAboveMiddle = 20;
constexpr int kRestartX = 150;
constexpr int kRestartFromBottom = 101;
constexpr int kPracticeX = 460;  // beside restart, after a game with misses
constexpr int kMenuFromRight = 154;
constexpr int kMenuFromBottom = 160;
constexpr int kCompleteX = 303, kCompleteY = 80;
constexpr int kTitlesX = 170, kTitlesY = 256;
constexpr int kLargeBarX = 224, kLargeBarY = 250;
constexpr int kBalanceTextX = 325, kBalanceTextY = 305;  // "x%d": left end and baseline
constexpr float kBalanceTextHeight = 48;                   // its glyph cell, figures 28 px high
constexpr int kSlotsY = 420;
constexpr int kFirstSlotX = 150;
constexpr int kSlotStep = 70;
constexpr int kScoreWordsX = 118, kScoreWordsY = 486;  // "5 sur 7" under the bars: left end and baseline
constexpr float kScoreWordsHeight = 40;
constexpr int kPracticeWordsY = 530;  // in practice: that it earns nothing (Helvetica 18)
constexpr int kFirstSlotFrame = 100;  // frames after the panel stops
constexpr int kFramesPerSlot = 25;
}  // namespace ScorePanelLayout
