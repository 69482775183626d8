#include "minigames/dentist/CMinigame1_9.h"

namespace {

const MinigameSheet kSheet = {
    "red_wood_background.png", Greetings::kEnglish.overlay, "minijeu1_6progress%d.png",
    "consigne1_9.png",         "Intro1_9.mp3",          CGreetingCards::kMaximum,
    Greetings::kSubtitlesBesideCards, nullptr, true,
    true,  // the review's legend in English
};

}  // namespace

CMinigame1_9::CMinigame1_9(CModel* owner, MinigameType minigameType)
    : CGreetingCards(owner, minigameType, "Icon_Minigame1_9.png", kSheet, Greetings::kEnglish, true) {}
