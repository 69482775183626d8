#include "core/MinigameDispatch.h"

CAbstractMinigame* CreateMinigame(CModel* model, MinigameType type) {
    switch (type) {
        case MINIGAME_1_1: return new CMinigame1_1(model, type);
        case MINIGAME_1_2: return new CMinigame1_2(model, type);
        case MINIGAME_1_3: return new CMinigame1_3(model, type);
        case MINIGAME_1_4: return new CMinigame1_4(model, type);
        case MINIGAME_1_5: return new CMinigame1_5(model, type);
        case MINIGAME_1_6: return new CMinigame1_6(model, type);
        case MINIGAME_1_7: return new CMinigame1_7(model, type);
        case MINIGAME_1_8: return new CMinigame1_8(model, type);
        case MINIGAME_1_9: return new CMinigame1_9(model, type);
        case MINIGAME_1_10: return new CMinigame1_10(model, type);
        case MINIGAME_2_1: return new CMinigame2_1(model, type);
        case MINIGAME_2_2: return new CMinigame2_2(model, type);
        case MINIGAME_2_3: return new CMinigame2_3(model, type);
        case MINIGAME_2_4: return new CMinigame2_4(model, type);
        case MINIGAME_2_5: return new CMinigame2_5(model, type);
        case MINIGAME_2_6: return new CMinigame2_6(model, type);
        case MINIGAME_2_7: return new CMinigame2_7(model, type);
        case MINIGAME_2_8: return new CMinigame2_8(model, type);
        case MINIGAME_2_9: return new CMinigame2_9(model, type);
        case MINIGAME_3_1: return new CMinigame3_1(model, type);
        case MINIGAME_3_2: return new CMinigame3_2(model, type);
        case MINIGAME_3_3: return new CMinigame3_3(model, type);
        case MINIGAME_3_4: return new CMinigame3_4(model, type);
        case MINIGAME_3_5: return new CMinigame3_5(model, type);
        case MINIGAME_REWARDS: return new CMinigameRewards(model, type);
    }
    return nullptr;
}

void DeleteMinigame(CAbstractMinigame* game) {
    if (game == nullptr) return;
    WithMinigame(game, [](auto* concrete) { delete concrete; });
}
