#include "minigames/grocery/CMinigame3_3.h"

#include "core/CModel.h"
#include "core/GameRandom.h"
#include "minigames/MinigameParts.h"
#include "minigames/grocery/GroceryBoard.h"

using namespace Storage;

namespace {

const MinigameSheet kSheet = {
    "stainless-steel.png", "storage_overlay.png", "minijeu3_1progress%d.png",
    "consigne3_3.png",     "Intro3_3.mp3",        CMinigame3_3::kMaximum,
    kSubtitlesAtTop,  // the groceries to put away wait along the bottom edge
};

}  // namespace

CMinigame3_3::CMinigame3_3(CModel* owner, MinigameType minigameType)
    : CAbstractMinigame(owner, minigameType, "Icon_Minigame3_3.png"), shell(owner, minigameType, kSheet) {
    GameRandom::Seed();
}

void CMinigame3_3::Load() {
    shell.Load(nullptr);
    const std::vector<int> goodsDrawn = GameRandom::Distinct(kDrawn, kGoodCount);
    for (int i = 0; i < kDrawn; ++i) {
        drawn[i] = goodsDrawn[i];
        placed[i] = PLACE_NONE;
        goods.push_back(new CClickableImage(kGoods[drawn[i]].picture));
    }
    for (int p = 0; p < kPlaceCount; ++p) {
        places.push_back(new CClickableImage(kPlacePictures[p]));
        examples.push_back(new CClickableImage(kExamples[p]));
    }
    current = 0;
    dragging = false;
    needsLoad = false;
}

void CMinigame3_3::Unload() {
    ReleaseAll(goods);
    ReleaseAll(places);
    ReleaseAll(examples);
    shell.Unload();
    needsLoad = true;
}

void CMinigame3_3::Leave() {
    Unload();
    model->SetGameState(GAMESTATE_SUBMENU);
}

void CMinigame3_3::LoadButtonLocations(int width, int height) {
    const float unit = float(height / 726.0);
    for (int p = 0; p < kPlaceCount; ++p) {
        places[p]->SetPosition(kPlaceX[p] * width / 1362, kPlaceY * height / 726);
        places[p]->SetScale(float(kPlaceScale) * unit);
        examples[p]->SetPosition(kPlaceX[p] * width / 1362, kPlaceY * height / 726);
        examples[p]->SetScale(0.6f * unit);
    }
    Arrange();
}

void CMinigame3_3::Arrange() {
    const double sx = viewWidth / 1362.0, sy = viewHeight / 726.0;
    int waiting = 0;
    for (Place p : placed) waiting += p == PLACE_NONE;
    int inRow = 0;
    int inPlace[kPlaceCount] = {};
    for (int i = 0; i < kDrawn; ++i) {
        CClickableImage* good = goods[i];
        if (placed[i] == PLACE_NONE) {
            if (dragging && i == current) continue;  // it follows the pointer
            const double x = 681 + (inRow++ - (waiting - 1) / 2.0) * kQueueStep;
            good->SetPosition(int(x * sx), int(kQueueY * sy));
            good->SetScale(float((i == current ? kCurrentScale : kGoodScale) * sy));
        } else {
            const int k = inPlace[placed[i]]++;
            const double x = kPlaceX[placed[i]] + ((k % 4) - 1.5) * kSlotStepX;
            const double y = kPlaceY + kSlotTop + (k / 4) * kSlotStepY;
            good->SetPosition(int(x * sx), int(y * sy));
            good->SetScale(float(kStoredScale * sy));
        }
    }
}

void CMinigame3_3::NextCurrent() {
    for (int step = 1; step <= kDrawn; ++step) {
        const int i = (current + step) % kDrawn;
        if (placed[i] == PLACE_NONE) {
            current = i;
            return;
        }
    }
    current = -1;
}

void CMinigame3_3::Judge() {
    int right = 0;
    for (int i = 0; i < kDrawn; ++i) right += placed[i] == kGoods[drawn[i]].place;
    // The points come all at once, without the rising ingot.
    shell.resultsPanel->SetCompte(right);
    shell.SetProgress(3);
    if (right == kDrawn) {
        shell.EnterResults(true);
    } else {
        shell.EnterReview();
    }
}

void CMinigame3_3::Drop(CPoint point) {
    dragging = false;
    for (int p = 0; p < kPlaceCount; ++p) {
        if (!places[p]->HitTest(point)) continue;
        placed[current] = Place(p);
        model->PlaySoundFile("drop.mp3", false);
        NextCurrent();
        break;
    }
    Arrange();
    if (current < 0) Judge();
}

void CMinigame3_3::OnLButtonDown(CPoint point) {
    if (needsLoad || shell.phase != PhasePlay || current < 0) return;
    if (goods[current]->HitTest(point)) {
        dragging = true;
        goods[current]->SetPosition(point.x, point.y);
    }
}

void CMinigame3_3::OnLButtonUp(CPoint point) {
    if (needsLoad) return;
    if (dragging) {
        Drop(point);
        return;
    }
    switch (shell.OnCornerClick(point)) {
        case CORNER_MUTE:
        case CORNER_HELP: return;
        case CORNER_EXIT: Leave(); return;
        case CORNER_NONE: break;
    }
    switch (shell.phase) {
        case PhaseIntro:
        case PhaseInstructions:
            if (shell.playButton->HitTest(point)) {
                if (shell.phase == PhaseIntro) shell.SetProgress(2);
                shell.phase = PhasePlay;
            }
            break;
        case PhasePlay:
            if (shell.instructionButton->HitTest(point)) {
                shell.phase = PhaseInstructions;
                return;
            }
            // A good put away is taken back out, to be put away again.
            for (int i = kDrawn - 1; i >= 0; --i) {
                if (placed[i] == PLACE_NONE || !goods[i]->HitTest(point)) continue;
                placed[i] = PLACE_NONE;
                current = i;
                Arrange();
                break;
            }
            break;
        case PhaseReview:
            if (shell.playButton->HitTest(point)) shell.EnterResults(true);
            break;
        case PhaseResults: shell.OnResultsClick(point); break;
    }
}

void CMinigame3_3::OnMouseMove(CPoint point) {
    if (needsLoad) return;
    if (dragging) {
        goods[current]->SetPosition(point.x, point.y);
        model->SetCursor(CURSOR_HAND);
        return;
    }
    if (shell.OnMouseMove(point)) return;
    bool onGood = false;
    if (shell.phase == PhasePlay)
        for (int i = 0; i < kDrawn; ++i) onGood = onGood || ((placed[i] != PLACE_NONE || i == current) && goods[i]->HitTest(point));
    model->SetCursor(onGood ? CURSOR_HAND : CURSOR_ARROW);
}

void CMinigame3_3::DrawFeedbackAnimation(int width, int height) {
    std::vector<bool> right;
    for (int i = 0; i < kDrawn; ++i) right.push_back(placed[i] == kGoods[drawn[i]].place);
    GroceryBoard::Draw(shell, goods, right, width, height);
}

void CMinigame3_3::Draw(int width, int height) {
    viewWidth = width;
    viewHeight = height;
    if (needsLoad) Load();
    if (shell.ViewResized(width, height)) LoadButtonLocations(width, height);
    shell.DrawBackground(width, height);
    switch (shell.phase) {
        case PhaseIntro:
        case PhaseInstructions:
            shell.DrawSheet(width, height);
            for (CClickableImage* place : places) place->Draw();
            for (CClickableImage* example : examples) example->Draw();
            shell.playButton->Draw();
            break;
        case PhasePlay:
            shell.instructionButton->Draw();
            shell.consigneImage->Draw();
            for (CClickableImage* place : places) place->Draw();
            for (int i = 0; i < kDrawn; ++i)
                if (i != current) goods[i]->Draw();
            if (current >= 0) goods[current]->Draw();  // the one in hand on top
            break;
        case PhaseReview:
            DrawFeedbackAnimation(width, height);
            shell.playButton->Draw();
            break;
        case PhaseResults: shell.DrawResults(width, height); break;
    }
    shell.DrawTop();
}
