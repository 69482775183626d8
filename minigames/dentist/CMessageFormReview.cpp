// The pad's entries and crosses as written, and the review of a form
// handed in: a tick beside each judged entry and asked-for box got right;
// a cross beside each one missed, with the right entry written in red in
// its place (the box crossed in red), and beside each box ticked that the
// message did not ask for (its cross in red).
#include <GL/freeglut.h>

#include "app/Latin1.h"
#include "core/CModel.h"
#include "minigames/dentist/CMessageForm.h"

using namespace MessageForm;

namespace {

constexpr CPoint kXShift = {-4, 6};

void Ink(bool red) {
    if (red) {
        glColor4f(0.78f, 0.08f, 0.06f, 1.0f);
    } else {
        glColor4f(0.0f, 0.0f, 0.0f, 1.0f);
    }
}

}  // namespace

CPoint CMessageForm::MarkOf(List list) const {
    const CPoint field = FieldOf(list);
    return CPoint(field.x + kMarkShift[list], field.y);
}

CPoint CMessageForm::MarkOfBox(int box) const {
    const CPoint at = boxTargets[box];
    return CPoint(at.x + kBoxMarkShift[kBoxes[box].dx > 0 ? 1 : 0], at.y);
}

CString CMessageForm::EntryShown(List list, bool corrected) const {
    if (!corrected || list == LIST_YOUR_NAME || IsRight(list)) return lists[list]->GetSelectedItem();
    const int right = GetRecording().right[list];
    return right == kNone ? CString(kNothing) : CString(Latin1FromUtf8(ListItems(list, language)[right].text).c_str());
}

bool CMessageForm::IsBoxCorrected(int box) const { return !boxTicked[box] && IsAsked(box); }

// The chosen entries; corrected, a missed one gives way to the right one, in red.
void CMessageForm::DrawEntries(bool corrected) {
    glDisable(GL_TEXTURE_2D);
    for (int l = 0; l < kListCount; ++l) {
        const List list = static_cast<List>(l);
        const CString text = EntryShown(list, corrected);
        if (text.IsEmpty()) continue;
        Ink(corrected && list != LIST_YOUR_NAME && !IsRight(list));
        const CPoint at = FieldOf(list);
        CModel::DrawText(static_cast<float>(at.x + kTextShift[l]), static_cast<float>(at.y),
                         GLUT_BITMAP_HELVETICA_12, text);
    }
    glEnable(GL_TEXTURE_2D);
}

// The boxes ticked; corrected, an asked-for box left empty is crossed in
// red, and so is a box ticked that the message did not ask for.
void CMessageForm::DrawBoxes(bool corrected) {
    glDisable(GL_TEXTURE_2D);
    for (int b = 0; b < kBoxCount; ++b) {
        const bool correction = corrected && IsBoxCorrected(b);
        if (!boxTicked[b] && !correction) continue;
        Ink(correction || (corrected && !IsAsked(b)));
        CModel::DrawText(static_cast<float>(boxTargets[b].x + kXShift.x), static_cast<float>(boxTargets[b].y + kXShift.y),
                         GLUT_BITMAP_HELVETICA_12, "X");
    }
    glEnable(GL_TEXTURE_2D);
}

void CMessageForm::DrawReview(int, int) {
    DrawEntries(true);
    DrawBoxes(true);
    // In reading order: the pad's fields from the top, then its boxes.
    for (int f = 0; f < kFieldCount; ++f) {
        const List list = kFieldLists[f];
        if (list == LIST_YOUR_NAME) continue;
        if (IsRight(list)) {
            shell.MarkRight(MarkOf(list), kMarkShare);
        } else {
            shell.MarkMissed(MarkOf(list), kMarkShare);
        }
    }
    for (int box = 0; box < kBoxCount; ++box) {
        if (IsAsked(box) && boxTicked[box]) {
            shell.MarkRight(MarkOfBox(box), kMarkShare);
        } else if (IsAsked(box) || boxTicked[box]) {
            shell.MarkMissed(MarkOfBox(box), kMarkShare);
        }
    }
}
