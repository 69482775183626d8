#include "minigames/pizzeria/CGpsEntry.h"

#include <GL/freeglut.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include "core/CModel.h"
#include "minigames/MinigameParts.h"
#include "scenes/ReferenceLayout.h"

using namespace DeliveryGps;

namespace {

MinigameSheet SheetOf(const Language& language) {
    return {language.screens[0],    language.overlay, language.progressStrip,
            language.taskCard,      language.intro,   CGpsEntry::kMaximum};
}

// The entry field's text: dark grey on the GPS's white field.
constexpr float kFieldInk[3] = {0.12f, 0.14f, 0.18f};

}  // namespace

CGpsEntry::CGpsEntry(CModel* owner, MinigameType type, const Language& gpsLanguage)
    : shell(owner, type, SheetOf(gpsLanguage)), model(owner), language(gpsLanguage) {}

void CGpsEntry::Load() {
    shell.Load(nullptr);
    // The first screen is the shell's background; the others are loaded here.
    for (int i = 1; i <= kStepCount; ++i) screenImages[i] = new CClickableImage(language.screens[i]);
    screenImages[0] = nullptr;
    stickyImage = new CClickableImage(language.sticky);
    stickyImage->SetScale(kStickyScale);
    step = 0;
    stepFailed = false;
    for (bool& missed : fieldMissed) missed = false;
    stagePlayed = false;
    selectedMenu = -1;
    routeFrames = -1;
    typed.clear();
    city.clear();
    street.clear();
}

void CGpsEntry::Unload() {
    shell.Unload();
    for (CClickableImage*& screen : screenImages) Release(screen);
    Release(stickyImage);
}

void CGpsEntry::LoadButtonLocations(int width, int height) {
    viewWidth = width;
    viewHeight = height;
    const CPoint sticky = Place({kStickyX, kStickyY});
    stickyImage->SetPosition(sticky.x, sticky.y);
}

CPoint CGpsEntry::Place(Spot spot) const {
    using namespace ReferenceLayout;
    return CPoint(ScaleX(viewWidth, spot.x / double(kWidth)), ScaleY(viewHeight, spot.y / double(kHeight)));
}

bool CGpsEntry::Near(CPoint point, Spot spot, int halfWidth, int halfHeight) const {
    const CPoint at = Place(spot);
    const double sx = viewWidth / double(ReferenceLayout::kWidth), sy = viewHeight / double(ReferenceLayout::kHeight);
    return std::abs(point.x - at.x) < halfWidth * sx && std::abs(point.y - at.y) < halfHeight * sy;
}

char CGpsEntry::LetterAt(CPoint point) const {
    if (Near(point, KeySpot(' '), kSpaceHalfWidth, kSpaceHalfHeight)) return ' ';
    for (char c = 'a'; c <= 'z'; ++c)
        if (Near(point, KeySpot(c), kKeyHalfWidth, kKeyHalfHeight)) return c;
    return 0;
}

int CGpsEntry::DigitAt(CPoint point) const {
    for (int d = 0; d <= 9; ++d)
        if (Near(point, DigitSpot(d), kPadHalfWidth, kPadHalfHeight)) return d;
    return -1;
}

int CGpsEntry::SuggestionAt(CPoint point) const {
    if (GetSuggestions() == nullptr) return -1;
    for (int row = 0; row < kSuggestionCount; ++row)
        if (Near(point, SuggestionSpot(row), kSuggestionHalfWidth, kSuggestionHalfHeight)) return row;
    return -1;
}

const Suggestions* CGpsEntry::GetSuggestions() const { return step < kStepCount ? kSteps[step].shown : nullptr; }

void CGpsEntry::Wrong(CPoint point) {
    stepFailed = true;
    fieldMissed[kSteps[step].field] = true;
    shell.WrongAnswer(point);
    shell.PauseInput();
}

void CGpsEntry::Pass() {
    if (!stepFailed) shell.ScorePoint();
    stepFailed = false;
    const Field field = kSteps[step].field;
    ++step;
    if (step == kStepCount) {
        model->PlaySoundFile("beep.mp3", false);
        shell.SetProgress(kProgressSteps + 1);
        routeFrames = kRouteFrames;
        return;
    }
    if (kSteps[step].field != field) StartStage();
}

void CGpsEntry::StartStage() {
    typed.clear();
    shell.SetProgress(kSteps[step].field + 2);
    stagePlayed = false;
}

void CGpsEntry::PlayGame(CPoint point) {
    if (step >= kStepCount) return;
    const Step& now = kSteps[step];
    if (now.kind == STEP_NUMBER) {
        const size_t length = std::strlen(language.houseNumber);
        if (Near(point, {kGoX, kGoY}, kGoHalfWidth, kGoHalfHeight)) {
            if (typed == language.houseNumber) Pass();
            else Wrong(point);  // Go before the whole number is in
            return;
        }
        const int digit = DigitAt(point);
        if (digit < 0) return;
        if (typed.size() < length && language.houseNumber[typed.size()] == '0' + digit) {
            typed += static_cast<char>('0' + digit);
        } else {
            Wrong(point);
        }
        return;
    }
    const int row = SuggestionAt(point);
    if (row >= 0) {
        if (now.kind != STEP_PICK || row != now.pick) {
            Wrong(point);
            return;
        }
        (now.field == FIELD_CITY ? city : street) = now.shown->entries[row];
        Pass();
        return;
    }
    const char letter = LetterAt(point);
    if (letter == 0) return;  // beside every key: nothing typed
    if (now.kind != STEP_LETTER || letter != now.letter) {
        Wrong(point);
        return;
    }
    typed += letter;
    Pass();
}

void CGpsEntry::EndGame() {
    routeFrames = -1;
    for (bool missed : fieldMissed) {
        if (missed) {
            shell.EnterReview();
            return;
        }
    }
    shell.EnterResults();
}

bool CGpsEntry::OnLButtonUp(CPoint point) {
    if (shell.IsPaused()) return false;
    switch (shell.OnCornerClick(point)) {
        case CORNER_MUTE: return false;
        case CORNER_EXIT: return true;
        case CORNER_HELP: stagePlayed = false; return false;
        case CORNER_NONE: break;
    }
    switch (shell.phase) {
        case PhaseIntro:
        case PhaseInstructions:
            if (shell.playButton->HitTest(point)) {
                if (shell.phase == PhaseIntro) {
                    shell.SetProgress(2);
                    model->PlaySoundFile("beep.mp3", true);
                }
                shell.phase = PhasePlay;
                shell.crosshairs->SetPosition(CPoint(-800, -800));
                selectedMenu = -1;
                stagePlayed = false;
                break;
            }
            {
                CPoint menu[kMenuCount];
                for (int i = 0; i < kMenuCount; ++i) menu[i] = GetMenuLocation(i);
                const double sx = viewWidth / double(ReferenceLayout::kWidth);
                const double sy = viewHeight / double(ReferenceLayout::kHeight);
                auto near = [sx, sy](CPoint p, CPoint t) {
                    return std::abs(p.x - t.x) < kMenuHalfWidth * sx && std::abs(p.y - t.y) < kMenuHalfHeight * sy;
                };
                selectedMenu = shell.ExploreTargets(point, menu, kMenuCount, selectedMenu, near, language.menuSounds);
            }
            break;
        case PhasePlay:
            if (shell.instructionButton->HitTest(point)) {
                shell.phase = PhaseInstructions;
                stepFailed = true;  // the instructions cost this step its point
            } else {
                PlayGame(point);
            }
            break;
        case PhaseReview:
            if (shell.playButton->HitTest(point)) shell.EnterResults();
            break;
        case PhaseResults: shell.OnResultsClick(point); break;
    }
    return false;
}

void CGpsEntry::OnMouseMove(CPoint point) {
    if (shell.IsPaused() || shell.OnMouseMove(point)) return;
    bool onKey = false;
    if (shell.phase == PhasePlay && step < kStepCount) {
        if (kSteps[step].kind == STEP_NUMBER) {
            onKey = DigitAt(point) >= 0 || Near(point, {kGoX, kGoY}, kGoHalfWidth, kGoHalfHeight);
        } else {
            onKey = LetterAt(point) != 0 || SuggestionAt(point) >= 0;
        }
    }
    model->SetCursor(onKey ? CURSOR_HAND : CURSOR_ARROW);
}

void CGpsEntry::DrawField() {
    if (step >= kStepCount) return;
    const Field field = kSteps[step].field;
    std::string text = typed;
    if (field == FIELD_CITY) text = language.cityLabel + typed;
    if (field == FIELD_STREET) text = language.streetLabel + typed;
    // A caret after the text, as on the navigator.
    text += "_";
    const CPoint at = Place({field == FIELD_NUMBER ? kNumberTextX : kFieldTextX, kFieldTextY});
    glDisable(GL_TEXTURE_2D);
    glColor4f(kFieldInk[0], kFieldInk[1], kFieldInk[2], 1.0f);
    model->DrawText(at.x, at.y, GLUT_BITMAP_HELVETICA_18, text.c_str());
    glEnable(GL_TEXTURE_2D);
}

void CGpsEntry::Draw(int width, int height) {
    if (shell.ViewResized(width, height)) LoadButtonLocations(width, height);
    if (shell.phase == PhasePlay && routeFrames == 0) EndGame();  // the route has been seen
    // The screen of the step fills the view; before play, the first one.
    int screen = shell.phase == PhasePlay ? step : 0;
    if (shell.phase == PhaseReview || shell.phase == PhaseResults) screen = kStepCount;
    shell.DrawBackground(width, height, screen == 0 ? shell.backgroundImage : screenImages[screen]);
    switch (shell.phase) {
        case PhaseIntro:
        case PhaseInstructions:
            stickyImage->Draw();
            shell.DrawSheet(width, height);
            shell.playButton->Draw();
            shell.crosshairs->Draw();
            break;
        case PhasePlay:
            if (routeFrames > 0) --routeFrames;
            stickyImage->Draw();
            DrawField();
            shell.instructionButton->Draw();
            shell.consigneImage->Draw();
            if (!stagePlayed && step < kStepCount) {
                model->PlaySoundFile(language.stageSounds[kSteps[step].field], true);
                stagePlayed = true;
            }
            break;
        case PhaseReview: {
            stickyImage->Draw();
            shell.playButton->Draw();
            std::vector<CPoint> marks;
            for (int f = 0; f < kFieldCount; ++f)
                if (fieldMissed[f]) marks.push_back(Place(kSummarySpots[f]));
            shell.DrawMarks(marks);
            break;
        }
        case PhaseResults: shell.DrawResults(width, height); break;  // over the route
    }
    shell.DrawTop();
}
