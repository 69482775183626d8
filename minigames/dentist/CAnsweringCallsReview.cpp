#include "minigames/dentist/CAnsweringCalls.h"

#include <GL/freeglut.h>

#include <string>

#include "app/BitmapText.h"
#include "app/Latin1.h"
#include "core/CModel.h"

using namespace PhoneCalls;

namespace {
// The review card lists each call's right greeting and reply, a row each;
// the mark stands left of the words, small enough for the rows to keep
// their marks apart.
constexpr int kReviewFirstRow = -170;
constexpr int kReviewRowHeight = 44;
constexpr int kReviewTextX = -420;
constexpr int kReviewTextWidth = 860;  // to the card's right edge
constexpr int kReviewMarkDx = -30;
constexpr float kMarkShare = 0.6f;
void* const kLarge = GLUT_BITMAP_HELVETICA_18;

// The large letters when every row fits the card in them.
void* ReviewFont(const std::string (&rows)[kPointCount]) {
    for (const std::string& row : rows) {
        if (BitmapText::Width(kLarge, row) > kReviewTextWidth) return GLUT_BITMAP_HELVETICA_12;
    }
    return kLarge;
}
}  // namespace

CPoint CAnsweringCalls::ReviewRowOf(int n) const {
    const CPoint centre = reviewCard->GetPosition();
    return CPoint(centre.x + kReviewTextX, centre.y + kReviewFirstRow + kReviewRowHeight * n);
}

CPoint CAnsweringCalls::ReviewMarkOf(int n) const {
    const CPoint row = ReviewRowOf(n);
    return CPoint(row.x + kReviewMarkDx, row.y);
}

// Each call's right greeting and right reply, in order: the tick beside
// those the learner chose, the cross beside those missed, whose words are
// written in red.
void CAnsweringCalls::DrawReview(int, int) {
    phoneImage->Draw();
    receiverButton->Draw();
    reviewCard->Draw();
    std::string rows[kPointCount];
    for (int n = 0; n < kPointCount; ++n) {
        const Call& call = game.calls[n / 2];
        rows[n] = Latin1FromUtf8(std::string("Appel ") + std::to_string(n / 2 + 1) +
                                 (n % 2 == 0 ? " - salutation : " + std::string(kGreetings[kRightGreeting].text)
                                             : " - réponse : " + std::string(call.replies[call.rightReply].text)));
    }
    void* const font = ReviewFont(rows);
    glDisable(GL_TEXTURE_2D);
    for (int n = 0; n < kPointCount; ++n) {
        if (points[n] == 1) {
            glColor4f(0.17f, 0.16f, 0.2f, 1.0f);
        } else {
            glColor4f(0.71f, 0.28f, 0.18f, 1.0f);
        }
        const CPoint at = ReviewRowOf(n);
        model->DrawText(static_cast<float>(at.x), static_cast<float>(at.y + (font == kLarge ? 7 : 5)), font,
                        rows[n].c_str());
    }
    glEnable(GL_TEXTURE_2D);
    for (int n = 0; n < kPointCount; ++n) {
        if (points[n] == 1) {
            shell.MarkRight(ReviewMarkOf(n), kMarkShare);
        } else {
            shell.MarkMissed(ReviewMarkOf(n), kMarkShare);
        }
    }
}
