#include "minigames/dentist/CMinigame1_2.h"

namespace {

const MinigameSheet kSheet = {
    "red_wood_background.png", "french_message_overlay.png", "minijeu1_2progress%d.png",
    "consigne1_2.png",         "Intro1_2.mp3",              CMessageForm::kMaximum,
};

}  // namespace

CMinigame1_2::CMinigame1_2(CModel* owner, MinigameType minigameType)
    : CMessageForm(owner, minigameType, "Icon_Minigame1_2.png", kSheet, MessageForm::kFrenchForm) {}
