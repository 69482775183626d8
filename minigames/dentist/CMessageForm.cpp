#include "minigames/dentist/CMessageForm.h"

#include <GL/freeglut.h>

#include "core/CModel.h"
#include "core/GameRandom.h"

using namespace MessageForm;

namespace {

constexpr const char* kCaption = "message_de_la_repondeuse.png";
constexpr int kCaptionHold = 200;
constexpr CPoint kOverlayShift = {4, 4};
constexpr CPoint kXShift = {-4, 6};
constexpr CPoint kParked = {-800, -800};

}  // namespace

CMessageForm::CMessageForm(CModel* owner, MinigameType type, const MinigameSheet& sheet, const Language& form)
    : model(owner), shell(owner, type, sheet), language(form) {
    GameRandom::Seed();
    variant = GameRandom::Below(2);
    for (int i = 0; i < kTargetCount; ++i) {
        const Target& t = kTargets[i];
        explanations[i] = language.english && t.englishExplanation ? t.englishExplanation : t.explanation;
    }
}

void CMessageForm::Load() {
    shell.Load(kCaption);
    formImage = new CClickableImage(language.form);
    formImage->SetScale(2.0f);
    for (bool& ticked : boxTicked) ticked = false;
    openList = kNoList;
    BuildLists();
    variant = 1 - variant;  // each game takes the other recording
    currentMessage = language.recordings[variant].file;
    messagePlayed = false;
    shell.crosshairs->SetScale(1.0f);
    selectedTarget = -1;
    rightEntries.clear();
}

void CMessageForm::Unload() {
    shell.Unload();
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
                lists[l]->AddItem(items[i].text);
            } else {
                lists[l]->AddItem(i == kLoginItem ? model->GetLogin() : CString(kYourNames[i]));
            }
        }
    }
}

void CMessageForm::LoadButtonLocations(int width, int height) {
    const double cx = width * 0.5, cy = height * 0.5;
    for (int i = 0; i < kTargetCount; ++i) {
        fieldTargets[i] = CPoint(static_cast<int>(cx + kTargets[i].dx), static_cast<int>(cy + kTargets[i].dy));
    }
    for (int i = 0; i < kBoxCount; ++i) {
        boxTargets[i] = CPoint(static_cast<int>(cx + kBoxes[i].dx), static_cast<int>(cy + kBoxes[i].dy));
    }
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

void CMessageForm::PlayGame(CPoint point) {
    // An open list takes the click that closes it; its entry was chosen
    // while the pointer moved over it.
    if (openList != kNoList) {
        openList = kNoList;
        return;
    }
    for (int f = 0; f < kFieldCount; ++f) {
        const List list = kFieldLists[f];
        CPoint target = fieldTargets[f];
        if (list == LIST_PHONE) target.x += kPhoneClickShift;
        if (!closeEnough(point, target)) continue;
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
    return chosen == CString(ListItems(list, language)[right].text);
}

void CMessageForm::Judge() {
    rightEntries.clear();
    int points = 0;
    for (List list : kJudged) {
        if (!IsRight(list)) continue;
        ++points;
        const CPoint at = FieldOf(list);
        rightEntries.push_back(CPoint(at.x + kMarkShift[list], at.y));
    }
    for (int box : GetRecording().boxes) {
        if (!boxTicked[box]) continue;
        ++points;
        rightEntries.push_back(boxTargets[box]);
    }
    shell.resultsPanel->SetCompte(shell.resultsPanel->GetCompte() + points);
    openList = kNoList;
    if (shell.resultsPanel->GetCompte() >= kMaximum) {
        shell.SetProgress(3);
        shell.EnterResults();
    } else {
        shell.EnterReview();
    }
}

void CMessageForm::Explore(CPoint point) {
    selectedTarget = shell.ExploreTargets(point, fieldTargets, kTargetCount, selectedTarget, closeEnough, explanations);
}

bool CMessageForm::OnLButtonUp(CPoint point) {
    if (shell.IsPaused()) return true;
    switch (shell.OnCornerClick(point)) {
        case CORNER_MUTE: return true;
        case CORNER_EXIT: return false;
        case CORNER_HELP:
            // During play the recorded message is heard again from the start.
            if (shell.phase == PhasePlay) messagePlayed = false;
            return true;
        case CORNER_NONE: break;
    }
    switch (shell.phase) {
        case PhaseIntro:
            if (shell.playButton->HitTest(point)) {
                shell.phase = PhasePlay;
                shell.SetProgress(2);
                model->PlaySoundFile("beep.mp3", true);
                selectedTarget = -1;
            } else {
                Explore(point);
            }
            break;
        case PhasePlay:
            if (shell.playButton->HitTest(point)) {
                Judge();
            } else if (shell.instructionButton->HitTest(point)) {
                selectedTarget = -1;
                shell.crosshairs->SetPosition(kParked);
                shell.phase = PhaseInstructions;
            } else {
                PlayGame(point);
            }
            break;
        case PhaseInstructions:
            Explore(point);
            if (shell.playButton->HitTest(point)) {
                selectedTarget = -1;
                shell.phase = PhasePlay;
            }
            break;
        case PhaseReview:
            if (shell.playButton->HitTest(point)) {
                shell.SetProgress(3);
                shell.EnterResults();
            }
            break;
        case PhaseResults: shell.OnResultsClick(point); break;
    }
    return true;
}

void CMessageForm::OnMouseMove(CPoint point) {
    if (shell.OnMouseMove(point)) return;
    if (shell.phase == PhasePlay && openList != kNoList) {
        lists[openList]->HitTest(point);
        model->SetCursor(CURSOR_HAND);
        return;
    }
    bool near = false;
    for (const CPoint& target : fieldTargets) near = near || closeEnough(point, target);
    model->SetCursor(near ? CURSOR_HAND : CURSOR_ARROW);
}

void CMessageForm::DrawTextOnMessage() {
    glDisable(GL_TEXTURE_2D);
    glColor4f(0.0f, 0.0f, 0.0f, 1.0f);
    for (int l = 0; l < kListCount; ++l) {
        const CString chosen = lists[l]->GetSelectedItem();
        if (chosen.IsEmpty()) continue;
        const CPoint at = FieldOf(static_cast<List>(l));
        CModel::DrawText(static_cast<float>(at.x + kTextShift[l]), static_cast<float>(at.y),
                         GLUT_BITMAP_HELVETICA_12, chosen);
    }
    glEnable(GL_TEXTURE_2D);
}

void CMessageForm::DrawXAt(CPoint box) {
    glDisable(GL_TEXTURE_2D);
    glColor4f(0.0f, 0.0f, 0.0f, 1.0f);
    CModel::DrawText(static_cast<float>(box.x + kXShift.x), static_cast<float>(box.y + kXShift.y),
                     GLUT_BITMAP_HELVETICA_12, "X");
    glEnable(GL_TEXTURE_2D);
}

void CMessageForm::Draw(int width, int height) {
    if (shell.ViewResized(width, height)) LoadButtonLocations(width, height);
    shell.DrawBackground(width, height);
    formImage->SetPosition(width / 2, height / 2);
    formImage->Draw();
    switch (shell.phase) {
        case PhaseIntro:
        case PhaseInstructions:
            model->FillDarkQuad(width, height);
            shell.overlayImage->SetScale(2.0f);
            shell.overlayImage->SetPosition(width / 2 + kOverlayShift.x, height / 2 + kOverlayShift.y);
            shell.overlayImage->Draw();
            if (shell.phase == PhaseIntro) shell.playButton->Draw();
            shell.crosshairs->Draw();
            if (shell.phase == PhaseInstructions) shell.playButton->Draw();
            break;
        case PhasePlay:
            shell.exitButton->Draw();
            shell.instructionButton->Draw();
            shell.helpButton->Draw();
            shell.playButton->Draw();
            shell.consigneImage->Draw();
            DrawTextOnMessage();
            shell.instructionImage->SetPosition(width / 2, height / 2);
            shell.FadeInAndOut(shell.instructionImage, kCaptionHold);
            if (!messagePlayed) {
                model->PlaySoundFile(currentMessage, true);
                messagePlayed = true;
            }
            if (openList != kNoList) lists[openList]->Draw();
            for (int b = 0; b < kBoxCount; ++b)
                if (boxTicked[b]) DrawXAt(boxTargets[b]);
            break;
        case PhaseReview:
            shell.playButton->Draw();
            DrawTextOnMessage();
            for (int b = 0; b < kBoxCount; ++b)
                if (boxTicked[b]) DrawXAt(boxTargets[b]);
            shell.DrawMarks(rightEntries);
            break;
        case PhaseResults: shell.DrawResults(width, height); break;
    }
    shell.DrawTop();
}
