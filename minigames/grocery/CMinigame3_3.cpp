#include "minigames/grocery/CMinigame3_3.h"

#include "core/CModel.h"
#include "core/GameRandom.h"
#include "minigames/MinigameParts.h"
#include "minigames/grocery/GroceryBoard.h"

using namespace Storage;

namespace {

// On the sheet the words go along the bottom, clear of its written
// instruction at the top; in play the groceries to put away wait along the
// bottom edge, and the words go to the top.
const MinigameSheet kSheet = {
    "stainless-steel.png", "storage_overlay.png", "minijeu3_1progress%d.png",
    "consigne3_3.png",     "Intro3_3.mp3",        CMinigame3_3::kMaximum,
};
constexpr SubtitlePlace kPlaySubtitles = kSubtitlesAtTop;

}  // namespace

CMinigame3_3::CMinigame3_3(CModel* owner, MinigameType minigameType)
    : CAbstractMinigame(owner, minigameType, "Icon_Minigame3_3.png"), shell(owner, minigameType, kSheet) {
    GameRandom::Seed();
}

void CMinigame3_3::Start() {
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
}

void CMinigame3_3::Stop() {
    ReleaseAll(goods);
    ReleaseAll(places);
    ReleaseAll(examples);
}

void CMinigame3_3::Place(int width, int height) {
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
    for (Storage::Place p : placed) waiting += p == PLACE_NONE;
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

void CMinigame3_3::OnPlayStart() {
    shell.SetProgress(2);
    model->SetMinigameSubtitlePlace(kPlaySubtitles);
}

void CMinigame3_3::OnInstructions() { model->SetMinigameSubtitlePlace(kSheet.subtitles); }

void CMinigame3_3::OnResume() { model->SetMinigameSubtitlePlace(kPlaySubtitles); }

// The points come all at once, without the rising ingot.
void CMinigame3_3::Score() {
    int right = 0;
    for (int i = 0; i < kDrawn; ++i) right += placed[i] == kGoods[drawn[i]].place;
    shell.resultsPanel->SetCompte(right);
    shell.SetProgress(3);
}

bool CMinigame3_3::AnyMissed() const {
    for (int i = 0; i < kDrawn; ++i)
        if (placed[i] != kGoods[drawn[i]].place) return true;
    return false;
}

void CMinigame3_3::OnPress(CPoint point) {
    if (current < 0 || !goods[current]->HitTest(point)) return;
    dragging = true;
    goods[current]->SetPosition(point.x, point.y);
}

bool CMinigame3_3::OnDrag(CPoint point) {
    if (!dragging) return false;
    goods[current]->SetPosition(point.x, point.y);
    return true;
}

// The good in hand let go: in the place under it, else back in the row.
bool CMinigame3_3::OnRelease(CPoint point) {
    if (!dragging) return false;
    dragging = false;
    for (int p = 0; p < kPlaceCount; ++p) {
        if (!places[p]->HitTest(point)) continue;
        placed[current] = Storage::Place(p);
        model->PlaySoundFile("drop.mp3", false);
        NextCurrent();
        break;
    }
    Arrange();
    if (Finished()) Score();
    return true;
}

Verdict CMinigame3_3::Judge(CPoint point) {
    for (int i = kDrawn - 1; i >= 0; --i) {
        if (placed[i] == PLACE_NONE || !goods[i]->HitTest(point)) continue;
        placed[i] = PLACE_NONE;
        current = i;
        Arrange();
        break;
    }
    return Verdict::None;
}

bool CMinigame3_3::OnPlayMove(CPoint point) const {
    for (int i = 0; i < kDrawn; ++i) {
        if ((placed[i] != PLACE_NONE || i == current) && goods[i]->HitTest(point)) return true;
    }
    return false;
}

// The goods in game order; a missed one shows the place it keeps in.
void CMinigame3_3::DrawReview(int width, int height) {
    std::vector<CClickableImage*> answers;
    std::vector<bool> right;
    for (int i = 0; i < kDrawn; ++i) {
        answers.push_back(places[kGoods[drawn[i]].place]);
        right.push_back(placed[i] == kGoods[drawn[i]].place);
    }
    GroceryBoard::Draw(shell, goods, right, answers, width, height);
}

void CMinigame3_3::DrawOnSheet(int, int) {
    for (CClickableImage* place : places) place->Draw();
    for (CClickableImage* example : examples) example->Draw();
}

void CMinigame3_3::DrawPlay(int, int) {
    for (CClickableImage* place : places) place->Draw();
    for (int i = 0; i < kDrawn; ++i)
        if (i != current) goods[i]->Draw();
    if (current >= 0) goods[current]->Draw();  // the one in hand on top
}
