#include "minigames/grocery/CDateFormatCards.h"

#include "core/CModel.h"
#include "minigames/grocery/BestBefore.h"

using namespace BestBefore;

namespace {
// On the 1362 x 726 layout: the long card above, the four forms in a row,
// the month chart on the right.
constexpr int kLongX = 560, kLongY = 240;
constexpr int kFormY = 470;
constexpr int kFormX[kFormCount] = {150, 405, 660, 915};
constexpr double kFormScale = 0.9;
constexpr int kChartX = 1210, kChartY = 420;
}  // namespace

CDateFormatCards::CDateFormatCards(CModel* owner) : model(owner), monthChart(new CClickableImage(kMonthChart)) {
    for (const FormatCard& card : kFormatCards) cards.push_back(new CClickableImage(card.picture));
    cards.push_back(new CClickableImage(kLongCard));
}

CDateFormatCards::~CDateFormatCards() {
    for (CClickableImage* card : cards) delete card;
    delete monthChart;
}

void CDateFormatCards::Place(int width, int height) {
    const float scale = float(height / 726.0);
    for (int i = 0; i < kFormCount; ++i) {
        cards[i]->SetPosition(kFormX[i] * width / 1362, kFormY * height / 726);
        cards[i]->SetScale(float(scale * kFormScale));
    }
    cards[kFormCount]->SetPosition(kLongX * width / 1362, kLongY * height / 726);
    cards[kFormCount]->SetScale(scale);
    monthChart->SetPosition(kChartX * width / 1362, kChartY * height / 726);
    monthChart->SetScale(scale);
}

void CDateFormatCards::Draw() {
    for (CClickableImage* card : cards) card->Draw();
    monthChart->Draw();
}

int CDateFormatCards::CardAt(CPoint point) const {
    for (int i = 0; i <= kFormCount; ++i) {
        if (cards[i]->HitTest(point)) return i;
    }
    return -1;
}

bool CDateFormatCards::OnClick(CPoint point) {
    const int card = CardAt(point);
    if (card < 0) return false;
    model->PlaySoundFile(card < kFormCount ? kFormatCards[card].recording : kLongRecording, true);
    return true;
}
