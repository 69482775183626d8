#pragma once
#include <vector>

#include "core/GameTypes.h"
#include "ui/CClickableImage.h"

class CModel;
class CAbstractMinigame;

// One workplace (or the trophy house): its icon and its minigames in
// position order. It owns both.
class CCategory {
public:
    CCategory(CModel* model, CategoryType type);
    ~CCategory() { Unload(); }
    CCategory(const CCategory&) = delete;
    CCategory& operator=(const CCategory&) = delete;

    std::vector<CAbstractMinigame*>* GetMinigames() const { return minigames; }
    CClickableImage* GetCategoryIcon() const { return icon; }
    CategoryType GetCategoryType() const { return type; }
    // Set by the sub-menu once it has placed this category's icons.
    void SetLoaded(bool on) { loaded = on; }
    bool IsLoaded() const { return loaded; }

private:
    // Deletes the icon and the minigames, last first.
    void Unload();

    CModel* model;
    CClickableImage* icon;
    CategoryType type;
    std::vector<CAbstractMinigame*>* minigames;
    bool loaded = false;
};
