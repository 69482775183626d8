// One of two computers playing the same learner on one shared folder: loads
// the learner, tells it on fd 3 and waits for the go-ahead on fd 4 (so both
// start from the same profile), then plays a thousand games, saving after
// each: a point a game, the score line of its own minigame, the game in the
// history, and halfway one trophy. A save that finds the learner locked
// tries again, as the game does.
#include <cstdio>
#include <cstdlib>

#include "core/CSharedProfile.h"
#include "core/GameTypes.h"
#include "savekill/SharedSaveGames.h"
#include "savekill/StepPipe.h"

int main(int argc, char** argv) {
    if (argc != 6) {
        std::fprintf(stderr, "usage: %s FOLDER LOGIN MINIGAME TROPHY PRICE (fd 3: loaded, fd 4: go)\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    const CString login(argv[2]);
    const int type = std::atoi(argv[3]), trophy = std::atoi(argv[4]), price = std::atoi(argv[5]);
    CSharedProfile learner;
    learner.Load(folder, login);
    TellStepAndWait(0);
    for (int game = 0; game < kSharedSaveGames; ++game) {
        CGameHistory::Game played;
        played.when = "2026-03-14T10:05:31+01:00";
        played.type = type;
        played.score = game % 10;
        played.maximum = 9;
        learner.SetScore(MinigameCategory(type), MinigamePosition(type), played.score);
        learner.AddPoints(1);
        learner.RecordGame(played);
        if (game == kSharedSaveGames / 2) learner.BuyTrophy(trophy, price);
        CSharedProfile::SaveResult saved;
        while ((saved = learner.Save(folder, login)) == CSharedProfile::SAVE_LOCKED) {
        }
        if (saved != CSharedProfile::SAVED) return 1;
    }
    return 0;
}
