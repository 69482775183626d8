#include "minigames/pizzeria/CMinigame2_5.h"

#include <GL/freeglut.h>

#include <cstdlib>

#include "app/Latin1.h"
#include "core/CModel.h"
#include "core/Formats.h"
#include "core/GameRandom.h"
#include "minigames/MinigameParts.h"

using namespace PaymentTerminal;

namespace {

// The words of the intro go in the column left of the terminal: the sheet's
// card and the customer's bubble are at the bottom, the cards on the right.
constexpr SubtitlePlace kSubtitlesLeft = {SubtitlePlace::BOX, 0.01f, 0.16f, 0.26f, 0.84f};
const MinigameSheet kSheet = {
    "stainless-steel.png", "interac_overlay.png", "minijeu2_5progress%d.png",
    "consigne2_5.png",     "Intro2_5.mp3",        CMinigame2_5::kMaximum,
    kSubtitlesLeft,        nullptr,               true,
    false,                 0.5f,  // the legend in the middle
    2.0f,
};
constexpr int kLastStrip = 5;
constexpr int kStripSteps = 4;  // the three payments and the end
const CPoint kParked(-800, -800);

// The voices of the click help points, in their order.
struct ClickVoices {
    const char* names[kClickHelpCount];
    constexpr ClickVoices() : names() {
        for (int i = 0; i < kClickHelpCount; ++i) names[i] = kClickHelp[i].voice;
    }
};
constexpr ClickVoices kClickVoices;

CPoint Place(int width, int height, Offset at) { return CPoint(width / 2 + at.dx, height / 2 + at.dy); }

}  // namespace

CMinigame2_5::CMinigame2_5(CModel* owner, MinigameType minigameType)
    : CAbstractMinigame(owner, minigameType, "Icon_Minigame2_5.png"), shell(owner, minigameType, kSheet) {}

void CMinigame2_5::Start() {
    GameRandom::Seed();
    terminalImage = Picture("DebitMachine0.png", 2.0f);
    cardsImage = Picture("cards.png", 2.0f);
    bubbleImage = Picture("cartoon_bubble_long.png", 1.0f);  // a one-line bubble, not the calls' big one
    for (bool& missed : paymentMissed) missed = false;
    board = {};
    payment = -1;
    chosenType = -1;
    GenerateRandomGame();
    selectedButton = -1;
    shownPage = -1;
}

void CMinigame2_5::Stop() {
    for (CClickableImage** image : {&terminalImage, &cardsImage, &bubbleImage, &pageImage}) Release(*image);
}

void CMinigame2_5::Place(int width, int height) {
    for (int k = 0; k < kKeyCount; ++k) keyPos[k] = ::Place(width, height, kKeys[k]);
    for (int line = 0; line < CTerminalTill::kLines; ++line) {
        menuKeyPos[line] = ::Place(width, height, Offset{kMenuKeyX, kScreenLineY[line] + kMenuKeyDy});
    }
    for (int t = 0; t < kPaymentCount; ++t) cardPos[t] = ::Place(width, height, kCards[t]);
    for (int p = 0; p < kPageCount; ++p) pagePoint[p] = ::Place(width, height, kPages[p].at);
    for (int i = 0; i < kClickHelpCount; ++i) clickHelp[i] = ::Place(width, height, kClickHelp[i].at);
}

bool CMinigame2_5::closeEnough(CPoint point, CPoint click) {
    return std::abs(click.y - point.y) < kCardReachY && std::abs(click.x - point.x) < kCardReachX;
}

bool CMinigame2_5::keyboardCloseEnough(CPoint point, CPoint click) {
    return OnCap(kKeyCap, click.x - point.x, click.y - point.y);
}

bool CMinigame2_5::menuKeyCloseEnough(CPoint point, CPoint click) {
    const Cap withNotch = {kMenuNotchLeft, kMenuKeyCap.top, kMenuKeyCap.right, kMenuKeyCap.bottom};
    return OnCap(withNotch, click.x - point.x, click.y - point.y);
}

void CMinigame2_5::GenerateRandomGame() {
    // The cents are drawn first. A customer never pays nothing.
    const int cents = GameRandom::Below(99);
    const int dollars = GameRandom::Below(99);
    amountCents = dollars * 100 + cents;
    if (amountCents == 0) amountCents = 1;
    ++payment;
    till.ShowMenu();
}

CString CMinigame2_5::Instruction() const {
    if (payment < 0 || payment >= kPaymentCount) return CString();
    const CString utf8 = CString::Format(kPayments[payment].instruction, Formats::FrenchMoney(amountCents).c_str());
    return CString(Latin1FromUtf8(utf8.str()).c_str());
}

// A slip goes on to the payment's next step once its cross and sound end.
Verdict CMinigame2_5::StepDone(int step, bool right) {
    board.amountCents[payment] = amountCents;
    board.stepRight[payment][step] = right;
    if (right) return Verdict::Right;
    paymentMissed[payment] = true;
    return Verdict::WrongMovesOn;
}

bool CMinigame2_5::AnyMissed() const {
    for (bool missed : paymentMissed)
        if (missed) return true;
    return false;
}

void CMinigame2_5::NextPayment() {
    if (payment >= 0 && payment < kPaymentCount && paymentMissed[payment]) shell.MissStep(payment, kStripSteps);
    GenerateRandomGame();
    if (payment < kPaymentCount) {
        shell.SetProgress(payment + 2);
        shell.Say(kPayments[payment].announce);
        shell.RestartFade();
        return;
    }
    shell.SetProgress(kLastStrip);
    if (!AnyMissed()) shell.ScorePoint();  // a game without a slip
}

Verdict CMinigame2_5::Judge(CPoint click) {
    switch (till.Screen()) {
        case SCREEN_MENU:
            for (int type = 0; type < kPaymentCount; ++type) {
                if (!menuKeyCloseEnough(menuKeyPos[kPayments[type].menuLine], click)) continue;
                chosenType = type;
                if (type == payment) till.ShowCharge(type);
                return StepDone(STEP_TYPE, type == payment);
            }
            break;
        case SCREEN_AMOUNT:
            if (keyboardCloseEnough(keyPos[KEY_ENTER], click)) {
                const bool right = till.KeyedCents() == amountCents;
                if (right) till.AwaitCard();
                return StepDone(STEP_AMOUNT, right);
            }
            for (int key = KEY_0; key <= KEY_ERASE; ++key) {
                if (keyboardCloseEnough(keyPos[key], click)) till.Press(key);
            }
            break;
        case SCREEN_CARD:
            for (int type = 0; type < kPaymentCount; ++type) {
                if (!closeEnough(cardPos[type], click)) continue;
                const Verdict verdict = StepDone(STEP_CARD, type == payment);
                if (type == payment) NextPayment();
                return verdict;
            }
            break;
    }
    return Verdict::None;
}

// After a slip's cross and sound: the step it missed is left behind.
void CMinigame2_5::MoveOn() {
    switch (till.Screen()) {
        case SCREEN_MENU: till.ShowCharge(chosenType); break;
        case SCREEN_AMOUNT: till.AwaitCard(); break;
        case SCREEN_CARD: NextPayment(); break;
    }
}

// A help page shows while the pointer is over its spot (the hand there).
bool CMinigame2_5::OnSheetMove(CPoint point) {
    for (int p = 0; p < kPageCount; ++p) {
        if (!closeEnough(pagePoint[p], point)) continue;
        if (p == shownPage) return true;
        shownPage = p;
        delete pageImage;
        pageImage = Picture(kPages[p].picture, 2.0f);
        model->PlaySoundFile(kPages[p].voice, true);
        return true;
    }
    return CMinigameShell::OverAnyTarget(point, clickHelp, kClickHelpCount, closeEnough);
}

void CMinigame2_5::OnSheetClick(CPoint point) {
    selectedButton =
        shell.ExploreTargets(point, clickHelp, kClickHelpCount, selectedButton, closeEnough, kClickVoices.names);
}

void CMinigame2_5::OnPlayStart() {
    shell.SetProgress(2);
    shell.Say(kPayments[PAY_DEBIT].announce);
    selectedButton = -1;
}

void CMinigame2_5::OnInstructions() {
    selectedButton = -1;
    shell.crosshairs->SetPosition(kParked);
}

bool CMinigame2_5::OnPlayMove(CPoint point) const {
    bool over = false;
    for (const CPoint& key : keyPos) over = over || keyboardCloseEnough(key, point);
    for (const CPoint& key : menuKeyPos) over = over || menuKeyCloseEnough(key, point);
    if (till.Screen() == SCREEN_CARD)
        for (const CPoint& card : cardPos) over = over || closeEnough(card, point);
    return over;
}

void CMinigame2_5::DrawBackground(int width, int height) {
    shell.DrawBackground(width, height);
    const CPoint terminal = ::Place(width, height, kTerminalAt), cards = ::Place(width, height, kCardsAt);
    terminalImage->SetPosition(terminal.x, terminal.y);
    terminalImage->Draw();
    cardsImage->SetPosition(cards.x, cards.y);
    cardsImage->Draw();
}

void CMinigame2_5::DrawOnSheet(int width, int height) {
    if (pageImage) {
        const CPoint page = ::Place(width, height, kPageAt);
        pageImage->SetPosition(page.x, page.y);
        pageImage->Draw();
    }
    shell.crosshairs->Draw();
}

// The customer's request, in the bubble at the bottom.
void CMinigame2_5::DrawGameText(int width, int height) {
    const CString text = Instruction();
    if (text.IsEmpty()) return;
    bubbleImage->SetPosition(width / 2, height - 84);
    bubbleImage->Draw();
    glDisable(GL_TEXTURE_2D);
    glColor4f(0.0f, 0.0f, 0.0f, 1.0f);
    model->DrawText(float(width / 2 - 2.8 * text.GetLength()), float(height - 78), GLUT_BITMAP_HELVETICA_12, text);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glEnable(GL_TEXTURE_2D);
}

void CMinigame2_5::DrawPlay(int width, int height) {
    till.Draw(model, CPoint(width / 2, height / 2));
    DrawGameText(width, height);
}

void CMinigame2_5::DrawReview(int width, int height) {
    till.Draw(model, CPoint(width / 2, height / 2));
    PaymentBoard::Draw(shell, width, height, board);
}
