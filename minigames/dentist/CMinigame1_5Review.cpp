// The machine as drawn in play, and the review of a fax sent: a tick
// beside each thing done right; a cross beside each one missed, and the
// machine shown as it should have been (the document in its feeder, the
// right number on the screen, the order written beside the keypad).
#include <GL/freeglut.h>

#include <string>

#include "core/CModel.h"
#include "minigames/dentist/CMinigame1_5.h"

using namespace FaxMachine;

namespace {

// Beside the send key (below it), the feeder (left of it), the screen and
// the keypad (right of them), from the view's centre.
constexpr Offset kMarks[CMinigame1_5::kMaximum] = {{128, 172}, {-160, 33}, {300, -112}, {330, 13}};
constexpr float kMarkShare = 0.75f;
// What keying too soon misses (Latin-1, as GLUT draws it).
constexpr const char* kOrderLines[2] = {"D'abord le document,", "puis le num\xE9ro."};
constexpr int kOrderFromMark = 32;
// Over the number that was sent to instead of the laboratory's.
constexpr const char* kDialledLine = "Vous avez compos\xE9 :";

void Ink(bool red) {
    if (red) {
        glColor4f(0.78f, 0.08f, 0.06f, 1.0f);
    } else {
        glColor4f(0.18f, 0.29f, 0.16f, 1.0f);
    }
}

}  // namespace

CPoint CMinigame1_5::GetMarkLocation(int point) const {
    return CPoint(centre.x + kMarks[point].dx, centre.y + kMarks[point].dy);
}

// The machine's screen: the digits dialled so far, or "Prêt", or in red
// what stops it sending; corrected, the right number in red where another
// was dialled.
void CMinigame1_5::DrawDisplay(bool corrected) {
    const bool correction = corrected && dialled != kNumber;
    const bool noticed = !corrected && notice != NOTICE_NONE;
    const std::string text = correction ? kNumber
                             : noticed  ? kNotices[notice].screen
                             : dialled.empty() ? "Pr\xEAt"
                                               : dialled;
    const int width = glutBitmapLength(GLUT_BITMAP_9_BY_15, reinterpret_cast<const unsigned char*>(text.c_str()));
    glDisable(GL_TEXTURE_2D);
    Ink(correction || noticed);
    model->DrawText(static_cast<float>(displayLocation.x - width / 2), static_cast<float>(displayLocation.y + 5),
                    GLUT_BITMAP_9_BY_15, text.c_str());
    glEnable(GL_TEXTURE_2D);
}

void CMinigame1_5::DrawMachine(bool corrected) {
    const bool in = documentIn || corrected;
    (in ? loadedMachineImage : machineImage)->Draw();
    keypadImage->Draw();
    DrawDisplay(corrected);
    if (flipFrames > 0) {
        --flipFrames;
        flipImage->Draw();
    } else if (!in) {
        documentImage->Draw();
    }
}

void CMinigame1_5::DrawReview(int, int) {
    DrawMachine(true);
    for (int i = 0; i < kMaximum; ++i) {
        if (points[i]) {
            shell.MarkRight(GetMarkLocation(i), kMarkShare);
        } else {
            shell.MarkMissed(GetMarkLocation(i), kMarkShare);
        }
    }
    glDisable(GL_TEXTURE_2D);
    Ink(true);
    // The number that was dialled instead, beside the screen's mark.
    if (!points[POINT_NUMBER]) {
        const CPoint mark = GetMarkLocation(POINT_NUMBER);
        const std::string was = dialled.empty() ? "-" : dialled;
        const char* lines[2] = {kDialledLine, was.c_str()};
        for (int line = 0; line < 2; ++line) {
            model->DrawText(static_cast<float>(mark.x + kOrderFromMark), static_cast<float>(mark.y - 4 + 16 * line),
                            GLUT_BITMAP_HELVETICA_12, lines[line]);
        }
    }
    if (!points[POINT_ORDER]) {
        const CPoint mark = GetMarkLocation(POINT_ORDER);
        for (int line = 0; line < 2; ++line) {
            model->DrawText(static_cast<float>(mark.x + kOrderFromMark), static_cast<float>(mark.y - 4 + 16 * line),
                            GLUT_BITMAP_HELVETICA_12, kOrderLines[line]);
        }
    }
    glEnable(GL_TEXTURE_2D);
}
