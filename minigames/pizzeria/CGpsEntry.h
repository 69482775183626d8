#pragma once
#include <string>

#include "app/CPoint.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/CMinigameFlow.h"
#include "minigames/CMinigameShell.h"
#include "minigames/pizzeria/DeliveryGps.h"

class CModel;

// Entering the delivery address in the van's GPS, in English or in French:
// the learner reads the sticky note, types the city's first letters on the
// on-screen keyboard and picks the city among the suggestions, does the
// same for the street, types the house number on the keypad and starts
// the route. Each of the seven steps done without a wrong key earns its
// point (a look at the instructions costs nothing); a wrong key is not
// entered. A field entered with a mistake shows missed on the strip. A
// game with mistakes ends on the route screen, whose summary gives the
// right address: a tick beside each field entered without a mistake, a
// cross beside each one missed; then the panel.
class CGpsEntry : public CAbstractMinigame {
public:
    static constexpr int kMaximum = DeliveryGps::kStepCount;
    // Frames the route screen shows before the game ends.
    static constexpr int kRouteFrames = 128;

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
    CPoint GetKeyLocation(char letter) const { return At(DeliveryGps::KeySpot(letter)); }
    CPoint GetDigitLocation(int digit) const { return At(DeliveryGps::DigitSpot(digit)); }
    CPoint GetSuggestionLocation(int row) const { return At(DeliveryGps::SuggestionSpot(row)); }
    CPoint GetGoLocation() const { return At({DeliveryGps::kGoX, DeliveryGps::kGoY}); }
    CPoint GetMenuLocation(int item) const { return At(DeliveryGps::kMenuSpots[item]); }
    // The review's mark of a field, beside its row of the route's summary.
    CPoint GetMarkLocation(DeliveryGps::Field field) const { return At(DeliveryGps::kMarkSpots[field]); }

protected:
    CGpsEntry(CModel* model, MinigameType type, const char* icon, const DeliveryGps::Language& language);
    ~CGpsEntry() { Stop(); }

private:
    template <class>
    friend class CMinigameFlow;
    void Start();
    void Stop();
    void Place(int width, int height);
    void DrawBackground(int width, int height);
    void DrawUnderSheet(int, int) { stickyImage->Draw(); }
    void DrawOnSheet(int, int) { shell.crosshairs->Draw(); }
    void OnSheetClick(CPoint point);
    bool OnSheetMove(CPoint point) const;
    // The menu's items on the view, and whether a point is on the one at t.
    void MenuLocations(CPoint (&menu)[DeliveryGps::kMenuCount]) const;
    bool OnMenuItem(CPoint point, CPoint t) const;
    void DrawPlay(int width, int height);
    Verdict Judge(CPoint point);
    // The route has been seen.
    bool Finished() const { return step >= DeliveryGps::kStepCount && routeFrames == 0; }
    bool AnyMissed() const;
    void DrawReview(int width, int height);
    void OnPlayStart();
    void OnResume();
    void OnHelp() { stagePlayed = false; }
    bool OnPlayMove(CPoint point) const;

    CPoint At(DeliveryGps::Spot spot) const;
    // Within a box of the given half sizes (reference pixels) around a spot.
    bool Near(CPoint point, DeliveryGps::Spot spot, int halfWidth, int halfHeight) const;
    // The key under the point: a letter, ' ', or 0 for none.
    char LetterAt(CPoint point) const;
    int DigitAt(CPoint point) const;  // -1 for none
    int SuggestionAt(CPoint point) const;
    Verdict JudgeNumber(CPoint point);
    Verdict Wrong();
    Verdict Pass();
    void DrawField();

    CMinigameShell shell;
    const DeliveryGps::Language& language;
    CClickableImage* screenImages[DeliveryGps::kStepCount + 1] = {};
    CClickableImage* stickyImage = nullptr;
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
