#pragma once
// The one place that names every minigame class: creation, deletion and
// the switch that hands a minigame to code as its concrete type.

#include "core/GameTypes.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/dentist/CMinigame1_1.h"
#include "minigames/dentist/CMinigame1_2.h"
#include "minigames/dentist/CMinigame1_3.h"
#include "minigames/dentist/CMinigame1_4.h"
#include "minigames/dentist/CMinigame1_5.h"
#include "minigames/dentist/CMinigame1_6.h"
#include "minigames/dentist/CMinigame1_7.h"
#include "minigames/dentist/CMinigame1_8.h"
#include "minigames/dentist/CMinigame1_9.h"
#include "minigames/dentist/CMinigame1_10.h"
#include "minigames/pizzeria/CMinigame2_1.h"
#include "minigames/pizzeria/CMinigame2_2.h"
#include "minigames/pizzeria/CMinigame2_3.h"
#include "minigames/pizzeria/CMinigame2_4.h"
#include "minigames/pizzeria/CMinigame2_5.h"
#include "minigames/pizzeria/CMinigame2_6.h"
#include "minigames/pizzeria/CMinigame2_7.h"
#include "minigames/pizzeria/CMinigame2_8.h"
#include "minigames/pizzeria/CMinigame2_9.h"
#include "minigames/grocery/CMinigame3_1.h"
#include "minigames/grocery/CMinigame3_2.h"
#include "minigames/grocery/CMinigame3_3.h"
#include "minigames/grocery/CMinigame3_4.h"
#include "minigames/grocery/CMinigame3_5.h"
#include "scenes/CMinigameRewards.h"

class CModel;

// A new minigame of that type; null for a value that names none.
CAbstractMinigame* CreateMinigame(CModel* model, MinigameType type);
// Deletes it as its concrete class.
void DeleteMinigame(CAbstractMinigame* game);

// Calls visit(concrete) with the minigame cast to its own class.
template <class Visit>
void WithMinigame(CAbstractMinigame* game, Visit&& visit) {
    switch (game->GetType()) {
        case MINIGAME_1_1: visit(static_cast<CMinigame1_1*>(game)); break;
        case MINIGAME_1_2: visit(static_cast<CMinigame1_2*>(game)); break;
        case MINIGAME_1_3: visit(static_cast<CMinigame1_3*>(game)); break;
        case MINIGAME_1_4: visit(static_cast<CMinigame1_4*>(game)); break;
        case MINIGAME_1_5: visit(static_cast<CMinigame1_5*>(game)); break;
        case MINIGAME_1_6: visit(static_cast<CMinigame1_6*>(game)); break;
        case MINIGAME_1_7: visit(static_cast<CMinigame1_7*>(game)); break;
        case MINIGAME_1_8: visit(static_cast<CMinigame1_8*>(game)); break;
        case MINIGAME_1_9: visit(static_cast<CMinigame1_9*>(game)); break;
        case MINIGAME_1_10: visit(static_cast<CMinigame1_10*>(game)); break;
        case MINIGAME_2_1: visit(static_cast<CMinigame2_1*>(game)); break;
        case MINIGAME_2_2: visit(static_cast<CMinigame2_2*>(game)); break;
        case MINIGAME_2_3: visit(static_cast<CMinigame2_3*>(game)); break;
        case MINIGAME_2_4: visit(static_cast<CMinigame2_4*>(game)); break;
        case MINIGAME_2_5: visit(static_cast<CMinigame2_5*>(game)); break;
        case MINIGAME_2_6: visit(static_cast<CMinigame2_6*>(game)); break;
        case MINIGAME_2_7: visit(static_cast<CMinigame2_7*>(game)); break;
        case MINIGAME_2_8: visit(static_cast<CMinigame2_8*>(game)); break;
        case MINIGAME_2_9: visit(static_cast<CMinigame2_9*>(game)); break;
        case MINIGAME_3_1: visit(static_cast<CMinigame3_1*>(game)); break;
        case MINIGAME_3_2: visit(static_cast<CMinigame3_2*>(game)); break;
        case MINIGAME_3_3: visit(static_cast<CMinigame3_3*>(game)); break;
        case MINIGAME_3_4: visit(static_cast<CMinigame3_4*>(game)); break;
        case MINIGAME_3_5: visit(static_cast<CMinigame3_5*>(game)); break;
        case MINIGAME_REWARDS: visit(static_cast<CMinigameRewards*>(game)); break;
    }
}
