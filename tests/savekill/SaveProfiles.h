#pragma once
#include "core/CProfile.h"

// The two profiles SaveLoop saves in turn. Their texts differ in every
// line's neighbourhood and in length, so a file that is neither is seen.
inline CProfile SaveLoopProfileA() {
    CProfile p;
    p.compte[0][0] = 1;
    p.trophyAwarded[0] = true;
    p.pointsSpent = 2;
    p.totalScore = 3;
    return p;
}

inline CProfile SaveLoopProfileB() {
    CProfile p;
    for (int r = 0; r < CProfile::kRows; ++r) {
        for (int c = 0; c < CProfile::kColumns; ++c) p.compte[r][c] = 100000 + r * 1000 + c;
    }
    for (int t = 1; t < CProfile::kTrophies; t += 2) p.trophyAwarded[t] = true;
    p.pointsSpent = 987654;
    p.totalScore = 2000000000;
    return p;
}
