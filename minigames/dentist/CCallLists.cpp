#include "minigames/dentist/CCallLists.h"

#include <GL/freeglut.h>

#include "app/Latin1.h"
#include "core/CModel.h"

using namespace PhoneCalls;

namespace {

constexpr CPoint kParked = {-800, -800};

CDropDownMenu* NewList(CModel* model, const Choice (&choices)[kChoiceCount]) {
    CDropDownMenu* list = new CDropDownMenu(model);
    list->MakeItLong();
    list->SetFont(GLUT_BITMAP_HELVETICA_12);
    for (const Choice& choice : choices) list->AddItem(Latin1FromUtf8(choice.text).c_str());
    list->SetPosition(kParked);
    return list;
}

bool Chose(const CDropDownMenu* list, const Choice& choice) {
    return list->GetSelectedItem() == CString(Latin1FromUtf8(choice.text).c_str());
}

}  // namespace

void CCallLists::Make(const Call& forCall) {
    Free();
    call = &forCall;
    greetings = NewList(model, kGreetings);
    replies = NewList(model, forCall.replies);
    open = LIST_NONE;
    hoveredRow = -1;
}

void CCallLists::Free() {
    delete greetings;
    delete replies;
    greetings = replies = nullptr;
    open = LIST_NONE;
}

CDropDownMenu* CCallLists::ListOf(OpenList which) const {
    return which == LIST_GREETING ? greetings : which == LIST_REPLY ? replies : nullptr;
}

void CCallLists::Place(CPoint at) {
    spot = at;
    if (CDropDownMenu* list = ListOf(open)) list->SetPosition(spot);
}

void CCallLists::Open(OpenList which) {
    Close();
    ListOf(which)->SetPosition(spot);
    open = which;
    hoveredRow = -1;
}

void CCallLists::Close() {
    if (greetings == nullptr) return;
    greetings->SetPosition(kParked);
    replies->SetPosition(kParked);
    open = LIST_NONE;
}

bool CCallLists::Choose(CPoint click) {
    CDropDownMenu* list = ListOf(open);
    const bool chose = list != nullptr && list->HitTest(click);
    Close();
    return chose;
}

void CCallLists::Hover(CPoint point) {
    CDropDownMenu* list = ListOf(open);
    if (list == nullptr) return;
    list->Hover(point);
    const int row = list->GetHoveredIndex();
    if (row != hoveredRow && row >= 0 && row < kChoiceCount) {
        const Choice* choices = open == LIST_GREETING ? kGreetings : call->replies;
        model->PlaySoundFile(choices[row].recording, true);
    }
    hoveredRow = row;
}

void CCallLists::Draw() {
    if (CDropDownMenu* list = ListOf(open)) list->Draw();
}

bool CCallLists::IsRightGreetingPicked() const { return Chose(greetings, kGreetings[kRightGreeting]); }

bool CCallLists::IsRightReplyPicked() const { return Chose(replies, call->replies[call->rightReply]); }

CPoint CCallLists::GetRowLocation(int row) const {
    return CPoint(spot.x + 120, spot.y + CDropDownMenu::kRowHeight * row - 12);
}
