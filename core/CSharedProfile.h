#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "app/CString.h"
#include "core/CGameHistory.h"
#include "core/CProfile.h"

// A learner's progress as this session plays it, in a profiles folder that
// other computers may share with the same learner logged in. The session
// keeps what it gained since its last save (points, trophies, the scores
// of its games, the games for the history); a save takes the learner's
// lock, reads the profile as it is on disk now, adds those gains to it,
// writes it (CProfile's safe save) and appends the games to the history.
// Two computers playing one learner thus keep both games' points. Until a
// save succeeds the gains stay in memory and the next save tries again.
class CSharedProfile {
public:
    enum SaveResult {
        SAVED,
        SAVE_LOCKED,  // another computer held the learner's lock all the wait
        SAVE_FAILED,  // nothing could be written (a full disk, no right to)
    };
    // How long a save waits for another computer's save to end.
    static constexpr double kLockWaitSeconds = 3.0;

    // What the learner has, their gains included.
    const CProfile& Progress() const { return now; }
    // Nobody's progress: zeros, nothing to save.
    void Clear();
    // The learner's profile over a clean slate (CProfile::LoadFrom).
    CProfile::ReadResult Load(const std::string& folder, const CString& login);

    // A score line, as the game's own rule sets it (the last game's).
    void SetScore(int row, int column, int value);
    void AddPoints(int points);
    // The caller has checked the balance; a save drops the purchase if the
    // points were spent on another computer meanwhile.
    void BuyTrophy(int trophy, int price);
    // A finished game, for the history.
    void RecordGame(const CGameHistory::Game& game);
    // Starting over: zeros from now on, the profile on disk kept first as
    // "<name>.txt.bak" by the next save. The history stays: it is the
    // tutor's record of what was played.
    void Wipe();

    bool HasUnsaved() const { return unsaved; }
    SaveResult Save(const std::string& folder, const CString& login, double lockWaitSeconds = kLockWaitSeconds);

private:
    CProfile Merged(const std::string& folder, const std::string& fileName) const;
    void ForgetGains();

    CProfile base;  // the profile on disk as last read or written
    CProfile now;
    std::array<std::array<bool, CProfile::kColumns>, CProfile::kRows> scoreSet{};
    int64_t pointsEarned = 0;
    std::array<int32_t, CProfile::kTrophies> trophyPrice{};  // bought here, at that price
    std::array<bool, CProfile::kTrophies> trophyBought{};
    std::vector<CGameHistory::Game> unwrittenGames;
    bool wiped = false;
    bool unsaved = false;
};
