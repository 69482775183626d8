#include "core/CSharedProfile.h"

#include <sys/stat.h>

#include <climits>

#include "core/CProfileLock.h"
#include "core/GameTypes.h"

void CSharedProfile::Clear() {
    base.Clear();
    now.Clear();
    ForgetGains();
    unwrittenGames.clear();
    unsaved = false;
}

void CSharedProfile::ForgetGains() {
    scoreSet = {};
    pointsEarned = 0;
    trophyPrice = {};
    trophyBought = {};
    wiped = false;
}

CProfile::ReadResult CSharedProfile::Load(const std::string& folder, const CString& login) {
    Clear();
    const CProfile::ReadResult result = base.LoadFrom(folder, login);
    now = base;
    return result;
}

void CSharedProfile::SetScore(int row, int column, int value) {
    int32_t& cell = now.compte.at(row).at(column);
    if (cell == value) return;
    cell = value;
    scoreSet[row][column] = true;
    unsaved = true;
}

void CSharedProfile::AddPoints(int points) {
    if (points == 0) return;
    now.totalScore += points;
    pointsEarned += points;
    unsaved = true;
}

void CSharedProfile::BuyTrophy(int trophy, int price) {
    now.trophyAwarded.at(trophy) = true;
    now.pointsSpent += price;
    trophyBought[trophy] = true;
    trophyPrice[trophy] = price;
    unsaved = true;
}

void CSharedProfile::RecordGame(const CGameHistory::Game& game) {
    unwrittenGames.push_back(game);
    // The game's score line is this session's to write, even when it reads
    // as before: another computer's game may have changed it since.
    const int row = MinigameCategory(game.type), column = MinigamePosition(game.type);
    if (row >= 0 && row < CProfile::kRows && column >= 0) scoreSet[row][column] = true;
    unsaved = true;
}

void CSharedProfile::Wipe() {
    now.Clear();
    ForgetGains();
    wiped = true;
    unsaved = true;
}

// The profile on disk now with this session's gains added.
CProfile CSharedProfile::Merged(const std::string& folder, const std::string& fileName) const {
    CProfile merged;
    // A profile gone or damaged since (its copy is kept aside): what this
    // session last knew of it stands in.
    if (merged.LoadFromFile(folder, fileName) != CProfile::READ_OK) merged = base;
    for (int row = 0; row < CProfile::kRows; ++row) {
        for (int column = 0; column < CProfile::kColumns; ++column) {
            if (scoreSet[row][column]) merged.compte[row][column] = now.compte[row][column];
        }
    }
    const int64_t total = merged.totalScore + pointsEarned;
    merged.totalScore = static_cast<int32_t>(total > INT32_MAX ? INT32_MAX : total);
    for (int trophy = 0; trophy < CProfile::kTrophies; ++trophy) {
        if (!trophyBought[trophy] || merged.trophyAwarded[trophy]) continue;  // bought there too: paid once
        const int64_t balance = static_cast<int64_t>(merged.totalScore) - merged.pointsSpent;
        if (balance < trophyPrice[trophy]) continue;  // the points went on another computer
        merged.trophyAwarded[trophy] = true;
        merged.pointsSpent += trophyPrice[trophy];
    }
    return merged;
}

CSharedProfile::SaveResult CSharedProfile::Save(const std::string& folder, const CString& login,
                                                double lockWaitSeconds) {
    if (login.IsEmpty()) return SAVE_FAILED;
    mkdir(folder.c_str(), 0755);  // fails harmlessly when it exists
    const std::string fileName = CProfile::ProfileFileFor(folder, login);
    CProfileLock lock;
    switch (lock.Acquire(folder + "/" + CProfileLock::FileNameFor(fileName), lockWaitSeconds)) {
        case CProfileLock::LOCK_HELD: break;
        case CProfileLock::LOCK_BUSY: return SAVE_LOCKED;
        case CProfileLock::LOCK_FAILED: return SAVE_FAILED;
    }
    if (wiped) CProfile::BackUp(folder, login);
    const CProfile merged = wiped ? now : Merged(folder, fileName);
    if (!merged.SaveToFile(folder, fileName)) return SAVE_FAILED;
    base = merged;
    now = merged;
    ForgetGains();
    // After the profile: a kill in between costs the tutor a line, never
    // the learner their points.
    if (!unwrittenGames.empty()) {
        if (!CGameHistory::Append(folder + "/" + CGameHistory::FileNameFor(fileName), unwrittenGames)) {
            return SAVE_FAILED;
        }
        unwrittenGames.clear();
    }
    unsaved = false;
    return SAVED;
}
