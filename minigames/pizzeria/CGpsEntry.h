#pragma once
#include <string>

#include "app/CPoint.h"
#include "minigames/CMinigameShell.h"
#include "minigames/pizzeria/DeliveryGps.h"

class CModel;

// Entering the delivery address in the van's GPS, in English or in French:
// the learner reads the sticky note, types the city's first letters on the
// on-screen keyboard and picks the city among the suggestions, does the
// same for the street, types the house number on the keypad and starts
// the route. Each of the seven steps done without a wrong key earns its
// point; a wrong key is not entered. A game with mistakes ends on the
// route screen with the fields that went wrong stamped, then the panel.
class CGpsEntry {
public:
    static constexpr int kMaximum = DeliveryGps::kStepCount;
    // Frames the route screen shows before the game ends.
    static constexpr int kRouteFrames = 128;

    CGpsEntry(CModel* model, MinigameType type, const DeliveryGps::Language& language);
    ~CGpsEntry() { Unload(); }
    CGpsEntry(const CGpsEntry&) = delete;
    CGpsEntry& operator=(const CGpsEntry&) = delete;

    void Load();
    void Unload();
    void LoadButtonLocations(int width, int height);
    void Draw(int width, int height);
    void OnMouseMove(CPoint point);
    // True when the learner leaves for the room: the minigame unloads.
    bool OnLButtonUp(CPoint point);

    const CMinigameShell& Shell() const { return shell; }
    int GetStep() const { return step; }
    bool IsStepFailed() const { return stepFailed; }
    bool IsFieldMissed(DeliveryGps::Field field) const { return fieldMissed[field]; }
    // What the entry field holds: the letters typed, or the digits.
    const std::string& GetTyped() const { return typed; }
    const std::string& GetCity() const { return city; }
    const std::string& GetStreet() const { return street; }
    // The suggestions on screen, null for none.
    const DeliveryGps::Suggestions* GetSuggestions() const;
    bool IsRouteShown() const { return routeFrames >= 0; }
    // Screen positions of the targets.
    CPoint GetKeyLocation(char letter) const { return Place(DeliveryGps::KeySpot(letter)); }
    CPoint GetDigitLocation(int digit) const { return Place(DeliveryGps::DigitSpot(digit)); }
    CPoint GetSuggestionLocation(int row) const { return Place(DeliveryGps::SuggestionSpot(row)); }
    CPoint GetGoLocation() const { return Place({DeliveryGps::kGoX, DeliveryGps::kGoY}); }
    CPoint GetMenuLocation(int item) const { return Place(DeliveryGps::kMenuSpots[item]); }

private:
    CPoint Place(DeliveryGps::Spot spot) const;
    // Within a box of the given half sizes (reference pixels) around a spot.
    bool Near(CPoint point, DeliveryGps::Spot spot, int halfWidth, int halfHeight) const;
    // The key under the point: a letter, ' ', or 0 for none.
    char LetterAt(CPoint point) const;
    int DigitAt(CPoint point) const;  // -1 for none
    int SuggestionAt(CPoint point) const;
    void PlayGame(CPoint point);
    void Wrong(CPoint point);
    void Pass();
    void StartStage();
    void DrawField();
    void EndGame();

    CMinigameShell shell;
    CModel* model;
    const DeliveryGps::Language& language;
    CClickableImage* screenImages[DeliveryGps::kStepCount + 1] = {};
    CClickableImage* stickyImage = nullptr;
    int viewWidth = 0, viewHeight = 0;
    int step = 0;
    bool stepFailed = false;
    bool fieldMissed[DeliveryGps::kFieldCount] = {};
    bool stagePlayed = false;
    int selectedMenu = -1;
    int routeFrames = -1;  // counts down while the route shows, -1 before
    std::string typed;
    std::string city;
    std::string street;
};
