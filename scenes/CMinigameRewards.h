#pragma once
#include <array>

#include "app/CPoint.h"
#include "minigames/CMinigameController.h"
#include "minigames/CAbstractMinigame.h"
#include "scenes/RewardHouseLayout.h"
#include "ui/CClickableImage.h"
#include "ui/CCountText.h"
#include "ui/CCustomButton.h"
#include "ui/CToggleButton.h"

// The trophy house, behind the vault on the town map. The learner drags a
// trophy from the shelf onto its place in the house; it stays there if the
// gold bars cover its price. With the house full, the game can start over.
class CMinigameRewards : public CAbstractMinigame {
public:
    static constexpr int kTrophies = RewardHouseLayout::kTrophies;

    CMinigameRewards(CModel* model, MinigameType type);
    ~CMinigameRewards() { Unload(); }

    void Load();
    void Unload();
    void Draw(int width, int height);
    void LoadButtonLocations(int width, int height);
    static bool closeEnough(CPoint a, CPoint b);
    void RestartGame();
    void OnMouseMove(CPoint point);
    void OnLButtonDown(CPoint point);
    void OnLButtonUp(CPoint point);

    CClickableImage* GetTrophy(int i) const { return trophies.at(i); }
    CPoint GetHouseSpot(int i) const { return houseSpots.at(i); }
    CPoint GetShelfSpot(int i) const { return shelfSpots.at(i); }
    CPoint GetRestartSpot() const { return restartSpot; }
    int GetHoveredTrophy() const { return hoveredTrophy; }
    bool IsHouseFull() const;
    // "1 lingot", "2 lingots": a price as the house shows it.
    static std::string PriceText(int price);

private:
    bool OnItsPlace(int trophy) const;
    void BackToShelf(int trophy);
    void DrawPrice(int trophy);
    void DrawBalance();

    CClickableImage* houseImage = nullptr;
    CCustomButton* exitButton = nullptr;
    CCustomButton* helpButton = nullptr;
    CToggleButton* muteButton = nullptr;
    CToggleButton* subtitlesButton = nullptr;
    CClickableImage* victoryImage = nullptr;
    CClickableImage* balanceIcon = nullptr;
    CCountText* countText = nullptr;  // the balance and the prices
    int draggedTrophy = -1;
    int hoveredTrophy = -1;
    bool dragging = false;
    std::array<CClickableImage*, kTrophies> trophies{};
    std::array<CPoint, kTrophies> shelfSpots{};
    std::array<CPoint, kTrophies> houseSpots{};
    CPoint restartSpot;
    int placedWidth = -1;  // the view size the spots were placed for
    int placedHeight = -1;
};

using CMinigameRewardsController = CMinigameController<CMinigameRewards>;
