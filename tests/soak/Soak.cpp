// A long run of random mouse input through every screen and every minigame
// of the real game (view, model and controller, a real GL context, SDL's
// dummy audio), then a check of the profiles it left behind.
//
//   zelk_soak [events] [seed]      (100000 events, a seed from the clock)
//
// The seed is printed first: the same seed replays the same run. Presses
// go mostly where the game shows the pointing hand, so buttons, targets and
// list items are hit far more often than blank paper.
#include <GL/freeglut.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "app/CDialogFrame.h"
#include "app/CZelkView.h"
#include "app/HeapUse.h"
#include "core/CModel.h"
#include "scenes/CRewardScene.h"
#include "minigames/CMinigameShell.h"
#include "support/EveryScreen.h"
#include "support/ScratchFolder.h"
#include "SoakChecks.h"

namespace {

constexpr int kWidth = 1366;
constexpr int kHeight = 768;
constexpr double kTick = 1.0 / 64.0;

// A figure of /proc/self/status in MiB ("VmHWM", "RssAnon", ...).
double StatusMiB(const char* field) {
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (status == nullptr) return 0.0;
    char line[256];
    double kib = 0.0;
    const size_t length = std::strlen(field);
    while (std::fgets(line, sizeof line, status)) {
        if (std::strncmp(line, field, length) == 0 && line[length] == ':') kib = std::atof(line + length + 1);
    }
    std::fclose(status);
    return kib / 1024.0;
}

std::string ScreenName(const CModel& model) {
    static const char* kStates[] = {"splash", "title", "credits", "town map", "room", "minigame"};
    std::string name = kStates[model.GetGameState()];
    if (model.GetGameState() == GAMESTATE_SUBMENU) name += " " + std::to_string(model.GetCurrentCategoryType());
    if (model.GetGameState() == GAMESTATE_INGAME) name += " " + std::to_string(model.GetMinigameType());
    return name;
}

class Soak {
public:
    Soak(unsigned seed, long events) : random(seed), events(events) {}

    int Run() {
        ScratchFolder folder;
        std::filesystem::create_directory_symlink(ZELK_GAME_DIR "/Images", folder.File("Images"));
        std::filesystem::create_directory_symlink(ZELK_GAME_DIR "/Sounds", folder.File("Sounds"));
        profiles = folder.File("Profiles");
        // A returning learner with points to spend in the trophy house.
        CProfile returning;
        returning.totalScore = 60;
        returning.SaveTo(profiles, kNames[0]);
        CMinigameShell::clock = [this] { return now; };
        CDialogFrame::pump = [this](CDialogFrame& dialog) { DialogTurn(dialog); };

        view.Init();
        view.OnSize(kWidth, kHeight);
        Tick();  // makes the model and the controller
        model = view.GetModel();

        const std::vector<ScreenStart> starts = EveryScreen();
        const long stretch = std::max<long>(1, events / static_cast<long>(starts.size()));
        const auto began = std::chrono::steady_clock::now();
        for (long done = 0; done < events; ++done) {
            if (done % stretch == 0) {
                privatePeak = std::max(privatePeak, StatusMiB("RssAnon"));
                GoTo(starts[static_cast<size_t>(done / stretch) % starts.size()]);
            }
            OneEvent();
            if (!CheckModel(*model, maxima, problems)) break;
        }
        privatePeak = std::max(privatePeak, StatusMiB("RssAnon"));
        const double sharedAtEnd = StatusMiB("RssFile") + StatusMiB("RssShmem");
        view.OnDestroy();  // saves what is left, as closing the window does
        model = nullptr;
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
        CheckProfiles(profiles, maxima, problems);

        std::printf("soak: %ld events, %ld frames, %ld presses (%ld on the hand) in %.0f s\n", events, frames,
                    presses, handPresses, seconds);
        std::printf("soak: %zu screens reached, score panels of %zu minigames, %ld dialog turns\n",
                    screens.size(), panelsShown.size(), dialogTurns);
        std::printf("soak: memory: peak resident %.1f MiB; private pages at most %.1f MiB, libraries and "
                    "shared pages %.1f MiB at the end\n", StatusMiB("VmHWM"), privatePeak, sharedAtEnd);
        for (const std::string& screen : screens) std::printf("  reached %s\n", screen.c_str());
        for (int type = MINIGAME_1_1; type <= MINIGAME_REWARDS; ++type) {
            if (MinigameCategory(type) != CATEGORY_NONE && screens.count("minigame " + std::to_string(type)) == 0) {
                problems.push_back("minigame " + std::to_string(type) + " never reached");
            }
        }
        for (const std::string& problem : problems) std::printf("FAILED: %s\n", problem.c_str());
        return problems.empty() ? 0 : 1;
    }

private:
    // One tick of the game: the clock moves on as the game's own would.
    void Tick() {
        now += kTick;
        view.OnTimer();
        glutMainLoopEvent();
        ++frames;
        privatePeak = std::max(privatePeak, StatusMiB("RssAnon"));
        if (model == nullptr) return;
        screens.insert(ScreenName(*model));
        // The panel on screen tells the most its minigame can score.
        if (model->GetGameState() == GAMESTATE_INGAME && model->GetShownPanel() != nullptr) {
            maxima[model->GetMinigameType()] = model->GetShownPanel()->GetCompteMax();
            panelsShown.insert(model->GetMinigameType());
        }
    }

    // Leaves the screen the learner is on as the game would, then opens the
    // next start directly.
    void GoTo(const ScreenStart& start) {
        if (model->GetLogin().IsEmpty()) {
            model->SetLogin(kNames[0]);
            model->Load();
        }
        OpenScreen(*model, start);
        surveyed.clear();
        Tick();
    }

    CPoint RandomPoint() {
        return CPoint(std::uniform_int_distribution<int>(0, kWidth - 1)(random),
                      std::uniform_int_distribution<int>(0, kHeight - 1)(random));
    }
    // Moves over the whole screen on a grid, noting where the hand shows: a
    // screen's buttons and targets are found at once. Done again now and
    // then, as a screen's places change with its steps.
    void Survey() {
        std::vector<CPoint>& places = actingPlaces[ScreenName(*model)];
        places.clear();
        for (int y = kSurveyStep / 2; y < kHeight; y += kSurveyStep) {
            for (int x = kSurveyStep / 2; x < kWidth; x += kSurveyStep) {
                view.OnMouseMove(CPoint(x, y));
                if (model->GetCursor() == CURSOR_HAND) places.push_back(CPoint(x, y));
            }
        }
        surveyed[ScreenName(*model)] = eventsDone;
    }
    // Mostly near a place where the hand showed on this screen, else anywhere.
    CPoint Aim() {
        const auto last = surveyed.find(ScreenName(*model));
        if (last == surveyed.end() || eventsDone - last->second > kEventsBetweenSurveys) Survey();
        std::vector<CPoint>& places = actingPlaces[ScreenName(*model)];
        if (places.empty() || Chance(0.25)) return RandomPoint();
        const CPoint place = places[std::uniform_int_distribution<size_t>(0, places.size() - 1)(random)];
        std::uniform_int_distribution<int> jitter(-4, 4);
        return CPoint(std::clamp(place.x + jitter(random), 0, kWidth - 1),
                      std::clamp(place.y + jitter(random), 0, kHeight - 1));
    }
    void MoveTo(CPoint point) {
        view.OnMouseMove(point);
        if (model->GetCursor() != CURSOR_HAND) return;
        std::vector<CPoint>& places = actingPlaces[ScreenName(*model)];
        if (places.size() < kMostPlaces) places.push_back(point);
    }

    void OneEvent() {
        ++eventsDone;
        turnsInDialog = 0;  // no dialog is up between events
        const CPoint at = Aim();
        const double roll = std::uniform_real_distribution<double>(0.0, 1.0)(random);
        MoveTo(at);
        if (roll < 0.50) {
            // a move alone
        } else if (roll < 0.88) {
            ++presses;
            if (model->GetCursor() == CURSOR_HAND) ++handPresses;
            view.OnLButtonDown(at);
            if (Chance(0.2)) MoveTo(Aim());  // a drag now and then
            view.OnLButtonUp(at);
        } else if (roll < 0.94) {
            view.OnLButtonDown(at);
        } else {
            view.OnLButtonUp(at);
        }
        // Time passes: mostly a tick, sometimes a learner who waits.
        const int ticks = Chance(0.02) ? std::uniform_int_distribution<int>(10, 120)(random) : 1;
        for (int i = 0; i < ticks; ++i) Tick();
    }

    // A learner at a dialog: keys, clicks, and after a while a name and OK.
    void DialogTurn(CDialogFrame& dialog) {
        ++dialogTurns;
        ++turnsInDialog;
        now += kTick;
        view.OnTimer();
        glutMainLoopEvent();
        const double roll = std::uniform_real_distribution<double>(0.0, 1.0)(random);
        if (turnsInDialog > 40) {
            for (char c : std::string(kNames[std::uniform_int_distribution<int>(0, 2)(random)])) {
                dialog.OnKey(static_cast<unsigned char>(c));
            }
            dialog.OnKey(13);
            if (turnsInDialog > 60) dialog.OnKey(27);
        } else if (roll < 0.4) {
            dialog.OnKey(static_cast<unsigned char>(std::uniform_int_distribution<int>(1, 255)(random)));
        } else if (roll < 0.5) {
            dialog.OnSpecialKey(std::uniform_int_distribution<int>(GLUT_KEY_LEFT, GLUT_KEY_END)(random));
        } else if (roll < 0.7) {
            const CPoint at = Chance(0.5) ? dialog.ButtonCentre(CDialogFrame::IDOK) : RandomPoint();
            dialog.OnMouseMove(at);
            dialog.OnLButtonDown(at);
            dialog.OnLButtonUp(at);
        } else if (roll < 0.72) {
            dialog.OnKey(27);
        }
    }

    bool Chance(double p) { return std::uniform_real_distribution<double>(0.0, 1.0)(random) < p; }

    static constexpr int kSurveyStep = 20;
    static constexpr long kEventsBetweenSurveys = 60;
    static constexpr size_t kMostPlaces = 4000;
    static constexpr const char* kNames[] = {"Soak", "J\xE9r\xF4me", "ZO\xC9"};

    std::mt19937 random;
    long events;
    CZelkView view;
    CModel* model = nullptr;
    std::string profiles;
    Maxima maxima;
    double now = 1000.0;
    double privatePeak = 0.0;  // MiB
    std::map<std::string, std::vector<CPoint>> actingPlaces;
    std::map<std::string, long> surveyed;  // the event of each screen's last survey
    long eventsDone = 0;
    std::set<std::string> screens;
    std::set<int> panelsShown;
    long frames = 0, presses = 0, handPresses = 0, dialogTurns = 0, turnsInDialog = 0;
    std::vector<std::string> problems;
};

}  // namespace

int main(int argc, char** argv) {
    const long events = argc > 1 ? std::atol(argv[1]) : 100000;
    const unsigned seed = argc > 2 ? static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10))
                                   : static_cast<unsigned>(std::chrono::system_clock::now().time_since_epoch().count());
    ReturnLoadBuffersToTheSystem();  // as the game does: its memory figures are the game's
    std::printf("soak: seed %u (replay: zelk_soak %ld %u)\n", seed, events, seed);
    std::fflush(stdout);
    // The game's own shuffles follow the same seed.
    setenv("ZELK_SEED", std::to_string(seed).c_str(), 1);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    int glutArgc = 1;
    char name[] = "zelk_soak";
    char* glutArgv[] = {name, nullptr};
    glutInit(&glutArgc, glutArgv);
    glutInitDisplayMode(GLUT_RGBA | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(kWidth, kHeight);
    const int window = glutCreateWindow("zelk soak");
    glutDisplayFunc([] {});
    for (int i = 0; i < 5; ++i) glutMainLoopEvent();
    const int status = Soak(seed, events).Run();
    // The renderer frees its buffers with its context, as the game's close does.
    glutDestroyWindow(window);
    glutMainLoopEvent();
    glutExit();
    return status;
}
