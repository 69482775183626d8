#include "core/CCategory.h"

#include "minigames/CAbstractMinigame.h"
#include "minigames/MinigameTable.h"

namespace {
const char* IconFor(CategoryType type) {
    switch (type) {
        case CATEGORY_DENTIST: return "CategoryDentistIcon.png";
        case CATEGORY_PIZZA: return "CategoryPizzaIcon.png";
        case CATEGORY_GROCERY: return "CategoryGroceryIcon.png";
        case CATEGORY_REWARDS: return "CategoryGroceryIcon.png";  // the vault has no picture of its own
        default: return nullptr;
    }
}
}  // namespace

CCategory::CCategory(CModel* owner, CategoryType categoryType)
    : model(owner),
      icon(new CClickableImage(IconFor(categoryType))),
      type(categoryType),
      minigames(new std::vector<CAbstractMinigame*>()) {}

void CCategory::Unload() {
    delete icon;
    icon = nullptr;
    if (minigames == nullptr) return;
    while (!minigames->empty()) {
        CAbstractMinigame* game = minigames->back();
        MinigameOpsFor(game->GetType())->destroy(game);
        minigames->pop_back();
    }
    delete minigames;
    minigames = nullptr;
}
