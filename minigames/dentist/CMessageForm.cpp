#include "minigames/dentist/CMessageForm.h"

#include "app/Latin1.h"
#include "core/CModel.h"
#include "core/GameRandom.h"

using namespace MessageForm;

namespace {

constexpr const char* kCaption = "message_de_la_repondeuse.png";
constexpr int kCaptionHold = 200;
constexpr CPoint kOverlayShift = {4, 4};
constexpr CPoint kParked = {-800, -800};

}  // namespace

CMessageForm::CMessageForm(CModel* owner, MinigameType type, const char* icon, const MinigameSheet& sheet,
                           const Language& form)
    : CAbstractMinigame(owner, type, icon), shell(owner, type, sheet), language(form) {
    GameRandom::Seed();
    variant = GameRandom::Below(2);
    for (int i = 0; i < kTargetCount; ++i) {
        const Target& t = kTargets[i];
        explanations[i] = language.english && t.englishExplanation ? t.englishExplanation : t.explanation;
    }
}

void CMessageForm::Start() {
    shell.SetCaption(kCaption);
    formImage = new CClickableImage(language.form);
    formImage->SetScale(2.0f);
    for (bool& ticked : boxTicked) ticked = false;
    openList = kNoList;
    BuildLists();
    variant = 1 - variant;  // each game takes the other recording
    currentMessage = language.recordings[variant].file;
    messagePlayed = false;
    handedIn = false;
    shell.crosshairs->SetScale(1.0f);
    selectedTarget = -1;
}

void CMessageForm::Stop() {
    delete formImage;
    formImage = nullptr;
    for (CDropDownMenu*& list : lists) {
        delete list;
        list = nullptr;
    }
}

void CMessageForm::BuildLists() {
    for (int l = 0; l < kListCount; ++l) {
        delete lists[l];
        lists[l] = new CDropDownMenu(model);
        const Item* items = ListItems(static_cast<List>(l), language);
        for (int i = 0; i < kItemsPerList; ++i) {
            if (items) {
                lists[l]->AddItem(Latin1FromUtf8(items[i].text).c_str());
            } else {
                lists[l]->AddItem(i == kLoginItem ? model->GetLogin() : CString(Latin1FromUtf8(kYourNames[i]).c_str()));
            }
        }
    }
}

void CMessageForm::Place(int width, int height) {
    const double cx = width * 0.5, cy = height * 0.5;
    for (int i = 0; i < kTargetCount; ++i) {
        fieldTargets[i] = CPoint(static_cast<int>(cx + kTargets[i].dx), static_cast<int>(cy + kTargets[i].dy));
    }
    for (int i = 0; i < kBoxCount; ++i) {
        boxTargets[i] = CPoint(static_cast<int>(cx + kBoxes[i].dx), static_cast<int>(cy + kBoxes[i].dy));
    }
    formImage->SetPosition(width / 2, height / 2);
}

bool CMessageForm::closeEnough(CPoint a, CPoint b) {
    const double dx = double(b.x - a.x), dy = double(b.y - a.y);
    return (dx < 0 ? -dx : dx) < 130.0 && (dy < 0 ? -dy : dy) < 20.0;
}

CPoint CMessageForm::FieldOf(List list) const {
    for (int f = 0; f < kFieldCount; ++f)
        if (kFieldLists[f] == list) return fieldTargets[f];
    return kParked;
}

// The number's line is tried first: on the bilingual pad its long name
// reaches under the caller's line.
bool CMessageForm::OnFieldLine(int field, CPoint point) const {
    const CPoint at = fieldTargets[field];
    if (kFieldLists[field] != LIST_PHONE) return closeEnough(point, at);
    return point.x >= at.x + language.phoneLineFrom && point.x <= at.x + kPhoneLineTo &&
           point.y >= at.y - kPhoneLineAbove && point.y <= at.y + kPhoneLineBelow;
}

// A click on the form: a list opened or closed, or boxes ticked.
void CMessageForm::Fill(CPoint point) {
    // An open list takes the click that closes it: an entry clicked is
    // chosen, anywhere else the choice stays as it was.
    if (openList != kNoList) {
        lists[openList]->HitTest(point);
        openList = kNoList;
        return;
    }
    for (int i = 0; i < kFieldCount; ++i) {
        const int f = (i + kPhoneField) % kFieldCount;
        if (!OnFieldLine(f, point)) continue;
        const List list = kFieldLists[f];
        lists[list]->SetPosition(CPoint(fieldTargets[f].x + kListShift[list], fieldTargets[f].y));
        openList = list;
        return;
    }
    for (CDropDownMenu* list : lists) list->SetPosition(kParked);
    for (int b = 0; b < kBoxCount; ++b)
        if (closeEnough(point, boxTargets[b])) boxTicked[b] = !boxTicked[b];
}

bool CMessageForm::IsRight(List list) const {
    const int right = GetRecording().right[list];
    const CString chosen = lists[list]->GetSelectedItem();
    // "Aucun" and a list left alone both say that nothing was given.
    if (right == kNone) return chosen.IsEmpty() || chosen == CString(kNothing);
    return chosen == CString(Latin1FromUtf8(ListItems(list, language)[right].text).c_str());
}

bool CMessageForm::IsAsked(int box) const {
    for (int asked : GetRecording().boxes)
        if (asked == box) return true;
    return false;
}

// The boxes as one question: each asked-for box ticked earns, each other
// box ticked costs, never below none.
int CMessageForm::BoxPoints() const {
    int points = 0;
    for (int b = 0; b < kBoxCount; ++b)
        if (boxTicked[b]) points += IsAsked(b) ? 1 : -1;
    return points > 0 ? points : 0;
}

// The play button hands the form in: a point for each judged list right,
// and the boxes' points, all at once.
Verdict CMessageForm::Judge(CPoint point) {
    if (!shell.playButton->HitTest(point)) {
        Fill(point);
        return Verdict::None;
    }
    int points = BoxPoints();
    for (List list : kJudged) points += IsRight(list) ? 1 : 0;
    shell.resultsPanel->SetCompte(shell.resultsPanel->GetCompte() + points);
    openList = kNoList;
    handedIn = true;
    return Verdict::RightNoPoint;
}

bool CMessageForm::AnyMissed() const { return shell.resultsPanel->GetCompte() < kMaximum; }

void CMessageForm::OnSheetClick(CPoint point) {
    selectedTarget = shell.ExploreTargets(point, fieldTargets, kTargetCount, selectedTarget, closeEnough, explanations);
}

void CMessageForm::OnPlayStart() {
    shell.SetProgress(2);
    model->PlaySoundFile("beep.mp3", true);
    selectedTarget = -1;
}

void CMessageForm::OnInstructions() {
    selectedTarget = -1;
    shell.crosshairs->SetPosition(kParked);
}

bool CMessageForm::OnPlayMove(CPoint point) {
    if (openList != kNoList) {
        lists[openList]->Hover(point);  // lit, not chosen
        return true;
    }
    bool near = false;
    for (const CPoint& target : fieldTargets) near = near || closeEnough(point, target);
    return near;
}

// The pad lies on the desk in every phase, under the sheet and the panel too.
void CMessageForm::DrawBackground(int width, int height) {
    shell.DrawBackground(width, height);
    formImage->Draw();
}

// The sheet lies on the pad, pixel for pixel.
void CMessageForm::DrawSheet(int width, int height) {
    model->FillDarkQuad(width, height);
    shell.overlayImage->SetScale(2.0f);
    shell.overlayImage->SetPosition(width / 2 + kOverlayShift.x, height / 2 + kOverlayShift.y);
    shell.overlayImage->Draw();
}

void CMessageForm::DrawPlay(int width, int height) {
    shell.playButton->Draw();
    DrawEntries(false);
    shell.instructionImage->SetPosition(width / 2, height / 2);
    shell.FadeInAndOut(shell.instructionImage, kCaptionHold);
    if (!messagePlayed) {
        shell.Say(currentMessage);
        messagePlayed = true;
    }
    if (openList != kNoList) lists[openList]->Draw();
    DrawBoxes(false);
}
