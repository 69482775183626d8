#pragma once
#include "app/CPoint.h"
#include "app/CString.h"

class CModel;

// What the pen writes on the order pad, in the colour given: the sizes
// ringed, the crusts ringed small, the toppings ticked; the date and the
// name on both copies; each pizza's price block.
namespace OrderPadInk {

struct Ink {
    float red, green, blue;
};
constexpr Ink kLearner = {0.85f, 0.1f, 0.1f};
constexpr Ink kRightAnswer = {0.05f, 0.55f, 0.2f};  // the review's answers the learner missed

// Every line marked, from the lines' screen positions.
void DrawMarks(CModel* model, const CPoint* linePos, const bool* marked, Ink ink);
void DrawTexts(CModel* model, const CPoint* linePos, const CString& date, const CString& name);
// A word beside a line of the first copy (the right name in the review).
void DrawBeside(CModel* model, CPoint line, int dx, const CString& text, Ink ink);
void DrawPrices(CModel* model, const CPoint* linePos, const bool* marked);

}  // namespace OrderPadInk
