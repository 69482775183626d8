#include "minigames/pizzeria/CMinigame2_1.h"

namespace {

const OrderFormVersion kFrench = {
    {"stainless-steel.png", "pizzaOverlay.png", "minijeu2_1progress%d.png", "consigne2_1.png", "Intro2_1.mp3",
     CMinigame2_1::kMaximum},
    "Icon_Minigame2_1.png",
    {"Order1_FR.mp3", "Order2_FR.mp3", "Order3_FR.mp3", "Order4_FR.mp3"},
    1,
    3,
    false,
};

}  // namespace

CMinigame2_1::CMinigame2_1(CModel* owner, MinigameType minigameType)
    : COrderFormGame(owner, minigameType, kFrench) {}
