#include "app/EventTrace.h"

#include <GL/glx.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/CDialogFrame.h"
#include "app/CZelkApp.h"
#include "app/Latin1.h"
#include "core/CModel.h"
#include "minigames/CMinigameShell.h"
#include "scenes/CMainMenu.h"
#include "scenes/CRewardScene.h"
#include "scenes/CSubMenu.h"

namespace {

int traceFd = -1;
long tick = 0;
int unchangedTicks = 0;
std::string lastState;

// One line in one write: a reader never sees half of it.
void WriteLine(const std::string& text) {
    if (traceFd < 0) return;
    const std::string line = std::to_string(tick) + " " + text + "\n";
    size_t done = 0;
    while (done < line.size()) {
        const ssize_t n = write(traceFd, line.data() + done, line.size() - done);
        if (n <= 0) return;
        done += static_cast<size_t>(n);
    }
}

const char* PhaseName(MinigamePhase phase) {
    switch (phase) {
        case PhaseIntro: return "intro";
        case PhasePlay: return "play";
        case PhaseInstructions: return "instructions";
        case PhaseReview: return "review";
        case PhaseResults: return "results";
    }
    return "?";
}

std::string GameName(MinigameType type) {
    if (type == MINIGAME_REWARDS) return "house";
    return std::to_string(MinigameCategory(type) + 1) + "_" + std::to_string(MinigamePosition(type) + 1);
}

// Words without spaces, so that every field stays one word.
std::string OneWord(std::string text) {
    for (char& c : text) {
        if (c == ' ') c = '_';
    }
    return text.empty() ? "none" : text;
}

std::string Describe(const CModel& model) {
    std::string state = "screen=";
    switch (model.GetGameState()) {
        case GAMESTATE_SPLASH: state += "splash"; break;
        case GAMESTATE_TITLE: state += "title"; break;
        case GAMESTATE_CREDITS: state += "credits"; break;
        case GAMESTATE_MAINMENU:
            state += model.GetMainMenu()->GetState() == MAINMENU_LEAVING ? "map-leaving" : "map";
            break;
        case GAMESTATE_SUBMENU:
            state += "room curtain=" + std::to_string(model.GetSubMenu()->GetCurtain());
            break;
        case GAMESTATE_INGAME: state += "game game=" + GameName(model.GetMinigameType()); break;
    }
    if (const CMinigameShell* shell = model.GetActiveShell()) {
        state += std::string(" phase=") + PhaseName(shell->phase) + " step=" + std::to_string(shell->GetProgress()) +
                 " paused=" + (shell->IsPaused() ? "1" : "0") + " cross=" + (shell->IsWrongSignShown() ? "1" : "0");
    }
    const CRewardScene* panel = model.GetShownPanel();
    state += std::string(" panel=") + (panel == nullptr ? "none" : panel->ButtonsShown() ? "ready" : "sliding");
    state += std::string(" voice=") + (model.IsSoundPlaying() ? "1" : "0");
    const CDialogFrame* dialog = theApp.GetActiveDialog();
    state += " dialog=" + OneWord(dialog ? Utf8FromLatin1(dialog->GetCaption()) : "");
    if (dialog != nullptr) {
        state += " text=" + OneWord(Utf8FromLatin1(dialog->GetText().str()));
        state += " message=" + OneWord(Utf8FromLatin1(dialog->GetMessage()));
    }
    return state;
}

}  // namespace

namespace EventTrace {

void Open() {
    const char* path = std::getenv("ZELK_TRACE");
    if (path == nullptr || *path == '\0' || traceFd >= 0) return;
    traceFd = open(path, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
}

bool On() { return traceFd >= 0; }

void Pointer(const char* what, int x, int y) {
    if (traceFd >= 0) WriteLine(std::string(what) + " " + std::to_string(x) + " " + std::to_string(y));
}

void Key(const char* what, int key) {
    if (traceFd >= 0) WriteLine(std::string(what) + " " + std::to_string(key));
}

void Saved(bool ok) {
    if (traceFd >= 0) WriteLine(ok ? "saved" : "save-failed");
}

void EndOfTick(const CModel* model, bool drawn) {
    if (traceFd < 0) return;
    if (drawn) {
        // The frame reaches the server before a reader hears of it.
        if (Display* display = glXGetCurrentDisplay()) XSync(display, False);
    }
    unchangedTicks = drawn ? 0 : unchangedTicks + 1;
    if (model != nullptr) {
        const std::string state = Describe(*model);
        if (state != lastState) WriteLine(state);
        lastState = state;
    }
    WriteLine("tick " + std::to_string(unchangedTicks));
    ++tick;
}

}  // namespace EventTrace
