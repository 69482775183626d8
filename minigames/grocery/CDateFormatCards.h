#pragma once
#include <vector>

#include "app/CPoint.h"
#include "ui/CClickableImage.h"

class CModel;

// The sheet of the date games: the four format cards and the long card,
// each of which reads its label aloud when clicked, and the month chart.
// The belt and the sorting games both show it in their intro and
// instructions.
class CDateFormatCards {
public:
    explicit CDateFormatCards(CModel* model);
    ~CDateFormatCards();
    CDateFormatCards(const CDateFormatCards&) = delete;
    CDateFormatCards& operator=(const CDateFormatCards&) = delete;

    // Places the cards for the view's size.
    void Place(int width, int height);
    void Draw();
    // Reads the clicked card aloud; false when no card was hit.
    bool OnClick(CPoint point);
    // Whether a card is under the pointer (the hand cursor).
    bool Over(CPoint point) const { return CardAt(point) >= 0; }
    // Where card i is (0 to 3 the forms, 4 the long card).
    CPoint GetCard(int i) const { return cards[i]->GetPosition(); }

private:
    // The card at a point (kFormCount: the long card), -1 for none.
    int CardAt(CPoint point) const;

    CModel* model;
    std::vector<CClickableImage*> cards;  // the four forms, then the long card
    CClickableImage* monthChart;
};
