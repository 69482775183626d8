#include "minigames/dentist/CAnsweringCalls.h"

#include <GL/freeglut.h>

#include <cmath>
#include <string>

#include "app/Latin1.h"
#include "core/CModel.h"

using namespace PhoneCalls;

namespace {

constexpr CPoint kReceiverFromPhone = {83, 103};
constexpr CPoint kListFromReceiver = {125, 0};
constexpr CPoint kBubbleFromPhone = {128, -300};
constexpr CPoint kHandsetFromReceiver = {-151, -288};
constexpr CPoint kOffScreen = {-100, -100};

MinigameSheet SheetOf(const CallGame& game) {
    return {"red_wood_background.png", "phoneOverlay.png", game.progressStrip,
            game.taskCard,             game.intro,         kPointCount};
}

}  // namespace

CAnsweringCalls::CAnsweringCalls(CModel* owner, MinigameType type, const char* icon, const CallGame& calls)
    : CAbstractMinigame(owner, type, icon), shell(owner, type, SheetOf(calls)), game(calls), lists(owner),
      bubble(owner) {}

void CAnsweringCalls::Start() {
    shell.overlayImage->SetScale(2.0f);
    phoneImage = new CClickableImage("phone.png");
    phoneImage->SetScale(2.0f);
    receiverButton = new CCustomButton("phone_microphone.png", "phone_microphone2.png");
    receiverButton->SetScale(2.0f);
    bubble.Make();
    for (int i = 0; i < kCallCount; ++i) {
        references[i] = new CClickableImage(game.calls[i].sheet.picture);
        references[i]->SetScale(2.0f);
    }
    reviewCard = new CClickableImage("callsReview.png");
    reviewCard->SetScale(2.0f);
    for (int& point : points) point = 0;
    callIndex = 1;
    greetingChosen = false;
    lists.Make(CurrentCall());
}

void CAnsweringCalls::Stop() {
    delete phoneImage;
    delete receiverButton;
    for (CClickableImage*& reference : references) {
        delete reference;
        reference = nullptr;
    }
    delete reviewCard;
    phoneImage = nullptr;
    receiverButton = nullptr;
    reviewCard = nullptr;
    bubble.Free();
    lists.Free();
}

void CAnsweringCalls::Place(int width, int height) {
    const CPoint phone(width / 4, static_cast<int>(height / 1.5));
    phoneImage->SetPosition(phone.x, phone.y);
    shell.overlayImage->SetPosition(phone.x, phone.y);
    receiverButton->SetPosition(phone.x + kReceiverFromPhone.x, phone.y + kReceiverFromPhone.y);
    const CPoint receiver = receiverButton->GetPosition();
    lists.Place(CPoint(receiver.x + kListFromReceiver.x, receiver.y + kListFromReceiver.y));
    bubble.SetPosition(CPoint(phone.x + kBubbleFromPhone.x, phone.y + kBubbleFromPhone.y));
    for (CClickableImage* reference : references) {
        reference->SetPosition(static_cast<int>(width * 0.73), static_cast<int>(height * 0.45));
    }
    reviewCard->SetPosition(width / 2, height / 2 + 30);
}

bool CAnsweringCalls::closeEnough(CPoint a, CPoint b) {
    return std::fabs(double(b.x - a.x)) < 130.0 && std::fabs(double(b.y - a.y)) < 20.0;
}

CPoint CAnsweringCalls::GetHandsetLocation() const {
    const CPoint receiver = receiverButton->GetPosition();
    return CPoint(receiver.x + kHandsetFromReceiver.x, receiver.y + kHandsetFromReceiver.y);
}

int CAnsweringCalls::Total() const {
    int total = 0;
    for (int point : points) total += point;
    return total;
}

void CAnsweringCalls::UpdateScore() {
    const int greetingPoint = 2 * (callIndex - 1), replyPoint = greetingPoint + 1;
    auto reward = [this] {
        if (game.quietBeforeReward) model->StopSoundFile();
        model->RewardUser();
    };
    // A point is a flag: a right choice judged again earns nothing more.
    if (!greetingChosen && lists.IsRightGreetingPicked()) {
        points[greetingPoint] = 1;
        reward();
    }
    if (lists.IsRightReplyPicked()) {
        points[replyPoint] = 1;
        reward();
    }
}

// The receiver opens the list the call is at; a click elsewhere closes it,
// and chooses the row it is on, if any. The points are flags, counted on
// the panel when the last call ends.
Verdict CAnsweringCalls::Judge(CPoint point) {
    if (receiverButton->HitTest(point)) {
        lists.Open(greetingChosen ? CCallLists::LIST_REPLY : CCallLists::LIST_GREETING);
        receiverButton->SetLight(false);
        return Verdict::None;
    }
    receiverButton->SetLight(true);
    if (!lists.Choose(point)) return Verdict::None;
    UpdateScore();
    if (!greetingChosen) {
        const bool wrong = !lists.IsRightGreetingPicked();
        shell.Say(CurrentCall().question);  // after the error's sound, when wrong
        greetingChosen = true;
        return wrong ? Verdict::Wrong : Verdict::None;
    }
    // A wrong reply's cross and sound end on this call, then the next rings.
    if (!lists.IsRightReplyPicked()) return Verdict::WrongMovesOn;
    EndCall();
    return Verdict::None;
}

void CAnsweringCalls::EndCall() {
    greetingChosen = false;
    ++callIndex;
    if (callIndex <= kCallCount) {
        shell.SetProgress(callIndex + 1);
        lists.Make(CurrentCall());
        shell.Say("phoneRing.mp3");
        return;
    }
    shell.SetProgress(kCallCount + 2);
    lists.Close();
    shell.resultsPanel->SetCompte(shell.resultsPanel->GetCompte() + Total());
    if (AnyMissed()) model->StopSoundFile();  // the review's whip alone
}

void CAnsweringCalls::OnSheetClick(CPoint point) {
    if (receiverButton->HitTest(point)) {
        shell.crosshairs->SetPosition(receiverButton->GetPosition());
        model->PlaySoundFile("microphone.mp3", true);
    } else if (closeEnough(point, GetHandsetLocation())) {
        shell.crosshairs->SetPosition(GetHandsetLocation());
        model->PlaySoundFile("receiver.mp3", true);
    }
}

void CAnsweringCalls::OnPlayStart() {
    shell.SetProgress(2);
    shell.Say("phoneRing.mp3");
    receiverButton->SetLight(true);
    shell.crosshairs->SetPosition(kOffScreen);
}

bool CAnsweringCalls::OnPlayMove(CPoint point) {
    lists.Hover(point);
    return receiverButton->HitTest(point) || lists.GetOpenList() != CCallLists::LIST_NONE;
}

bool CAnsweringCalls::OnSheetMove(CPoint point) const {
    return receiverButton->HitTest(point) || closeEnough(point, GetHandsetLocation());
}

void CAnsweringCalls::DrawUnderSheet(int, int) {
    phoneImage->Draw();
    receiverButton->Draw();
}

// The sheet stands over the telephone, not over the whole view.
void CAnsweringCalls::DrawSheet(int width, int height) {
    model->FillDarkQuad(width, height);
    shell.overlayImage->Draw();
}

void CAnsweringCalls::DrawPlay(int, int) {
    references[(callIndex <= kCallCount ? callIndex : kCallCount) - 1]->Draw();
    phoneImage->Draw();
    receiverButton->Draw();
    bubble.Draw(greetingChosen ? CurrentCall().asked : "Dring ! Dring !");
    lists.Draw();
}
