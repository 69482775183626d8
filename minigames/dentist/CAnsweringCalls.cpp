#include "minigames/dentist/CAnsweringCalls.h"

#include <GL/freeglut.h>

#include <cmath>
#include <string>
#include <vector>

#include "app/BitmapText.h"
#include "app/Latin1.h"
#include "core/CModel.h"

using namespace PhoneCalls;

namespace {

constexpr int kMaximum = kPointCount;
constexpr CPoint kReceiverFromPhone = {83, 103};
constexpr CPoint kListFromReceiver = {125, 0};
constexpr CPoint kBubbleFromPhone = {128, -300};
constexpr CPoint kHandsetFromReceiver = {-151, -288};
constexpr CPoint kParked = {-800, -800};
// The long list's panel, from the box's centre: the selection bar spans it.
constexpr int kListPanelWidth = 462;
// The bubble's words: Helvetica 18, lines of at most this many characters.
constexpr size_t kBubbleLine = 34;
constexpr int kBubbleLineHeight = 24;
// The review card lists each call's right greeting and reply, a row each.
constexpr int kReviewFirstRow = -170;
constexpr int kReviewRowHeight = 44;
constexpr int kReviewTextX = -420;

MinigameSheet SheetOf(const CallGame& game) {
    return {"red_wood_background.png", "phoneOverlay.png", game.progressStrip,
            game.taskCard,             game.intro,         kMaximum};
}

// Words broken into lines for the bubble, at spaces.
std::vector<std::string> Lines(const std::string& text, size_t width) {
    std::vector<std::string> lines;
    std::string line;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(' ', start);
        if (end == std::string::npos) end = text.size();
        const std::string word = text.substr(start, end - start);
        if (!line.empty() && line.size() + 1 + word.size() > width) {
            lines.push_back(line);
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
        start = end + 1;
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

CDropDownMenu* NewList(CModel* model, const Choice (&choices)[kChoiceCount]) {
    CDropDownMenu* list = new CDropDownMenu(model);
    list->MakeItLong();
    list->SetFont(GLUT_BITMAP_HELVETICA_12);
    list->SetSelectionBar(kListPanelWidth);
    for (const Choice& choice : choices) list->AddItem(Latin1FromUtf8(choice.text).c_str());
    return list;
}

bool Chose(const CDropDownMenu* list, const Choice& choice) {
    return list->GetSelectedItem() == CString(Latin1FromUtf8(choice.text).c_str());
}

}  // namespace

CAnsweringCalls::CAnsweringCalls(CModel* owner, MinigameType type, const CallGame& calls)
    : shell(owner, type, SheetOf(calls)), model(owner), game(calls) {}

void CAnsweringCalls::Load() {
    shell.Load(nullptr);
    shell.overlayImage->SetScale(2.0f);
    phoneImage = new CClickableImage("phone.png");
    phoneImage->SetScale(2.0f);
    receiverButton = new CCustomButton("phone_microphone.png", "phone_microphone2.png");
    receiverButton->SetScale(2.0f);
    bubbleImage = new CClickableImage("cartoon_bubble.png");
    bubbleImage->SetScale(1.25f);
    for (int i = 0; i < kCallCount; ++i) {
        references[i] = new CClickableImage(game.calls[i].sheet.picture);
        references[i]->SetScale(2.0f);
    }
    reviewCard = new CClickableImage("callsReview.png");
    reviewCard->SetScale(2.0f);
    for (int& point : points) point = 0;
    callIndex = 1;
    greetingChosen = false;
    openList = LIST_NONE;
    MakeLists();
}

void CAnsweringCalls::Unload() {
    shell.Unload();
    delete phoneImage;
    delete receiverButton;
    delete bubbleImage;
    for (CClickableImage*& reference : references) {
        delete reference;
        reference = nullptr;
    }
    delete reviewCard;
    delete greetingList;
    delete replyList;
    phoneImage = nullptr;
    receiverButton = nullptr;
    bubbleImage = nullptr;
    reviewCard = nullptr;
    greetingList = replyList = nullptr;
}

void CAnsweringCalls::MakeLists() {
    delete greetingList;
    delete replyList;
    greetingList = NewList(model, kGreetings);
    replyList = NewList(model, CurrentCall().replies);
    hoveredRow = -1;
}

void CAnsweringCalls::LoadButtonLocations(int width, int height) {
    const CPoint phone(width / 4, static_cast<int>(height / 1.5));
    phoneImage->SetPosition(phone.x, phone.y);
    shell.overlayImage->SetPosition(phone.x, phone.y);
    receiverButton->SetPosition(phone.x + kReceiverFromPhone.x, phone.y + kReceiverFromPhone.y);
    const CPoint receiver = receiverButton->GetPosition();
    listSpot = CPoint(receiver.x + kListFromReceiver.x, receiver.y + kListFromReceiver.y);
    bubbleImage->SetPosition(phone.x + kBubbleFromPhone.x, phone.y + kBubbleFromPhone.y);
    for (CClickableImage* reference : references) {
        reference->SetPosition(static_cast<int>(width * 0.73), static_cast<int>(height * 0.45));
    }
    reviewCard->SetPosition(width / 2, height / 2 + 30);
    // An open list follows its spot.
    if (openList == LIST_GREETING) greetingList->SetPosition(listSpot);
    if (openList == LIST_REPLY) replyList->SetPosition(listSpot);
}

bool CAnsweringCalls::closeEnough(CPoint a, CPoint b) {
    return std::fabs(double(b.x - a.x)) < 130.0 && std::fabs(double(b.y - a.y)) < 20.0;
}

CPoint CAnsweringCalls::GetHandsetLocation() const {
    const CPoint receiver = receiverButton->GetPosition();
    return CPoint(receiver.x + kHandsetFromReceiver.x, receiver.y + kHandsetFromReceiver.y);
}

CPoint CAnsweringCalls::GetRowLocation(int row) const {
    // Inside the row's band of the list's hit test, on its words.
    return CPoint(listSpot.x + 120, listSpot.y + CDropDownMenu::kRowHeight * row + (row == 0 ? 5 : -5));
}

void CAnsweringCalls::OpenAt(CDropDownMenu* list, OpenList which) {
    greetingList->SetPosition(kParked);
    replyList->SetPosition(kParked);
    list->SetPosition(listSpot);
    openList = which;
    hoveredRow = -1;
}

void CAnsweringCalls::CloseLists() {
    greetingList->SetPosition(kParked);
    replyList->SetPosition(kParked);
    openList = LIST_NONE;
}

void CAnsweringCalls::UpdateScore() {
    const Call& call = CurrentCall();
    const int greetingPoint = 2 * (callIndex - 1), replyPoint = greetingPoint + 1;
    auto reward = [this] {
        if (game.quietBeforeReward) model->StopSoundFile();
        model->RewardUser();
    };
    // A point is a flag: a right choice judged again earns nothing more.
    if (!greetingChosen && Chose(greetingList, kGreetings[kRightGreeting])) {
        points[greetingPoint] = 1;
        reward();
    }
    if (Chose(replyList, call.replies[call.rightReply])) {
        points[replyPoint] = 1;
        reward();
    }
}

void CAnsweringCalls::PlayGame(CPoint point) {
    if (callIndex > kCallCount) return;
    const bool onReceiver = receiverButton->HitTest(point);
    if (onReceiver) {
        if (greetingChosen) {
            OpenAt(replyList, LIST_REPLY);
        } else {
            OpenAt(greetingList, LIST_GREETING);
        }
        receiverButton->SetLight(false);
    } else {
        CloseLists();
        receiverButton->SetLight(true);
        UpdateScore();
    }
    // A choice made by the click on the receiver is judged too: the points
    // were not updated by this click yet.
    if (!greetingChosen && !greetingList->GetSelectedItem().IsEmpty()) {
        if (onReceiver) UpdateScore();
        model->PlaySoundFile(CurrentCall().question, true);
        greetingChosen = true;
    }
    if (!replyList->GetSelectedItem().IsEmpty()) {
        if (onReceiver) UpdateScore();
        EndCall();
    }
}

void CAnsweringCalls::EndCall() {
    openList = LIST_NONE;
    greetingChosen = false;
    ++callIndex;
    if (callIndex <= kCallCount) {
        shell.SetProgress(callIndex + 1);
        MakeLists();
        model->PlaySoundFile("phoneRing.mp3", true);
        return;
    }
    shell.SetProgress(kCallCount + 2);
    EndGame();
}

void CAnsweringCalls::EndGame() {
    int total = 0;
    for (int point : points) total += point;
    shell.resultsPanel->SetCompte(shell.resultsPanel->GetCompte() + total);
    if (total == kMaximum) {
        shell.EnterResults(true);
        return;
    }
    model->StopSoundFile();
    shell.EnterReview();
    CloseLists();
}

void CAnsweringCalls::Explain(CPoint point) {
    if (receiverButton->HitTest(point)) {
        shell.crosshairs->SetPosition(receiverButton->GetPosition());
        model->PlaySoundFile("microphone.mp3", true);
    } else if (closeEnough(point, GetHandsetLocation())) {
        shell.crosshairs->SetPosition(GetHandsetLocation());
        model->PlaySoundFile("receiver.mp3", true);
    }
}

bool CAnsweringCalls::OnLButtonUp(CPoint point) {
    if (shell.IsPaused()) return true;
    switch (shell.OnCornerClick(point)) {
        case CORNER_MUTE: return true;
        case CORNER_EXIT: return false;
        case CORNER_HELP: return true;
        case CORNER_NONE: break;
    }
    switch (shell.phase) {
        case PhaseIntro:
            if (shell.playButton->HitTest(point)) {
                shell.phase = PhasePlay;
                shell.SetProgress(2);
                model->PlaySoundFile("phoneRing.mp3", true);
                receiverButton->SetLight(true);
                shell.crosshairs->SetPosition(CPoint(-100, -100));
            } else {
                Explain(point);
            }
            break;
        case PhasePlay:
            if (shell.instructionButton->HitTest(point)) {
                shell.phase = PhaseInstructions;
            } else {
                PlayGame(point);
            }
            break;
        case PhaseInstructions:
            if (shell.playButton->HitTest(point)) {
                shell.phase = PhasePlay;
                shell.crosshairs->SetPosition(CPoint(-100, -100));
            } else {
                Explain(point);
            }
            break;
        case PhaseReview:
            if (shell.playButton->HitTest(point)) shell.EnterResults();
            break;
        case PhaseResults: shell.OnResultsClick(point); break;
    }
    return true;
}

void CAnsweringCalls::OnMouseMove(CPoint point) {
    if (shell.OnMouseMove(point)) return;
    bool hand = false;
    if (shell.phase == PhasePlay) {
        CDropDownMenu* list = openList == LIST_GREETING ? greetingList : openList == LIST_REPLY ? replyList : nullptr;
        if (list != nullptr) {
            list->HitTest(point);
            const int row = list->GetSelectedIndex();
            if (row != hoveredRow && row >= 0 && row < kChoiceCount) {
                const Choice* choices = openList == LIST_GREETING ? kGreetings : CurrentCall().replies;
                model->PlaySoundFile(choices[row].recording, true);
            }
            hoveredRow = row;
        }
        hand = receiverButton->HitTest(point) || list != nullptr;
    } else if (shell.phase == PhaseIntro || shell.phase == PhaseInstructions) {
        hand = receiverButton->HitTest(point) || closeEnough(point, GetHandsetLocation());
    }
    model->SetCursor(hand ? CURSOR_HAND : CURSOR_ARROW);
}

void CAnsweringCalls::DrawBubble() {
    bubbleImage->Draw();
    const std::string words = greetingChosen ? CurrentCall().asked : "Driiing! Driiing!";
    const std::vector<std::string> lines = Lines(Latin1FromUtf8(words), kBubbleLine);
    const CPoint centre = bubbleImage->GetPosition();
    const int top = centre.y - 12 - kBubbleLineHeight * (static_cast<int>(lines.size()) - 1) / 2;
    glDisable(GL_TEXTURE_2D);
    glColor4f(0.17f, 0.16f, 0.2f, 1.0f);
    for (size_t i = 0; i < lines.size(); ++i) {
        const int width = BitmapText::Width(GLUT_BITMAP_HELVETICA_18, lines[i]);
        model->DrawText(static_cast<float>(centre.x - width / 2),
                        static_cast<float>(top + kBubbleLineHeight * static_cast<int>(i)), GLUT_BITMAP_HELVETICA_18,
                        lines[i].c_str());
    }
    glEnable(GL_TEXTURE_2D);
}

// The review: each call's right greeting and right reply; a stamp falls on
// every one the learner chose, and the missed ones are written in red.
void CAnsweringCalls::DrawReview(int, int) {
    reviewCard->Draw();
    const CPoint centre = reviewCard->GetPosition();
    std::vector<CPoint> stamped;
    glDisable(GL_TEXTURE_2D);
    for (int n = 0; n < kPointCount; ++n) {
        const Call& call = game.calls[n / 2];
        const std::string words = std::string("Appel ") + std::to_string(n / 2 + 1) +
                                  (n % 2 == 0 ? " - salutation : " + std::string(kGreetings[kRightGreeting].text)
                                              : " - réponse : " + std::string(call.replies[call.rightReply].text));
        const int y = centre.y + kReviewFirstRow + kReviewRowHeight * n;
        if (points[n] == 1) {
            glColor4f(0.17f, 0.16f, 0.2f, 1.0f);
            stamped.push_back(CPoint(centre.x + kReviewTextX - 34, y));
        } else {
            glColor4f(0.71f, 0.28f, 0.18f, 1.0f);
        }
        model->DrawText(static_cast<float>(centre.x + kReviewTextX), static_cast<float>(y + 5),
                        GLUT_BITMAP_HELVETICA_12, Latin1FromUtf8(words).c_str());
    }
    glEnable(GL_TEXTURE_2D);
    shell.DrawMarks(stamped);
}

void CAnsweringCalls::Draw(int width, int height) {
    if (shell.ViewResized(width, height)) LoadButtonLocations(width, height);
    shell.DrawBackground(width, height);
    switch (shell.phase) {
        case PhaseIntro:
        case PhaseInstructions:
            phoneImage->Draw();
            receiverButton->Draw();
            model->FillDarkQuad(width, height);
            shell.overlayImage->Draw();
            shell.crosshairs->Draw();
            shell.playButton->Draw();
            break;
        case PhasePlay:
            shell.instructionButton->Draw();
            shell.consigneImage->Draw();
            references[(callIndex <= kCallCount ? callIndex : kCallCount) - 1]->Draw();
            phoneImage->Draw();
            receiverButton->Draw();
            DrawBubble();
            if (openList == LIST_GREETING) greetingList->Draw();
            if (openList == LIST_REPLY) replyList->Draw();
            break;
        case PhaseReview:
            phoneImage->Draw();
            receiverButton->Draw();
            DrawReview(width, height);
            shell.playButton->Draw();
            break;
        case PhaseResults: shell.DrawResults(width, height); break;
    }
    shell.DrawTop();
}
