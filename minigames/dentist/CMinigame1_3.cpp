#include "minigames/dentist/CMinigame1_3.h"

namespace {

// The instruction is spoken in English: the review's legend is English too.
const MinigameSheet kSheet = {
    "red_wood_background.png", "french_message_overlay.png", "minijeu1_2progress%d.png",
    "consigne1_3.png",         "Intro1_3.mp3",              CMessageForm::kMaximum,
    SubtitlePlace{},           nullptr,                     true,
    true,
};

}  // namespace

CMinigame1_3::CMinigame1_3(CModel* owner, MinigameType minigameType)
    : CMessageForm(owner, minigameType, "Icon_Minigame1_3.png", kSheet, MessageForm::kEnglishForm) {}
