#include "minigames/pizzeria/CMinigame2_9.h"

#include <GL/freeglut.h>

#include <cstdlib>
#include <ctime>
#include <vector>

#include "app/CCalculatorDlg.h"
#include "core/CModel.h"
#include "core/GameRandom.h"

using namespace PizzaOrderForm;
using namespace PricingForms;

namespace {

const MinigameSheet kSheet = {
    "stainless-steel.png", "pizzaOverlay2.png", "minijeu2_1progress%d.png",
    "consigne2_9.png",     "Intro2_9.mp3",      CMinigame2_9::kMaximum,
};
constexpr int kPlayStrip = 2;
constexpr int kEndStrip = 3;
void* const kFont = GLUT_BITMAP_HELVETICA_12;
const CPoint kParked(-800, -800);
// The list of a chosen line opens right of the price block.
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

void CMinigame2_9::Load() {
    shell.Load("instruction_recu.png");
    shell.overlayImage->SetScale(kPadScale);
    formIndex = GameRandom::Below(kFormCount);
    formImage = new CClickableImage(kForms[formIndex].picture);
    formImage->SetScale(kPadScale);
    for (int i = 0; i < 2; ++i) lists[i] = new CDropDownMenu(model);
    for (const Size& size : kSizes) lists[LINE_BASE]->AddItem(CString::Format("$%.02f", size.price));
    for (int n = 1; n <= kToppingChoices; ++n) {
        lists[LINE_TOPPINGS]->AddItem(CString::Format("$%.02f", n * kExtraToppingPrice));
    }
    const std::time_t now = std::time(nullptr);
    const std::tm* today = std::localtime(&now);
    dateText = CString::Format("%02d/%02d/%04d", today->tm_mday, today->tm_mon + 1, today->tm_year + 1900);
    for (int i = 0; i < kPriceLineCount; ++i) {
        filled[i] = false;
        amountCents[i] = 0;
    }
    openList = -1;
    selectedButton = -1;
    needsLoad = false;
}

void CMinigame2_9::Unload() {
    shell.Unload();
    delete formImage;
    formImage = nullptr;
    for (CDropDownMenu*& list : lists) {
        delete list;
        list = nullptr;
    }
    openList = -1;
    needsLoad = true;
}

void CMinigame2_9::Leave() {
    Unload();
    model->SetGameState(GAMESTATE_SUBMENU);
}

void CMinigame2_9::LoadButtonLocations(int width, int height) {
    const Offset last = kLines[kLastTopping];
    const int left = width / 2 + last.dx + kPriceDx;
    for (int i = 0; i < kPriceLineCount; ++i) {
        linePos[i] = CPoint(left + kLineMiddleDx, height / 2 + last.dy + kPriceFirstDy + kPriceStep * i + kLineMiddleDy);
        helpPos[i] = linePos[i];
    }
    helpPos[kPriceLineCount] = CPoint(width / 2 + kLines[kFirstTopping].dx, height / 2 + kLines[kFirstTopping].dy);
    if (openList >= 0) CloseList();
}

bool CMinigame2_9::closeEnough(CPoint line, CPoint click) {
    return std::abs(click.x - line.x) < kReachX && std::abs(click.y - line.y) < kReachY;
}

void CMinigame2_9::OpenList(int line) {
    lists[line]->SetPosition(CPoint(linePos[line].x + kListDx - kLineMiddleDx, linePos[line].y));
    openList = line;
}

void CMinigame2_9::CloseList() {
    for (CDropDownMenu* list : lists) list->SetPosition(kParked);
    openList = -1;
}

bool CMinigame2_9::OverList(CPoint p) const {
    if (openList < 0) return false;
    const CPoint at = lists[openList]->GetPosition();
    return p.x >= at.x + kNameListFrom.dx && p.x <= at.x + kNameListTo.dx && p.y >= at.y + kNameListFrom.dy &&
           p.y <= at.y + kNameListTo.dy;
}

// The value dialog, modal: only OK writes the amount.
void CMinigame2_9::TypeAmount(int line) {
    double value = 0.0;
    CCalculatorDlg dialog(&value);
    if (dialog.DoModal() != CCalculatorDlg::IDOK) return;
    amountCents[line] = PizzaPrice::Cents(value);
    filled[line] = true;
}

void CMinigame2_9::PlayGame(CPoint click) {
    if (OverList(click)) {
        CDropDownMenu* list = lists[openList];
        list->HitTest(click);
        const int row = list->GetSelectedIndex();
        if (row >= 0 && !list->GetSelectedItem().IsEmpty()) {
            amountCents[openList] = openList == LINE_BASE ? PizzaPrice::Cents(kSizes[row].price)
                                                          : PizzaPrice::Cents((row + 1) * kExtraToppingPrice);
            filled[openList] = true;
        }
        CloseList();
        return;
    }
    CloseList();
    for (int line = 0; line < kPriceLineCount; ++line) {
        if (!closeEnough(linePos[line], click)) continue;
        if (kPriceLines[line].typed) {
            TypeAmount(line);
        } else {
            OpenList(line);
        }
        return;
    }
}

void CMinigame2_9::Check() {
    CloseList();
    CRewardScene* panel = shell.resultsPanel;
    for (int line = 0; line < kPriceLineCount; ++line) {
        if (filled[line] && amountCents[line] == RightCents(line)) panel->SetCompte(panel->GetCompte() + 1);
    }
    shell.SetProgress(kEndStrip);
    if (panel->GetCompte() >= kMaximum) {
        shell.EnterResults(false);
    } else {
        shell.EnterReview();
    }
}

void CMinigame2_9::OnLButtonUp(CPoint point) {
    if (needsLoad) return;
    switch (shell.OnCornerClick(point)) {
        case CORNER_MUTE: return;
        case CORNER_EXIT: Leave(); return;
        case CORNER_HELP: return;
        case CORNER_NONE: break;
    }
    switch (shell.phase) {
        case PhaseIntro:
        case PhaseInstructions:
            if (shell.playButton->HitTest(point)) {
                if (shell.phase == PhaseIntro) {
                    shell.SetProgress(kPlayStrip);
                    shell.RestartFade();
                    model->PlaySoundFile("beep.mp3", true);
                }
                shell.phase = PhasePlay;
                selectedButton = -1;
            } else {
                selectedButton = shell.ExploreTargets(point, helpPos, kPriceLineCount + 1, selectedButton, ExploreNear,
                                                      kExplanations.names);
            }
            break;
        case PhasePlay:
            if (shell.playButton->HitTest(point)) {
                Check();
            } else if (shell.instructionButton->HitTest(point)) {
                CloseList();
                selectedButton = -1;
                shell.crosshairs->SetPosition(kParked);
                shell.phase = PhaseInstructions;
            } else {
                PlayGame(point);
            }
            break;
        case PhaseReview:
            if (shell.playButton->HitTest(point)) shell.EnterResults(false);
            break;
        case PhaseResults: shell.OnResultsClick(point); break;
    }
}

void CMinigame2_9::OnMouseMove(CPoint point) {
    if (needsLoad || shell.OnMouseMove(point)) return;
    bool over = false;
    if (shell.phase == PhasePlay) {
        for (const CPoint& line : linePos) over = over || closeEnough(line, point);
        if (OverList(point)) {
            lists[openList]->HitTest(point);
            over = true;
        }
    }
    model->SetCursor(over ? CURSOR_HAND : CURSOR_ARROW);
}

// The date on the pad, and the price block as the learner has filled it.
void CMinigame2_9::DrawPrices(bool review) {
    glDisable(GL_TEXTURE_2D);
    glColor4f(0.85f, 0.1f, 0.1f, 1.0f);
    const CPoint date(viewWidth / 2 + kLines[kDateLine].dx, viewHeight / 2 + kLines[kDateLine].dy);
    model->DrawText(float(date.x), float(date.y + 7), kFont, dateText);
    for (int line = 0; line < kPriceLineCount; ++line) {
        const int left = linePos[line].x - kLineMiddleDx, baseline = linePos[line].y - kLineMiddleDy;
        glColor4f(0.0f, 0.0f, 0.0f, 1.0f);
        model->DrawText(float(left), float(baseline), kFont, kPriceLines[line].label);
        const bool wrong = review && (!filled[line] || amountCents[line] != RightCents(line));
        if (wrong) {
            glColor4f(0.85f, 0.1f, 0.1f, 1.0f);
        } else {
            glColor4f(0.1f, 0.2f, 0.6f, 1.0f);
        }
        const CString amount =
            filled[line] ? CString::Format("$%ld.%02ld", amountCents[line] / 100, amountCents[line] % 100)
                         : CString(kPriceLines[line].typed ? "... (cliquez)" : "... (choisir)");
        model->DrawText(float(left + kAmountDx), float(baseline), kFont, amount);
    }
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glEnable(GL_TEXTURE_2D);
}

void CMinigame2_9::Draw(int width, int height) {
    viewWidth = width;
    viewHeight = height;
    if (needsLoad) Load();
    if (shell.ViewResized(width, height)) LoadButtonLocations(width, height);
    shell.DrawBackground(width, height);
    formImage->SetPosition(width / 2, height / 2);
    formImage->Draw();
    switch (shell.phase) {
        case PhaseIntro:
        case PhaseInstructions:
            model->FillDarkQuad(width, height);
            shell.overlayImage->SetPosition(width / 2, height / 2);
            shell.overlayImage->Draw();
            shell.crosshairs->Draw();
            shell.playButton->Draw();
            break;
        case PhasePlay:
            shell.instructionButton->Draw();
            shell.consigneImage->Draw();
            DrawPrices(false);
            if (openList >= 0) lists[openList]->Draw();
            shell.playButton->Draw();
            shell.DrawCaption(width, height);
            break;
        case PhaseReview: {
            DrawPrices(true);
            shell.playButton->Draw();
            std::vector<CPoint> right;
            for (int line = 0; line < kPriceLineCount; ++line) {
                if (filled[line] && amountCents[line] == RightCents(line)) right.push_back(linePos[line]);
            }
            shell.DrawMarks(right);
            break;
        }
        case PhaseResults: shell.DrawResults(width, height); break;
    }
    shell.DrawTop();
}
