#include "minigames/pizzeria/CMinigame2_5.h"

#include <GL/freeglut.h>

#include <cstdlib>
#include <vector>

#include "app/Latin1.h"
#include "core/CModel.h"
#include "core/GameRandom.h"
#include "minigames/MinigameParts.h"

using namespace PaymentTerminal;

namespace {

const MinigameSheet kSheet = {
    "stainless-steel.png", "interac_overlay.png", "minijeu2_5progress%d.png",
    "consigne2_5.png",     "Intro2_5.mp3",        CMinigame2_5::kMaximum,
};
constexpr int kLastStrip = 5;
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

// The review's board: a row a payment, a column a step.
constexpr int kBoardRowY[kPaymentCount] = {-40, 10, 60};
constexpr int kBoardColumnX[CMinigame2_5::kSteps] = {-20, 90, 200};
constexpr int kBoardLeft = -260, kBoardRight = 260, kBoardTop = -110, kBoardBottom = 100;
const char* const kBoardRows[kPaymentCount] = {"Débit", "Crédit", "Carte cadeau"};
const char* const kBoardColumns[CMinigame2_5::kSteps] = {"Type", "Montant", "Carte"};

}  // namespace

CMinigame2_5::CMinigame2_5(CModel* owner, MinigameType minigameType)
    : CAbstractMinigame(owner, minigameType, "Icon_Minigame2_5.png"), shell(owner, minigameType, kSheet) {}

void CMinigame2_5::Load() {
    GameRandom::Seed();
    shell.Load(nullptr);
    shell.overlayImage->SetScale(2.0f);
    terminalImage = Picture("DebitMachine0.png", 2.0f);
    cardsImage = Picture("cards.png", 2.0f);
    bubbleImage = Picture("cartoon_bubble_long.png", 1.0f);  // a one-line bubble, not the calls' big one
    for (bool& missed : paymentMissed) missed = false;
    for (auto& steps : stepRight)
        for (bool& right : steps) right = false;
    payment = -1;
    GenerateRandomGame();
    selectedButton = -1;
    shownPage = -1;
    needsLoad = false;
}

void CMinigame2_5::Unload() {
    shell.Unload();
    for (CClickableImage** image : {&terminalImage, &cardsImage, &bubbleImage, &pageImage}) Release(*image);
    needsLoad = true;
}

void CMinigame2_5::Leave() {
    Unload();
    model->SetGameState(GAMESTATE_SUBMENU);
}

void CMinigame2_5::LoadButtonLocations(int width, int height) {
    for (int k = 0; k < kKeyCount; ++k) keyPos[k] = Place(width, height, kKeys[k]);
    for (int line = 0; line < 4; ++line) {
        menuKeyPos[line] = Place(width, height, Offset{kMenuKeyX, kScreenLineY[line] + kMenuKeyDy});
    }
    for (int t = 0; t < kPaymentCount; ++t) cardPos[t] = Place(width, height, kCards[t]);
    for (int p = 0; p < kPageCount; ++p) pagePoint[p] = Place(width, height, kPages[p].at);
    for (int i = 0; i < kClickHelpCount; ++i) clickHelp[i] = Place(width, height, kClickHelp[i].at);
}

bool CMinigame2_5::closeEnough(CPoint point, CPoint click) {
    return std::abs(click.y - point.y) < kCardReachY && std::abs(click.x - point.x) < kCardReachX;
}

bool CMinigame2_5::keyboardCloseEnough(CPoint point, CPoint click) {
    return std::abs(click.y - point.y) < kKeyReachY && std::abs(click.x - point.x) < kKeyReachX;
}

void CMinigame2_5::GenerateRandomGame() {
    // The cents are drawn first. A customer never pays nothing.
    const int cents = GameRandom::Below(99);
    const int dollars = GameRandom::Below(99);
    amountCents = dollars * 100 + cents;
    if (amountCents == 0) amountCents = 1;
    ++payment;
    terminalScreen = SCREEN_MENU;
    keyedCents = 0;
    screenLine[0] = kPayments[PAY_DEBIT].menuText;
    screenLine[1] = kPayments[PAY_CREDIT].menuText;
    screenLine[2] = "";
    screenLine[3] = kPayments[PAY_GIFT].menuText;
}

CString CMinigame2_5::Instruction() const {
    if (payment < 0 || payment >= kPaymentCount) return CString();
    return CString::Format(kPayments[payment].instruction, amountCents / 100.0);
}

void CMinigame2_5::ShowKeyed() { screenLine[3] = CString::Format("$%d.%02d", keyedCents / 100, keyedCents % 100); }

// The till: each digit pushes the others one place left, erase drops the last.
void CMinigame2_5::KeyboardTotalHit(CPoint click) {
    for (int digit = 0; digit <= 9; ++digit) {
        if (!keyboardCloseEnough(keyPos[digit], click)) continue;
        if (keyedCents < 1000000) keyedCents = keyedCents * 10 + digit;  // at most seven digits
        ShowKeyed();
    }
    if (keyboardCloseEnough(keyPos[KEY_ERASE], click)) {
        keyedCents /= 10;
        ShowKeyed();
    }
}

void CMinigame2_5::StepDone(int step, bool right) {
    if (right) {
        stepRight[payment][step] = true;
        shell.ScorePoint();
    } else {
        paymentMissed[payment] = true;
    }
}

void CMinigame2_5::NextPayment() {
    GenerateRandomGame();
    switch (payment) {
        case PAY_CREDIT:
        case PAY_GIFT:
            shell.SetProgress(payment + 2);
            model->PlaySoundFile(kPayments[payment].announce, true);
            shell.RestartFade();
            return;
        default: break;
    }
    shell.SetProgress(kLastStrip);
    const bool clean = !paymentMissed[PAY_DEBIT] && !paymentMissed[PAY_CREDIT] && !paymentMissed[PAY_GIFT];
    if (clean) {
        shell.ScorePoint();  // a game without a slip
        shell.EnterResults(true);
    } else {
        shell.EnterReview();
    }
}

void CMinigame2_5::PlayGame(CPoint click) {
    if (payment < 0 || payment >= kPaymentCount) return;
    switch (terminalScreen) {
        case SCREEN_MENU:
            for (int type = 0; type < kPaymentCount; ++type) {
                if (!keyboardCloseEnough(menuKeyPos[kPayments[type].menuLine], click)) continue;
                // The chosen type's charge goes on, right or wrong.
                terminalScreen = SCREEN_AMOUNT;
                screenLine[0] = "";
                screenLine[1] = "";
                screenLine[2] = kPayments[type].chargeTitle;
                keyedCents = 0;
                ShowKeyed();
                StepDone(0, type == payment);
                return;
            }
            break;
        case SCREEN_AMOUNT:
            if (keyboardCloseEnough(keyPos[KEY_ENTER], click)) {
                terminalScreen = SCREEN_CARD;
                StepDone(1, keyedCents == amountCents);
                return;
            }
            KeyboardTotalHit(click);
            break;
        case SCREEN_CARD:
            for (int type = 0; type < kPaymentCount; ++type) {
                if (!closeEnough(cardPos[type], click)) continue;
                StepDone(2, type == payment);
                NextPayment();
                return;
            }
            break;
    }
}

void CMinigame2_5::LoadHelpImages(CPoint point) {
    for (int p = 0; p < kPageCount; ++p) {
        if (!closeEnough(pagePoint[p], point)) continue;
        if (p == shownPage) return;
        shownPage = p;
        delete pageImage;
        pageImage = Picture(kPages[p].picture, 2.0f);
        model->PlaySoundFile(kPages[p].voice, true);
        return;
    }
}

void CMinigame2_5::OnLButtonUp(CPoint point) {
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
                    shell.SetProgress(2);
                    model->PlaySoundFile(kPayments[PAY_DEBIT].announce, true);
                }
                shell.phase = PhasePlay;
                selectedButton = -1;
            } else {
                selectedButton = shell.ExploreTargets(point, clickHelp, kClickHelpCount, selectedButton, closeEnough,
                                                      kClickVoices.names);
            }
            break;
        case PhasePlay:
            if (shell.instructionButton->HitTest(point)) {
                selectedButton = -1;
                shell.crosshairs->SetPosition(kParked);
                shell.phase = PhaseInstructions;
            } else {
                PlayGame(point);
            }
            break;
        case PhaseReview:
            if (shell.playButton->HitTest(point)) {
                shell.SetProgress(kLastStrip);
                shell.EnterResults(true);
            }
            break;
        case PhaseResults: shell.OnResultsClick(point); break;
    }
}

void CMinigame2_5::OnMouseMove(CPoint point) {
    if (needsLoad || shell.OnMouseMove(point)) return;
    bool over = false;
    if (shell.phase == PhaseIntro || shell.phase == PhaseInstructions) {
        LoadHelpImages(point);
    } else if (shell.phase == PhasePlay) {
        for (const CPoint& key : keyPos) over = over || keyboardCloseEnough(key, point);
        for (const CPoint& key : menuKeyPos) over = over || keyboardCloseEnough(key, point);
        if (terminalScreen == SCREEN_CARD)
            for (const CPoint& card : cardPos) over = over || closeEnough(card, point);
    }
    model->SetCursor(over ? CURSOR_HAND : CURSOR_ARROW);
}

void CMinigame2_5::DrawScreen() {
    glDisable(GL_TEXTURE_2D);
    glColor4f(0.12f, 0.2f, 0.12f, 1.0f);
    const CPoint centre(viewWidth / 2, viewHeight / 2);
    for (int line = 0; line < 4; ++line) {
        model->DrawText(float(centre.x + kScreenLineX), float(centre.y + kScreenLineY[line]), GLUT_BITMAP_9_BY_15,
                        screenLine[line]);
    }
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glEnable(GL_TEXTURE_2D);
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

// After a slip: the board of the nine steps, a stamp on each one done right.
void CMinigame2_5::DrawReview(int width, int height) {
    const int cx = width / 2, cy = height / 2;
    model->FillDarkQuad(width, height);
    glDisable(GL_TEXTURE_2D);
    glColor4f(0.26f, 0.05f, 0.03f, 1.0f);
    glRecti(cx + kBoardLeft - 4, cy + kBoardTop - 4, cx + kBoardRight + 4, cy + kBoardBottom + 4);
    glColor4f(0.97f, 0.94f, 0.89f, 1.0f);
    glRecti(cx + kBoardLeft, cy + kBoardTop, cx + kBoardRight, cy + kBoardBottom);
    glColor4f(0.17f, 0.16f, 0.2f, 1.0f);
    static const std::string title = Latin1FromUtf8("Les paiements : un tampon sur chaque étape réussie");
    model->DrawText(float(cx + kBoardLeft + 20), float(cy + kBoardTop + 26), GLUT_BITMAP_HELVETICA_12, title.c_str());
    for (int s = 0; s < kSteps; ++s) {
        model->DrawText(float(cx + kBoardColumnX[s] - 24), float(cy + kBoardTop + 56), GLUT_BITMAP_HELVETICA_12,
                        kBoardColumns[s]);
    }
    for (int p = 0; p < kPaymentCount; ++p) {
        const std::string row = Latin1FromUtf8(kBoardRows[p]);
        model->DrawText(float(cx + kBoardLeft + 20), float(cy + kBoardRowY[p] + 5), GLUT_BITMAP_9_BY_15, row.c_str());
    }
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glEnable(GL_TEXTURE_2D);
    std::vector<CPoint> right;
    for (int p = 0; p < kPaymentCount; ++p)
        for (int s = 0; s < kSteps; ++s)
            if (stepRight[p][s]) right.push_back(CPoint(cx + kBoardColumnX[s], cy + kBoardRowY[p]));
    shell.DrawMarks(right);
}

void CMinigame2_5::Draw(int width, int height) {
    viewWidth = width;
    viewHeight = height;
    if (needsLoad) Load();
    if (shell.ViewResized(width, height)) LoadButtonLocations(width, height);
    shell.DrawBackground(width, height);
    const CPoint terminal = Place(width, height, kTerminalAt), cards = Place(width, height, kCardsAt);
    terminalImage->SetPosition(terminal.x, terminal.y);
    terminalImage->Draw();
    cardsImage->SetPosition(cards.x, cards.y);
    cardsImage->Draw();
    switch (shell.phase) {
        case PhaseIntro:
        case PhaseInstructions: {
            model->FillDarkQuad(width, height);
            shell.overlayImage->SetPosition(width / 2, height / 2);
            shell.overlayImage->Draw();
            if (pageImage) {
                const CPoint page = Place(width, height, kPageAt);
                pageImage->SetPosition(page.x, page.y);
                pageImage->Draw();
            }
            shell.crosshairs->Draw();
            shell.playButton->Draw();
            break;
        }
        case PhasePlay:
            shell.instructionButton->Draw();
            shell.consigneImage->Draw();
            DrawScreen();
            DrawGameText(width, height);
            break;
        case PhaseReview:
            DrawScreen();
            DrawReview(width, height);
            shell.playButton->Draw();
            break;
        case PhaseResults: shell.DrawResults(width, height); break;
    }
    shell.DrawTop();
}
