#pragma once
#include <string>

#include "app/CPoint.h"
#include "ui/CClickableImage.h"
#include "ui/CCountText.h"
#include "ui/CCustomButton.h"

class CModel;

// The score panel every minigame shows when its game ends: it slides in
// over the darkened game, drops one gold bar per point into a row of slots
// while the balance counts up, says the score in words ("5 sur 7") under
// them, stores the score, then offers to play again or to go back to the
// workplace's room, and after a game with misses to practise it. A
// practice game's panel stores nothing and says so.
class CRewardScene {
public:
    explicit CRewardScene(CModel* model);
    ~CRewardScene() { Unload(); }
    CRewardScene(const CRewardScene&) = delete;
    CRewardScene& operator=(const CRewardScene&) = delete;

    // Points earned so far in this game. The learner's total rises only
    // when the result is stored, by the bars the panel shows: a game left
    // before its panel adds nothing, and a point taken back is not counted.
    void SetCompte(int n) { compte = n; }
    int GetCompte() const { return compte; }
    void SetCompteMax(int n) { compteMax = n; }
    int GetCompteMax() const { return compteMax; }
    void Draw(int width, int height);
    void DrawRedBorder(int xOffset, int width, int height);
    void OnMouseMove(CPoint point);
    // Every click saves. Restart plays the game again; the menu button
    // leaves for the room. Either may delete this panel: nothing runs after.
    void OnLButtonUp(CPoint point);
    void Unload();
    // The learner leaves before the bars have all dropped: the game's
    // result is stored (and saved) at once, as if the panel had finished.
    void Finish();

    int GetSlideX() const { return slideX; }
    int GetBarsFilled() const { return barsFilled; }
    int GetSlotsShown() const { return slotsShown; }
    int GetShownTotal() const { return shownTotal; }
    // The score in words, as the panel writes it under the bars: "5 sur 7".
    std::string ScoreWords() const;
    // The buttons show, and act, once every slot is revealed.
    bool ButtonsShown() const { return slotsShown == compteMax; }
    CCustomButton* GetRestartButton() const { return restartButton; }
    CCustomButton* GetMenuButton() const { return menuButton; }
    // Practice is offered after a game with misses, and not after practice.
    bool PracticeOffered() const;
    CCustomButton* GetPracticeButton() const { return practiceButton; }

private:
    void StoreResult();

    CModel* model;
    int slideX;
    int frameCount = 0;
    int compte = 0;
    int compteMax = 0;
    int shownTotal;
    int barsFilled = 0;
    int slotsShown = 0;
    bool resultSaved = false;  // the profile was written once the result was stored
    bool totalRaised = false;  // the bars were added to the learner's total
    CCustomButton* restartButton = nullptr;
    CCustomButton* menuButton = nullptr;
    CCustomButton* practiceButton = nullptr;
    CClickableImage* completeImage = nullptr;
    CClickableImage* titlesImage = nullptr;
    CClickableImage* barImage = nullptr;
    CClickableImage* emptyBarImage = nullptr;
    CClickableImage* logoImage = nullptr;
    CClickableImage* largeBarImage = nullptr;
    CCountText* countText = nullptr;  // the balance, large enough to read
};
