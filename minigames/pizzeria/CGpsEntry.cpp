#include "minigames/pizzeria/CGpsEntry.h"

#include <GL/freeglut.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "core/CModel.h"
#include "minigames/MinigameParts.h"
#include "scenes/ReferenceLayout.h"

using namespace DeliveryGps;

namespace {

MinigameSheet SheetOf(const Language& language) {
    return {language.screens[0], language.overlay, language.progressStrip, language.taskCard, language.intro,
            CGpsEntry::kMaximum, SubtitlePlace{}, nullptr, true, language.english};
}

// The entry field's text: dark grey on the GPS's white field.
constexpr float kFieldInk[3] = {0.12f, 0.14f, 0.18f};
const CPoint kParked(-800, -800);

}  // namespace

CGpsEntry::CGpsEntry(CModel* owner, MinigameType type, const char* icon, const Language& gpsLanguage)
    : CAbstractMinigame(owner, type, icon), shell(owner, type, SheetOf(gpsLanguage)), language(gpsLanguage) {}

void CGpsEntry::Start() {
    // The first screen is the shell's background; the others are loaded here.
    for (int i = 1; i <= kStepCount; ++i) screenImages[i] = new CClickableImage(language.screens[i]);
    screenImages[0] = nullptr;
    stickyImage = Picture(language.sticky, kStickyScale);
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

void CGpsEntry::Stop() {
    for (CClickableImage*& screen : screenImages) Release(screen);
    Release(stickyImage);
}

void CGpsEntry::Place(int, int) {
    const CPoint sticky = At({kStickyX, kStickyY});
    stickyImage->SetPosition(sticky.x, sticky.y);
}

CPoint CGpsEntry::At(Spot spot) const {
    using namespace ReferenceLayout;
    return CPoint(ScaleX(viewWidth, spot.x / double(kWidth)), ScaleY(viewHeight, spot.y / double(kHeight)));
}

bool CGpsEntry::Near(CPoint point, Spot spot, int halfWidth, int halfHeight) const {
    const CPoint at = At(spot);
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

void CGpsEntry::MenuLocations(CPoint (&menu)[kMenuCount]) const {
    for (int i = 0; i < kMenuCount; ++i) menu[i] = GetMenuLocation(i);
}

bool CGpsEntry::OnMenuItem(CPoint point, CPoint t) const {
    const double sx = viewWidth / double(ReferenceLayout::kWidth);
    const double sy = viewHeight / double(ReferenceLayout::kHeight);
    return std::abs(point.x - t.x) < kMenuHalfWidth * sx && std::abs(point.y - t.y) < kMenuHalfHeight * sy;
}

void CGpsEntry::OnSheetClick(CPoint point) {
    CPoint menu[kMenuCount];
    MenuLocations(menu);
    auto near = [this](CPoint p, CPoint t) { return OnMenuItem(p, t); };
    selectedMenu = shell.ExploreTargets(point, menu, kMenuCount, selectedMenu, near, language.menuSounds);
}

bool CGpsEntry::OnSheetMove(CPoint point) const {
    CPoint menu[kMenuCount];
    MenuLocations(menu);
    return CMinigameShell::OverAnyTarget(point, menu, kMenuCount, [this](CPoint p, CPoint t) { return OnMenuItem(p, t); });
}

void CGpsEntry::OnPlayStart() {
    shell.SetProgress(2);
    model->PlaySoundFile("beep.mp3", true);
    OnResume();
}

void CGpsEntry::OnResume() {
    shell.crosshairs->SetPosition(kParked);
    selectedMenu = -1;
    stagePlayed = false;
}

Verdict CGpsEntry::Wrong() {
    stepFailed = true;
    fieldMissed[kSteps[step].field] = true;
    return Verdict::Wrong;
}

Verdict CGpsEntry::Pass() {
    const bool earned = !stepFailed;
    stepFailed = false;
    const Field field = kSteps[step].field;
    ++step;
    const bool fieldDone = step == kStepCount || kSteps[step].field != field;
    if (fieldDone && fieldMissed[field]) shell.MissStep(field, kProgressSteps);
    if (step == kStepCount) {
        model->PlaySoundFile("beep.mp3", false);
        shell.SetProgress(kProgressSteps + 1);
        routeFrames = kRouteFrames;
    } else if (kSteps[step].field != field) {
        typed.clear();
        shell.SetProgress(kSteps[step].field + 2);
        stagePlayed = false;
    }
    return earned ? Verdict::Right : Verdict::RightNoPoint;
}

Verdict CGpsEntry::JudgeNumber(CPoint point) {
    if (Near(point, {kGoX, kGoY}, kGoHalfWidth, kGoHalfHeight)) {
        return typed == language.houseNumber ? Pass() : Wrong();  // Go before the whole number is in
    }
    const int digit = DigitAt(point);
    if (digit < 0) return Verdict::None;
    if (typed.size() >= std::strlen(language.houseNumber) || language.houseNumber[typed.size()] != '0' + digit) {
        return Wrong();
    }
    typed += static_cast<char>('0' + digit);
    return Verdict::RightNoPoint;  // the point comes with Go
}

Verdict CGpsEntry::Judge(CPoint point) {
    if (step >= kStepCount) return Verdict::None;  // the route is showing
    const Step& now = kSteps[step];
    if (now.kind == STEP_NUMBER) return JudgeNumber(point);
    const int row = SuggestionAt(point);
    if (row >= 0) {
        if (now.kind != STEP_PICK || row != now.pick) return Wrong();
        (now.field == FIELD_CITY ? city : street) = now.shown->entries[row];
        return Pass();
    }
    const char letter = LetterAt(point);
    if (letter == 0) return Verdict::None;  // beside every key: nothing typed
    if (now.kind != STEP_LETTER || letter != now.letter) return Wrong();
    typed += letter;
    return Pass();
}

bool CGpsEntry::AnyMissed() const {
    return std::any_of(fieldMissed, fieldMissed + kFieldCount, [](bool missed) { return missed; });
}

bool CGpsEntry::OnPlayMove(CPoint point) const {
    if (step >= kStepCount) return false;
    if (kSteps[step].kind == STEP_NUMBER) {
        return DigitAt(point) >= 0 || Near(point, {kGoX, kGoY}, kGoHalfWidth, kGoHalfHeight);
    }
    return LetterAt(point) != 0 || SuggestionAt(point) >= 0;
}

// The screen of the step fills the view; before play, the first one; the
// route from the end of play on.
void CGpsEntry::DrawBackground(int width, int height) {
    int screen = 0;
    if (shell.IsPlaying()) screen = step;
    if (shell.IsPlayOver()) screen = kStepCount;
    shell.DrawBackground(width, height, screen == 0 ? shell.backgroundImage : screenImages[screen]);
}

void CGpsEntry::DrawField() {
    if (step >= kStepCount) return;
    const Field field = kSteps[step].field;
    std::string text = typed;
    if (field == FIELD_CITY) text = language.cityLabel + typed;
    if (field == FIELD_STREET) text = language.streetLabel + typed;
    // A caret after the text, as on the navigator.
    text += "_";
    const CPoint at = At({field == FIELD_NUMBER ? kNumberTextX : kFieldTextX, kFieldTextY});
    glDisable(GL_TEXTURE_2D);
    glColor4f(kFieldInk[0], kFieldInk[1], kFieldInk[2], 1.0f);
    model->DrawText(at.x, at.y, GLUT_BITMAP_HELVETICA_18, text.c_str());
    glEnable(GL_TEXTURE_2D);
}

void CGpsEntry::DrawPlay(int, int) {
    if (routeFrames > 0) --routeFrames;
    stickyImage->Draw();
    DrawField();
    if (!stagePlayed && step < kStepCount) {
        shell.Say(language.stageSounds[kSteps[step].field]);
        stagePlayed = true;
    }
}

// The route's summary prints the right address, a field a row: each row's
// mark stands beside it.
void CGpsEntry::DrawReview(int, int) {
    stickyImage->Draw();
    for (int f = 0; f < kFieldCount; ++f) {
        const Field field = static_cast<Field>(f);
        if (fieldMissed[f]) {
            shell.MarkMissed(GetMarkLocation(field));
        } else {
            shell.MarkRight(GetMarkLocation(field));
        }
    }
}
