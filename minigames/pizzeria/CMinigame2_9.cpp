#include "minigames/pizzeria/CMinigame2_9.h"

#include <GL/freeglut.h>

#include <cstdlib>
#include <ctime>

#include "app/CCalculatorDlg.h"
#include "app/Latin1.h"
#include "core/Formats.h"
#include "core/CModel.h"
#include "core/GameRandom.h"
#include "minigames/MinigameParts.h"

using namespace PizzaOrderForm;
using namespace PricingForms;

namespace {

// The words of the intro go in the column left of the pad: the sheet's
// card is at the bottom, the review's card on the pad's second copy.
constexpr SubtitlePlace kSubtitlesLeft = {SubtitlePlace::BOX, 0.01f, 0.16f, 0.26f, 0.84f};
const MinigameSheet kSheet = {
    "stainless-steel.png", "pizzaOverlay2.png", "minijeu2_1progress%d.png",
    "consigne2_9.png",     "Intro2_9.mp3",      CMinigame2_9::kMaximum,
    kSubtitlesLeft,        nullptr,             true,
    false,                 0.5f,  // the legend in the middle
    kPadScale,
};
constexpr int kPlayStrip = 2;
constexpr int kEndStrip = 3;
void* const kFont = GLUT_BITMAP_HELVETICA_12;
const CPoint kParked(-800, -800);
constexpr int kListDx = 200;

// The help of each price line, then of the toppings.
struct Explanations {
    const char* names[kPriceLineCount + 1];
    constexpr Explanations() : names() {
        for (int i = 0; i < kPriceLineCount; ++i) names[i] = kPriceLines[i].help;
        names[kPriceLineCount] = kToppingHelp;
    }
};
constexpr Explanations kExplanations;

bool ExploreNear(CPoint a, CPoint b) { return CMinigame2_9::closeEnough(a, b); }

}  // namespace

CMinigame2_9::CMinigame2_9(CModel* owner, MinigameType minigameType)
    : CAbstractMinigame(owner, minigameType, "Icon_Minigame2_9.png"), shell(owner, minigameType, kSheet) {
    GameRandom::Seed();
}

PizzaPrice CMinigame2_9::PriceOf(int form) {
    bool marked[kLineCount] = {};
    marked[kForms[form].sizeLine] = true;
    for (int line : kForms[form].toppings)
        if (line >= 0) marked[line] = true;
    return PizzaPrice::OfPad(marked, 0);
}

long CMinigame2_9::RightCents(int line) const {
    const PizzaPrice price = PriceOf(formIndex);
    const double amounts[kPriceLineCount] = {price.base, price.toppings, price.subtotal, price.hst, price.total};
    return PizzaPrice::Cents(amounts[line]);
}

void CMinigame2_9::Start() {
    shell.SetCaption("instruction_recu.png");
    formIndex = GameRandom::Below(kFormCount);
    formImage = Picture(kForms[formIndex].picture, kPadScale);
    lists.Make(model);
    const std::time_t now = std::time(nullptr);
    const std::tm* today = std::localtime(&now);
    dateText = CString(Formats::NumericDate(today->tm_year + 1900, today->tm_mon + 1, today->tm_mday).c_str());
    for (int i = 0; i < kPriceLineCount; ++i) {
        filled[i] = false;
        amountCents[i] = 0;
    }
    checked = false;
    selectedButton = -1;
}

void CMinigame2_9::Stop() {
    Release(formImage);
    lists.Free();
}

void CMinigame2_9::Place(int width, int height) {
    const Offset last = kLines[kLastTopping];
    const int left = width / 2 + last.dx + kPriceDx;
    for (int i = 0; i < kPriceLineCount; ++i) {
        linePos[i] = CPoint(left + kLineMiddleDx, height / 2 + last.dy + kPriceFirstDy + kPriceStep * i + kLineMiddleDy);
        helpPos[i] = linePos[i];
    }
    helpPos[kPriceLineCount] = CPoint(width / 2 + kLines[kFirstTopping].dx, height / 2 + kLines[kFirstTopping].dy);
    CloseLists();
}

bool CMinigame2_9::closeEnough(CPoint line, CPoint click) {
    return std::abs(click.x - line.x) < kReachX && std::abs(click.y - line.y) < kReachY;
}

// The value dialog, modal: only OK writes the amount.
void CMinigame2_9::TypeAmount(int line) {
    double value = 0.0;
    CCalculatorDlg dialog(&value);
    if (dialog.DoModal() != CCalculatorDlg::IDOK) return;
    amountCents[line] = PizzaPrice::Cents(value);
    filled[line] = true;
}

// The play button hands the lines in: a point a right line, then the board.
Verdict CMinigame2_9::Judge(CPoint click) {
    if (shell.playButton->HitTest(click)) {
        Check();
        return Verdict::RightNoPoint;
    }
    if (lists.Over(click)) {
        const int line = lists.OpenLine();
        const long cents = lists.Choose(click);
        if (cents >= 0) {
            amountCents[line] = cents;
            filled[line] = true;
        }
        return Verdict::None;
    }
    CloseLists();
    for (int line = 0; line < kPriceLineCount; ++line) {
        if (!closeEnough(linePos[line], click)) continue;
        if (kPriceLines[line].typed) {
            TypeAmount(line);
        } else {
            // Its list opens right of the price block.
            lists.Open(line, CPoint(linePos[line].x + kListDx - kLineMiddleDx, linePos[line].y));
        }
        break;
    }
    return Verdict::None;
}

PricingReview::Lines CMinigame2_9::ReviewLines() const {
    PricingReview::Lines lines{};
    for (int line = 0; line < kPriceLineCount; ++line) {
        lines.filled[line] = filled[line];
        lines.writtenCents[line] = amountCents[line];
        lines.rightCents[line] = RightCents(line);
    }
    return lines;
}

void CMinigame2_9::Check() {
    CloseLists();
    const PricingReview::Lines lines = ReviewLines();
    for (int line = 0; line < kPriceLineCount; ++line)
        if (lines.Right(line)) shell.ScorePoint();
    shell.SetProgress(kEndStrip);
    checked = true;
}

bool CMinigame2_9::AnyMissed() const {
    const PricingReview::Lines lines = ReviewLines();
    for (int line = 0; line < kPriceLineCount; ++line)
        if (!lines.Right(line)) return true;
    return false;
}

void CMinigame2_9::OnSheetClick(CPoint point) {
    selectedButton =
        shell.ExploreTargets(point, helpPos, kPriceLineCount + 1, selectedButton, ExploreNear, kExplanations.names);
}

bool CMinigame2_9::OnSheetMove(CPoint point) const {
    return CMinigameShell::OverAnyTarget(point, helpPos, kPriceLineCount + 1, ExploreNear);
}

void CMinigame2_9::OnPlayStart() {
    shell.SetProgress(kPlayStrip);
    shell.RestartFade();
    model->PlaySoundFile("beep.mp3", true);
    selectedButton = -1;
}

void CMinigame2_9::OnInstructions() {
    selectedButton = -1;
    shell.crosshairs->SetPosition(kParked);
}

bool CMinigame2_9::OnPlayMove(CPoint point) {
    bool over = false;
    for (const CPoint& line : linePos) over = over || closeEnough(line, point);
    lists.Hover(point);
    return over || lists.Over(point);
}

void CMinigame2_9::DrawBackground(int width, int height) {
    shell.DrawBackground(width, height);
    formImage->SetPosition(width / 2, height / 2);
    formImage->Draw();
}

// The date on the pad, and the price block as the learner has filled it.
void CMinigame2_9::DrawPrices(bool review) {
    glDisable(GL_TEXTURE_2D);
    glColor4f(0.85f, 0.1f, 0.1f, 1.0f);
    const CPoint date(viewWidth / 2 + kLines[kDateLine].dx, viewHeight / 2 + kLines[kDateLine].dy);
    model->DrawText(float(date.x), float(date.y + 7), kFont, dateText);
    const PricingReview::Lines lines = ReviewLines();
    for (int line = 0; line < kPriceLineCount; ++line) {
        const int left = linePos[line].x - kLineMiddleDx, baseline = linePos[line].y - kLineMiddleDy;
        glColor4f(0.0f, 0.0f, 0.0f, 1.0f);
        model->DrawText(float(left), float(baseline), kFont, Latin1FromUtf8(kPriceLines[line].label).c_str());
        if (review && !lines.Right(line)) {
            glColor4f(0.85f, 0.1f, 0.1f, 1.0f);
        } else {
            glColor4f(0.1f, 0.2f, 0.6f, 1.0f);
        }
        const CString amount = filled[line] ? CString(Latin1FromUtf8(Formats::FrenchMoney(amountCents[line])).c_str())
                                            : CString(kPriceLines[line].typed ? "... (cliquez)" : "... (choisir)");
        model->DrawText(float(left + kAmountDx), float(baseline), kFont, amount);
    }
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glEnable(GL_TEXTURE_2D);
}

void CMinigame2_9::DrawPlay(int width, int height) {
    DrawPrices(false);
    lists.Draw();
    shell.playButton->Draw();
    shell.DrawCaption(width, height);
}

void CMinigame2_9::DrawReview(int width, int height) {
    DrawPrices(true);
    PricingReview::Draw(shell, width, height, ReviewLines());
}
