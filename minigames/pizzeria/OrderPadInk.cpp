#include "minigames/pizzeria/OrderPadInk.h"

#include <GL/freeglut.h>

#include "app/Latin1.h"
#include "core/CModel.h"
#include "core/Formats.h"
#include "minigames/pizzeria/PizzaOrderForm.h"
#include "minigames/pizzeria/PizzaPrice.h"
#include "minigames/pizzeria/PricingForms.h"

using namespace PizzaOrderForm;

namespace OrderPadInk {

namespace {

void* const kFont = GLUT_BITMAP_HELVETICA_12;

bool IsSizeLine(int line) {
    const int inCopy = line % kPizzaStride;
    return line < 2 * kPizzaStride && inCopy >= kFirstSize && inCopy < kFirstSize + kSizeCount;
}
bool IsCrustLine(int line) {
    const int inCopy = line % kPizzaStride;
    return line < 2 * kPizzaStride && (inCopy == kFirstCrust || inCopy == kFirstCrust + 1);
}

// Four 2-pixel strokes (filled, so the frame recorder sees them as any shape).
void DrawRing(CPoint at, Offset from, Offset to) {
    const int x0 = at.x + from.dx, y0 = at.y + from.dy, x1 = at.x + to.dx, y1 = at.y + to.dy;
    glRecti(x0 - 1, y0 - 1, x1 + 1, y0 + 1);
    glRecti(x0 - 1, y1 - 1, x1 + 1, y1 + 1);
    glRecti(x0 - 1, y0 - 1, x0 + 1, y1 + 1);
    glRecti(x1 - 1, y0 - 1, x1 + 1, y1 + 1);
}

void BeginInk(Ink ink) {
    glDisable(GL_TEXTURE_2D);
    glColor4f(ink.red, ink.green, ink.blue, 1.0f);
}

void EndInk() {
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glEnable(GL_TEXTURE_2D);
}

}  // namespace

void DrawMarks(CModel* model, const CPoint* linePos, const bool* marked, Ink ink) {
    BeginInk(ink);
    for (int line = 0; line < kLineCount; ++line) {
        if (!marked[line]) continue;
        if (IsSizeLine(line)) {
            DrawRing(linePos[line], kSizeRingFrom, kSizeRingTo);
        } else if (IsCrustLine(line)) {
            DrawRing(linePos[line], kCrustRingFrom, kCrustRingTo);
        } else {
            const int pizza = line / kPizzaStride;
            model->DrawText(float(linePos[line].x + kTickDx[pizza]), float(linePos[line].y + kTickDy), kFont, "x");
        }
    }
    EndInk();
}

void DrawTexts(CModel* model, const CPoint* linePos, const CString& date, const CString& name) {
    BeginInk(kLearner);
    const CPoint dateLine = linePos[kDateLine];
    const CPoint nameLine = linePos[kNameLine];
    for (int dx : {0, kCopyTextDx}) {
        model->DrawText(float(dateLine.x + dx), float(dateLine.y + 7), kFont, date);
        model->DrawText(float(nameLine.x + dx), float(nameLine.y + 7), kFont, name);
    }
    EndInk();
}

void DrawBeside(CModel* model, CPoint line, int dx, const CString& text, Ink ink) {
    BeginInk(ink);
    model->DrawText(float(line.x + dx), float(line.y + 7), kFont, text);
    EndInk();
}

void DrawPrices(CModel* model, const CPoint* linePos, const bool* marked) {
    BeginInk({0.0f, 0.0f, 0.0f});
    for (int pizza = 0; pizza < kPizzaCount; ++pizza) {
        const PizzaPrice price = PizzaPrice::OfPad(marked, pizza);
        const CPoint last = linePos[pizza * kPizzaStride + kLastTopping];
        const float x = float(last.x + kPriceDx);
        const double amounts[PricingForms::kPriceLineCount] = {price.base, price.toppings, price.subtotal, price.hst,
                                                               price.total};
        for (int i = 0; i < PricingForms::kPriceLineCount; ++i) {
            const std::string line = std::string(PricingForms::kPriceLines[i].label) + " " +
                                     Formats::FrenchMoney(PizzaPrice::Cents(amounts[i]));
            model->DrawText(x, float(last.y + kPriceFirstDy + kPriceStep * i), kFont, Latin1FromUtf8(line).c_str());
        }
    }
    EndInk();
}

}  // namespace OrderPadInk
