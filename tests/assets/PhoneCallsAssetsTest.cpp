// The calls' voices and reference sheets are made from the game's call
// table: these tests catch a recording that says something else than the
// list shows, and a sheet that does not support the reply the game judges
// right (or supports a wrong one).
#include <gtest/gtest.h>

#include <string>

#include "minigames/dentist/PhoneCalls.h"
#include "support/Narration.h"
#include "support/PicturePixels.h"

using namespace PhoneCalls;

namespace {

const CallGame* const kGames[] = {&kEverydayCalls, &kSheetCalls};

std::string AnswerRow(const Sheet& sheet) {
    return std::string(sheet.rows[sheet.answerRow].label) + " | " + sheet.rows[sheet.answerRow].value;
}

}  // namespace

TEST(PhoneCallsAssets, EveryRecordingSaysWhatTheTableSays) {
    const auto lines = NarrationLines();
    auto expect = [&](const char* file, const char* words) {
        ASSERT_TRUE(lines.count(file)) << file << " has no narration line";
        EXPECT_EQ(lines.at(file), std::string("fr|") + words) << file;
    };
    for (const Choice& greeting : kGreetings) expect(greeting.recording, greeting.spoken);
    for (const CallGame* game : kGames) {
        EXPECT_TRUE(lines.count(game->intro));
        for (const Call& call : game->calls) {
            expect(call.question, call.said);
            for (const Choice& reply : call.replies) expect(reply.recording, reply.spoken);
        }
    }
    EXPECT_TRUE(lines.count("microphone.mp3"));
    EXPECT_TRUE(lines.count("receiver.mp3"));
}

TEST(PhoneCallsAssets, EachSheetHoldsTheRightReplyAndNoWrongOne) {
    for (const CallGame* game : kGames) {
        for (const Call& call : game->calls) {
            const Sheet& sheet = call.sheet;
            ASSERT_NE(sheet.rows[sheet.answerRow].label, nullptr) << sheet.picture;
            const std::string row = AnswerRow(sheet);
            const Choice& right = call.replies[call.rightReply];
            ASSERT_NE(right.claim, nullptr) << sheet.picture << ": the right reply must rest on the sheet";
            EXPECT_NE(row.find(right.claim), std::string::npos) << sheet.picture << ": " << row;
            for (int r = 0; r < kChoiceCount; ++r) {
                if (r == call.rightReply || call.replies[r].claim == nullptr) continue;
                EXPECT_EQ(row.find(call.replies[r].claim), std::string::npos)
                    << sheet.picture << " supports the wrong reply " << call.replies[r].text;
            }
        }
    }
}

// A number or an extension stated by a reply is the one its claim names, so
// the check above really compares the reply with the sheet.
TEST(PhoneCallsAssets, RepliesThatStateAFigureStateTheirClaim) {
    for (const CallGame* game : kGames) {
        for (const Call& call : game->calls) {
            for (const Choice& reply : call.replies) {
                if (reply.claim == nullptr) continue;
                const std::string claim = reply.claim;
                const size_t first = claim.find_first_of("0123456789");
                if (first == std::string::npos) continue;
                const std::string figure = claim.substr(first, claim.find_last_of("0123456789") - first + 1);
                EXPECT_NE(std::string(reply.text).find(figure), std::string::npos) << reply.text << " / " << claim;
            }
        }
    }
}

TEST(PhoneCallsAssets, TheRightGreetingNamesTheOffice) {
    EXPECT_NE(std::string(kGreetings[kRightGreeting].text).find("Cabinet dentaire"), std::string::npos);
    EXPECT_NE(std::string(kGreetings[kRightGreeting].text).find("ici"), std::string::npos);
}

// Each sheet is a document on the desk: its middle is printed paper or a
// sign, not the transparent ground around it.
TEST(PhoneCallsAssets, EverySheetIsDrawn) {
    for (const CallGame* game : kGames) {
        for (const Call& call : game->calls) {
            const PicturePixels sheet(std::string(ZELK_GAME_DIR) + "/Images/" + call.sheet.picture);
            ASSERT_NE(sheet.data, nullptr) << call.sheet.picture;
            EXPECT_EQ(sheet.width, 512);
            EXPECT_EQ(sheet.At(256, 256)[3], 255) << call.sheet.picture;
            EXPECT_LT(sheet.At(4, 4)[3], 40) << call.sheet.picture;
        }
    }
}
