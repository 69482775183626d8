// One office behind every document of the dentist's minigames: these tests
// catch a sign, a sheet, a card or a recording that gives the office
// another name, other hours, another receptionist or another extension than
// the office's own table.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "core/Formats.h"
#include "minigames/dentist/CallTransfers.h"
#include "minigames/dentist/DentistOffice.h"
#include "minigames/dentist/FaxCoverSheet.h"
#include "minigames/dentist/FaxMachine.h"
#include "minigames/dentist/Greetings.h"
#include "minigames/dentist/MessageForm.h"
#include "minigames/dentist/PhoneCalls.h"
#include "support/Narration.h"

using namespace DentistOffice;

namespace {

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

std::string LastWord(const std::string& name) { return name.substr(name.rfind(' ') + 1); }

const StaffMember* StaffNamed(const std::string& name) {
    for (const StaffMember& member : kStaff) {
        if (name == member.name) return &member;
    }
    return nullptr;
}

// The dentist's tables, pictures and recordings, as their sources hold them.
std::vector<std::pair<std::string, std::string>> OfficeSources() {
    namespace fs = std::filesystem;
    const fs::path top(ZELK_SOURCE_DIR);
    std::vector<fs::path> paths;
    for (const auto& entry : fs::directory_iterator(top / "minigames" / "dentist")) paths.push_back(entry.path());
    for (const auto& entry : fs::directory_iterator(top / "tools" / "art")) {
        if (entry.path().filename().string().rfind("minigame1_", 0) == 0) paths.push_back(entry.path());
    }
    for (const auto& entry : fs::directory_iterator(top / "tools" / "sounds" / "narration")) {
        if (entry.path().filename().string().rfind("minigame1_", 0) == 0) paths.push_back(entry.path());
    }
    std::vector<std::pair<std::string, std::string>> sources;
    for (const fs::path& path : paths) {
        std::ifstream in(path);
        std::stringstream text;
        text << in.rdbuf();
        sources.emplace_back(path.filename().string(), text.str());
    }
    return sources;
}

}  // namespace

TEST(DentistOfficeFacts, TheHoursAreWrittenAndSpokenAsFormatsWritesAndSaysThem) {
    EXPECT_EQ(std::string(kHours),
              Formats::FrenchTime(kOpensHour, kOpensMinute) + " à " + Formats::FrenchTime(kClosesHour, kClosesMinute));
    EXPECT_EQ(std::string(kSpokenHours), "de " + Formats::SpokenFrenchTime(kOpensHour, kOpensMinute) + " à " +
                                             Formats::SpokenFrenchTime(kClosesHour, kClosesMinute));
    EXPECT_EQ(std::string(kHours), "8\u00A0h\u00A030 à 17\u00A0h");
}

// Both games of calls ask for the hours: their signs show the office's, and
// the reply judged right says them, in writing and aloud.
TEST(DentistOfficeFacts, EveryHoursSignAndRightReplyGiveTheOfficesHours) {
    int signs = 0;
    for (const PhoneCalls::CallGame* game : {&PhoneCalls::kEverydayCalls, &PhoneCalls::kSheetCalls}) {
        for (const PhoneCalls::Call& call : game->calls) {
            if (call.sheet.look != PhoneCalls::LOOK_HOURS_SIGN) continue;
            ++signs;
            EXPECT_EQ(std::string(call.sheet.rows[0].label), kOpenDays) << call.sheet.picture;
            EXPECT_EQ(std::string(call.sheet.rows[0].value), kHours) << call.sheet.picture;
            const PhoneCalls::Choice& right = call.replies[call.rightReply];
            EXPECT_TRUE(Has(right.text, kHours)) << right.text;
            EXPECT_TRUE(Has(right.spoken, kSpokenHours)) << right.spoken;
        }
    }
    EXPECT_EQ(signs, 2);
}

// The office is called one name on every document and in every recording.
TEST(DentistOfficeFacts, EveryDocumentNamesTheOfficeAlike) {
    const std::string generic = "Cabinet dentaire";
    const std::string own = std::string(kName).substr(generic.size() + 1);  // "des Érables"
    for (const auto& [file, text] : OfficeSources()) {
        for (size_t at = text.find(generic); at != std::string::npos; at = text.find(generic, at + 1)) {
            std::string rest = text.substr(at + generic.size(), 40);
            // A name set over two lines, or the generic words on their own (a sign's heading).
            if (rest.rfind("\\n", 0) == 0) rest = " " + rest.substr(2);
            if (rest.rfind("\"", 0) == 0) continue;
            EXPECT_EQ(rest.rfind(" " + own, 0), 0u) << file << ": " << text.substr(at, 60);
        }
        EXPECT_FALSE(Has(text, "Dr Gagnon") || Has(text, "docteur Gagnon") || Has(text, "dentaire Gagnon")) << file;
        EXPECT_FALSE(Has(text, "Maple Dental.")) << file;
    }
}

// The learner takes the receptionist's place: the greetings that name her,
// the fax she sends, all name Julie.
TEST(DentistOfficeFacts, TheReceptionistIsOnePerson) {
    const std::string right = PhoneCalls::kGreetings[PhoneCalls::kRightGreeting].text;
    EXPECT_TRUE(Has(right, kName)) << right;
    EXPECT_TRUE(Has(right, std::string("ici ") + kReceptionistFirstName)) << right;
    int named = 0;
    for (const Greetings::Example& example : Greetings::kFrenchExamples) {
        const std::string text = example.text;
        if (!Has(text, "à l'appareil") && !Has(text, "ici ")) continue;
        ++named;
        EXPECT_TRUE(Has(text, kReceptionistFirstName)) << text;
    }
    EXPECT_EQ(named, 2);
    EXPECT_TRUE(Has(Greetings::kEnglishExamples[0].text, std::string("This is ") + kReceptionistFirstName));
    EXPECT_EQ(std::string(FaxCoverSheet::kFields[4].words), std::string(kReceptionist) + ", " + kName);
}

// An extension list or an in-and-out board names the office's staff, and an
// extension is the one the transfer game dials.
TEST(DentistOfficeFacts, EveryStaffListNamesTheStaffWithTheirExtensions) {
    int lists = 0;
    for (const PhoneCalls::CallGame* game : {&PhoneCalls::kEverydayCalls, &PhoneCalls::kSheetCalls}) {
        for (const PhoneCalls::Call& call : game->calls) {
            const PhoneCalls::Sheet& sheet = call.sheet;
            if (sheet.look != PhoneCalls::LOOK_EXTENSIONS && sheet.look != PhoneCalls::LOOK_IN_OUT_BOARD) continue;
            ++lists;
            for (const PhoneCalls::Row& row : sheet.rows) {
                if (row.label == nullptr) continue;
                const StaffMember* member = StaffNamed(row.label);
                ASSERT_NE(member, nullptr) << sheet.picture << ": " << row.label;
                if (sheet.look == PhoneCalls::LOOK_EXTENSIONS) {
                    EXPECT_EQ(std::string(row.value), std::string("poste ") + member->extension) << row.label;
                }
            }
            // The person asked for is on the list, on the row the right reply reads.
            EXPECT_TRUE(Has(call.asked, sheet.rows[sheet.answerRow].label)) << call.asked;
        }
    }
    EXPECT_EQ(lists, 2);
    const PhoneCalls::Sheet& schedule = PhoneCalls::kSheetCalls.calls[1].sheet;
    EXPECT_EQ(std::string(schedule.title), std::string("Horaire de ") + kStaff[PERSON_FERLAND].name);
    // The message pads' recipients are the office's staff.
    for (int i = 0; i < MessageForm::kNone; ++i) {
        const std::string recipient = MessageForm::kRecipients[i].text;
        bool found = false;
        for (const StaffMember& member : kStaff) found = found || LastWord(member.name) == LastWord(recipient);
        EXPECT_TRUE(found) << recipient;
    }
}

// The laboratory's numbers on the fax cover sheet are the ones the fax
// machine dials.
TEST(DentistOfficeFacts, TheLaboratorysNumbersAreOneEverywhere) {
    EXPECT_EQ(std::string(FaxCoverSheet::kFields[0].words), kLabName);
    EXPECT_EQ(std::string(FaxCoverSheet::kFields[1].words), kLabAddress);
    EXPECT_EQ(std::string(FaxCoverSheet::kFields[2].words), std::string("Téléc. : ") + kLabFax);
    EXPECT_EQ(std::string(FaxCoverSheet::kFields[3].words), std::string("Tél. : ") + kLabPhone);
    std::string digits;
    for (const char* c = kLabFax; *c != '\0'; ++c) {
        if (*c >= '0' && *c <= '9') digits += *c;
    }
    EXPECT_EQ(digits, FaxMachine::kNumber);
    EXPECT_EQ(digits, "7052322332");
}
