#include "minigames/pizzeria/COrderFormGame.h"

#include <GL/freeglut.h>

#include <cstdlib>
#include <ctime>

#include "app/Latin1.h"
#include "core/CModel.h"
#include "core/GameRandom.h"

using namespace PizzaOrderForm;

namespace {

void* const kFont = GLUT_BITMAP_HELVETICA_12;
constexpr int kHelpLinesInInstructions = 14;  // reopened during play, only the top of the pad answers
const CPoint kParked(-800, -800);

// The help recording of each line, null where a line has none (the second
// copy's name, date, sizes and crust, the date and the crust).
struct LineHelp {
    const char* names[kLineCount];
    constexpr LineHelp() : names() {
        for (int pizza = 0; pizza < kPizzaCount; ++pizza) {
            for (int t = 0; t < kToppingCount; ++t) names[pizza * kPizzaStride + kFirstTopping + t] = kToppings[t].help;
        }
        for (const OtherHelp& other : kOtherHelp) names[other.line] = other.help;
        for (int s = 1; s < kSizeCount; ++s) names[kFirstSize + s] = names[kFirstSize];
    }
};
constexpr LineHelp kLineHelp;

bool IsSizeLine(int line) {
    const int inCopy = line % kPizzaStride;
    return line < 2 * kPizzaStride && inCopy >= kFirstSize && inCopy < kFirstSize + kSizeCount;
}
bool IsCrustLine(int line) {
    const int inCopy = line % kPizzaStride;
    return line < 2 * kPizzaStride && (inCopy == kFirstCrust || inCopy == kFirstCrust + 1);
}

}  // namespace

COrderFormGame::COrderFormGame(CModel* owner, MinigameType type, const OrderFormVersion& data)
    : model(owner), version(data), shell(owner, type, data.sheet) {
    GameRandom::Seed();
    orderIndex = GameRandom::Below(kOrderCount);
}

void COrderFormGame::Load() {
    shell.Load(nullptr);
    shell.SetProgress(version.startStrip);
    shell.overlayImage->SetScale(kPadScale);
    formImage = new CClickableImage("pizzaOrderForm.png");
    formImage->SetScale(kPadScale);
    machineImage = new CClickableImage("message_de_la_repondeuse.png");
    machineImage->SetScale(2.0f);
    nameList = new CDropDownMenu(model);
    for (const char* name : kNames) nameList->AddItem(name);

    const std::time_t now = std::time(nullptr);
    const std::tm* today = std::localtime(&now);
    dateText = CString::Format("%02d/%02d/%04d", today->tm_mday, today->tm_mon + 1, today->tm_year + 1900);

    orderIndex = (orderIndex + 1) % kOrderCount;
    orderSound = version.recordings[orderIndex];
    for (bool& marked : lineMarked) marked = false;
    messagePlayed = false;
    selectedButton = -1;
    nameListOpen = false;
}

void COrderFormGame::Unload() {
    shell.Unload();
    delete formImage;
    formImage = nullptr;
    delete machineImage;
    machineImage = nullptr;
    delete nameList;
    nameList = nullptr;
    nameListOpen = false;
}

void COrderFormGame::LoadButtonLocations(int width, int height) {
    for (int i = 0; i < kLineCount; ++i) linePos[i] = CPoint(width / 2 + kLines[i].dx, height / 2 + kLines[i].dy);
    if (nameListOpen) CloseNameList();
}

bool COrderFormGame::closeEnough(CPoint click, CPoint line) {
    return std::abs(click.y - line.y) < kNearY && std::abs(click.x - line.x) < kNearX;
}

bool COrderFormGame::closeEnoughLong(CPoint click, CPoint line) {
    return std::abs(click.y - line.y) < kNearY && std::abs(click.x - line.x) < kNearLongX;
}

void COrderFormGame::PlayHelpSounds() {
    if (selectedButton >= 0 && selectedButton < kLineCount && kLineHelp.names[selectedButton]) {
        model->PlaySoundFile(kLineHelp.names[selectedButton], true);
    }
}

CString COrderFormGame::GetSelectedName() const { return nameList ? nameList->GetSelectedItem() : CString(); }

void COrderFormGame::OpenNameList(int line) {
    // The box's picture has its list below and right of its centre.
    nameList->SetPosition(CPoint(linePos[line].x + 45, linePos[line].y));
    nameListOpen = true;
}

bool COrderFormGame::OverNameList(CPoint p) const {
    const CPoint at = nameList->GetPosition();
    return p.x >= at.x + kNameListFrom.dx && p.x <= at.x + kNameListTo.dx && p.y >= at.y + kNameListFrom.dy &&
           p.y <= at.y + kNameListTo.dy;
}

void COrderFormGame::CloseNameList() {
    nameList->SetPosition(kParked);
    nameListOpen = false;
}

void COrderFormGame::ToggleSize(int line) {
    const int first = line - (line % kPizzaStride) + kFirstSize;
    const bool marked = !lineMarked[line];
    for (int s = first; s < first + kSizeCount; ++s) lineMarked[s] = false;  // one size a pizza
    lineMarked[line] = marked;
}

void COrderFormGame::ToggleLine(int line) {
    lineMarked[line] = !lineMarked[line];
    if (IsCrustLine(line)) {
        const int other = (line % kPizzaStride) == kFirstCrust ? line + 1 : line - 1;
        lineMarked[other] = false;  // one crust a pizza
    }
}

void COrderFormGame::PlayGame(CPoint click) {
    // A click on the open list picks the name under it; the lines beneath
    // the list are not touched.
    if (nameListOpen && OverNameList(click)) {
        nameList->HitTest(click);
        CloseNameList();
        return;
    }
    for (int line : {kNameLine, kNameLine + kPizzaStride}) {
        if (closeEnough(click, linePos[line])) {
            OpenNameList(line);
            return;
        }
    }
    CloseNameList();
    for (int pizza = 0; pizza < kPizzaCount; ++pizza) {
        for (int s = 0; s < kSizeCount; ++s) {
            const int line = pizza * kPizzaStride + kFirstSize + s;
            if (closeEnoughLong(click, linePos[line])) ToggleSize(line);
        }
    }
    for (int pizza = 0; pizza < kPizzaCount; ++pizza) {
        for (int line = pizza * kPizzaStride + kFirstCrust; line <= pizza * kPizzaStride + kLastTopping; ++line) {
            if (closeEnough(click, linePos[line])) ToggleLine(line);
        }
    }
}

bool COrderFormGame::PointMet(const Point& point) const {
    return lineMarked[point.line] && (point.alsoLine < 0 || lineMarked[point.alsoLine]);
}

bool COrderFormGame::IsPointLine(int line) const {
    for (const Point& point : kOrders[orderIndex].points) {
        if (point.line == line || point.alsoLine == line) return true;
    }
    return false;
}

void COrderFormGame::Check() {
    const Order& order = kOrders[orderIndex];
    CRewardScene* panel = shell.resultsPanel;
    bool any = false;
    if (GetSelectedName() == order.customer) {
        panel->SetCompte(panel->GetCompte() + 1);
        any = true;
    }
    for (const Point& point : order.points) {
        if (!PointMet(point)) continue;
        panel->SetCompte(panel->GetCompte() + 1);
        any = true;
    }
    if (any) model->RewardUser();
    // Each line marked that the order did not ask for takes a point back,
    // down to one. The first copy's crust and the last topping of the
    // second copy are not counted.
    for (int line = kFirstSize; line <= kPizzaStride + kLastTopping - 1; ++line) {
        if (!lineMarked[line] || IsPointLine(line)) continue;
        if (line == kFirstCrust || line == kFirstCrust + 1 || line == kPizzaStride || line == kPizzaStride + 1) continue;
        if (panel->GetCompte() > 1) panel->SetCompte(panel->GetCompte() - 1);
    }
    CloseNameList();
    if (panel->GetCompte() >= kMaximum) {
        shell.SetProgress(version.endStrip);
        shell.EnterResults(false);
    } else {
        if (version.endStripOnFailure) shell.SetProgress(version.endStrip);
        shell.EnterReview();
    }
}

std::vector<CPoint> COrderFormGame::RightAnswers() const {
    std::vector<CPoint> at;
    const Order& order = kOrders[orderIndex];
    if (GetSelectedName() == order.customer) at.push_back(CPoint(linePos[kDateLine].x + 50, linePos[kDateLine].y));
    for (const Point& point : order.points) {
        for (int line : {point.line, point.alsoLine}) {
            if (line >= 0 && lineMarked[line]) at.push_back(CPoint(linePos[line].x + 25, linePos[line].y));
        }
    }
    return at;
}

void COrderFormGame::Explore(CPoint click, int lineCount) {
    selectedButton = shell.ExploreTargets(click, linePos, lineCount, selectedButton, closeEnough, kLineHelp.names);
}

bool COrderFormGame::OnLButtonUp(CPoint point) {
    switch (shell.OnCornerClick(point)) {
        case CORNER_MUTE: return true;
        case CORNER_EXIT: return false;
        case CORNER_HELP:
            if (shell.phase == PhasePlay) messagePlayed = false;  // the order is heard again
            return true;
        case CORNER_NONE: break;
    }
    switch (shell.phase) {
        case PhaseIntro:
            if (shell.playButton->HitTest(point)) {
                shell.phase = PhasePlay;
                shell.SetProgress(2);
                model->PlaySoundFile("beep.mp3", true);
                selectedButton = -1;
            } else {
                Explore(point, kLineCount);
            }
            break;
        case PhasePlay:
            if (shell.playButton->HitTest(point)) {
                Check();
            } else if (shell.instructionButton->HitTest(point)) {
                selectedButton = -1;
                shell.crosshairs->SetPosition(kParked);
                CloseNameList();
                shell.phase = PhaseInstructions;
            } else {
                PlayGame(point);
            }
            break;
        case PhaseInstructions:
            if (shell.playButton->HitTest(point)) {
                selectedButton = -1;
                shell.phase = PhasePlay;
            } else {
                Explore(point, kHelpLinesInInstructions);
            }
            break;
        case PhaseReview:
            if (shell.playButton->HitTest(point)) {
                shell.SetProgress(version.endStrip);
                shell.EnterResults(false);
            }
            break;
        case PhaseResults: shell.OnResultsClick(point); break;
    }
    return true;
}

void COrderFormGame::OnMouseMove(CPoint point) {
    if (shell.OnMouseMove(point)) return;
    bool overLine = false;
    if (shell.phase == PhaseIntro || shell.phase == PhasePlay || shell.phase == PhaseInstructions) {
        for (const CPoint& line : linePos) overLine = overLine || closeEnoughLong(point, line);
    }
    if (shell.phase == PhasePlay && nameListOpen) {
        if (OverNameList(point)) {
            nameList->HitTest(point);
            overLine = true;
        }
    }
    model->SetCursor(overLine ? CURSOR_HAND : CURSOR_ARROW);
}

void COrderFormGame::DrawForm(int width, int height) {
    formImage->SetPosition(width / 2, height / 2);
    formImage->Draw();
}

void COrderFormGame::DrawRing(int line, Offset from, Offset to) {
    // Four 2-pixel strokes (filled, so the frame recorder sees them as any shape).
    const CPoint at = linePos[line];
    const int x0 = at.x + from.dx, y0 = at.y + from.dy, x1 = at.x + to.dx, y1 = at.y + to.dy;
    glRecti(x0 - 1, y0 - 1, x1 + 1, y0 + 1);
    glRecti(x0 - 1, y1 - 1, x1 + 1, y1 + 1);
    glRecti(x0 - 1, y0 - 1, x0 + 1, y1 + 1);
    glRecti(x1 - 1, y0 - 1, x1 + 1, y1 + 1);
}

// The learner's pen: sizes ringed, crusts ringed small, toppings ticked.
void COrderFormGame::DrawMarks() {
    glDisable(GL_TEXTURE_2D);
    glColor4f(0.85f, 0.1f, 0.1f, 1.0f);
    for (int line = 0; line < kLineCount; ++line) {
        if (!lineMarked[line]) continue;
        if (IsSizeLine(line)) {
            DrawRing(line, kSizeRingFrom, kSizeRingTo);
        } else if (IsCrustLine(line)) {
            DrawRing(line, kCrustRingFrom, kCrustRingTo);
        } else {
            const int pizza = line / kPizzaStride;
            model->DrawText(float(linePos[line].x + kTickDx[pizza]), float(linePos[line].y + kTickDy), kFont, "x");
        }
    }
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glEnable(GL_TEXTURE_2D);
}

// The date and the customer's name, written on both copies.
void COrderFormGame::DrawTexts() {
    glDisable(GL_TEXTURE_2D);
    glColor4f(0.85f, 0.1f, 0.1f, 1.0f);
    const CPoint date = linePos[kDateLine];
    const CPoint name = linePos[kNameLine];
    const CString selected = GetSelectedName();
    for (int dx : {0, kCopyTextDx}) {
        model->DrawText(float(date.x + dx), float(date.y + 7), kFont, dateText);
        model->DrawText(float(name.x + dx), float(name.y + 7), kFont, selected);
    }
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glEnable(GL_TEXTURE_2D);
}

void COrderFormGame::DrawPrices() {
    glDisable(GL_TEXTURE_2D);
    glColor4f(0.0f, 0.0f, 0.0f, 1.0f);
    for (int pizza = 0; pizza < kPizzaCount; ++pizza) {
        const PizzaPrice price = Price(pizza);
        const CPoint last = linePos[pizza * kPizzaStride + kLastTopping];
        const float x = float(last.x + kPriceDx);
        const CString lines[] = {
            CString::Format("Prix de base: $%.02f", price.base), CString::Format("Toppings: $%.02f", price.toppings),
            CString::Format("Subtotal: $%.02f", price.subtotal), CString::Format("HST: $%.02f", price.hst),
            CString::Format("Total: $%.02f", price.total),
        };
        for (int i = 0; i < 5; ++i) model->DrawText(x, float(last.y + kPriceFirstDy + kPriceStep * i), kFont, lines[i]);
    }
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glEnable(GL_TEXTURE_2D);
}

void COrderFormGame::Draw(int width, int height) {
    if (shell.ViewResized(width, height)) LoadButtonLocations(width, height);
    shell.DrawBackground(width, height);
    DrawForm(width, height);
    switch (shell.phase) {
        case PhaseIntro:
        case PhaseInstructions:
            model->FillDarkQuad(width, height);
            shell.overlayImage->SetPosition(width / 2 + 4, height / 2 + 4);
            shell.overlayImage->Draw();
            shell.crosshairs->Draw();
            shell.playButton->Draw();
            break;
        case PhasePlay:
            shell.instructionButton->Draw();
            shell.consigneImage->Draw();
            DrawTexts();
            DrawMarks();
            DrawPrices();
            machineImage->SetPosition(width / 2, height / 2);
            shell.FadeInAndOut(machineImage, kMachineHold);
            if (!messagePlayed) {
                model->PlaySoundFile(orderSound, true);
                messagePlayed = true;
            }
            if (nameListOpen) nameList->Draw();
            shell.playButton->Draw();
            break;
        case PhaseReview:
            DrawTexts();
            DrawMarks();
            DrawPrices();
            shell.playButton->Draw();
            shell.DrawMarks(RightAnswers());
            break;
        case PhaseResults: shell.DrawResults(width, height); break;
    }
    shell.DrawTop();
}
