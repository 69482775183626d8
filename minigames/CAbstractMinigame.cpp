#include "minigames/CAbstractMinigame.h"

CAbstractMinigame::CAbstractMinigame(CModel* owner, MinigameType minigameType, const char* iconFile)
    : type(minigameType), model(owner), icon(new CClickableImage(iconFile)) {
    icon->SetScale(2.0f);
}
