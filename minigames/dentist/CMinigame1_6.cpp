#include "minigames/dentist/CMinigame1_6.h"

namespace {

const MinigameSheet kSheet = {
    "red_wood_background.png", Greetings::kFrench.overlay, "minijeu1_6progress%d.png",
    "consigne1_6.png",         "Intro1_6.mp3",          CGreetingCards::kMaximum,
    Greetings::kSubtitlesBesideCards,
};

}  // namespace

CMinigame1_6::CMinigame1_6(CModel* owner, MinigameType minigameType)
    : CGreetingCards(owner, minigameType, "Icon_Minigame1_6.png", kSheet, Greetings::kFrench, false) {}
