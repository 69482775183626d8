#pragma once
#include "core/GameTypes.h"
#include "ui/CClickableImage.h"

class CModel;

// The plain base of every minigame and of the trophy house: what the model,
// the sub-menu and the controllers need to know of any of them. There are
// no virtual operations: the model reaches each concrete class by its type.
class CAbstractMinigame {
public:
    CClickableImage* GetIcon() const { return icon; }
    MinigameType GetType() const { return type; }
    bool NeedsLoad() const { return needsLoad; }

protected:
    // iconFile: "Icon_Minigame1_1.png" and its siblings, drawn at scale 2.
    CAbstractMinigame(CModel* owner, MinigameType minigameType, const char* iconFile);
    // Deleted only as its concrete class (MinigameOps::destroy).
    ~CAbstractMinigame() { delete icon; }
    CAbstractMinigame(const CAbstractMinigame&) = delete;
    CAbstractMinigame& operator=(const CAbstractMinigame&) = delete;

    MinigameType type;
    CModel* model;
    CClickableImage* icon;
    bool needsLoad = true;  // the next Draw loads the scene first
    bool movingOn = false;  // a wrong answer's cross and sound end, then the next item
    int viewWidth = 0;
    int viewHeight = 0;
};
