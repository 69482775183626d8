#include "minigames/pizzeria/CMinigame2_6.h"

namespace {

const OrderFormVersion kEnglish = {
    {"stainless-steel.png", "pizzaOverlay.png", "minijeu2_1progress%d.png", "consigne2_6.png", "Intro2_6.mp3",
     CMinigame2_6::kMaximum, SubtitlePlace{}, nullptr, true, true},  // the review's legend in English
    "Icon_Minigame2_6.png",
    {"Order1_EN.mp3", "Order2_EN.mp3", "Order3_EN.mp3", "Order4_EN.mp3"},
    2,
    3,
    true,
};

}  // namespace

CMinigame2_6::CMinigame2_6(CModel* owner, MinigameType minigameType)
    : COrderFormGame(owner, minigameType, kEnglish) {}
