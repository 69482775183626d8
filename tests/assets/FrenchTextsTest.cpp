// Every text the game shows or speaks, in correct French (or English where
// a minigame is English): the tables' words, the pictures' words and the
// narration pass Hunspell's dictionaries and French typography. A learner
// copies what the game writes into a real workplace.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "support/Narration.h"
#include "support/ScratchFolder.h"

namespace fs = std::filesystem;

namespace {

struct Text {
    std::string where;  // file, or file and recording
    std::string language;  // "fr", "en", or "" when told by its words
    std::string words;
};

std::string Read(const fs::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void AppendUtf8(std::string& out, unsigned code) {
    if (code < 0x80) {
        out += char(code);
    } else if (code < 0x800) {
        out += char(0xC0 | (code >> 6));
        out += char(0x80 | (code & 0x3F));
    } else {
        out += char(0xE0 | (code >> 12));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    }
}

// The string literals of a C++ source, comments left out and adjacent
// literals joined, escapes decoded (\xE9 is a Latin-1 byte, as the game's).
std::vector<std::string> Literals(const std::string& source) {
    std::vector<std::string> found;
    std::string current;
    bool inLiteral = false, joined = false;
    for (size_t i = 0; i < source.size(); ++i) {
        const char c = source[i];
        if (inLiteral) {
            if (c == '"') {
                inLiteral = false;
                joined = true;
            } else if (c == '\\' && i + 1 < source.size()) {
                const char e = source[++i];
                if (e == 'n') {
                    current += '\n';
                } else if (e == 'u' || e == 'x') {
                    const int digits = e == 'u' ? 4 : 2;
                    AppendUtf8(current, std::stoul(source.substr(i + 1, digits), nullptr, 16));
                    i += digits;
                } else {
                    current += e;
                }
            } else {
                current += c;
            }
            continue;
        }
        if (c == '/' && i + 1 < source.size() && source[i + 1] == '/') {
            i = source.find('\n', i);
            if (i == std::string::npos) break;
            continue;
        }
        if (c == '\'' && i + 2 < source.size()) {  // a character literal: '"' must not open a string
            i = source.find('\'', i + (source[i + 1] == '\\' ? 3 : 2));
            if (i == std::string::npos) break;
            continue;
        }
        if (c == '"') {
            inLiteral = true;
            continue;
        }
        if (joined && c != ' ' && c != '\n') {
            found.push_back(current);
            current.clear();
            joined = false;
        }
    }
    if (joined) found.push_back(current);
    return found;
}

bool IsWordsForThePlayer(const std::string& text) {
    static const std::regex kFileOrPattern(R"(\.(png|mp3|txt|h)$|%)");
    static const std::regex kTwoLetters(u8"[A-Za-zÀ-ÿ]{2}");
    return text.size() > 1 && !std::regex_search(text, kFileOrPattern) && std::regex_search(text, kTwoLetters);
}

// The game's texts: its tables, the pictures' words, the narration.
std::vector<Text> GameTexts() {
    const fs::path top(ZELK_SOURCE_DIR);
    std::vector<fs::path> sources;
    for (const char* folder : {"minigames/dentist", "minigames/pizzeria", "minigames/grocery"}) {
        for (const auto& entry : fs::directory_iterator(top / folder)) {
            if (entry.path().extension() == ".h") sources.push_back(entry.path());
        }
    }
    sources.push_back(top / "core" / "MinigameTitles.h");
    for (const auto& entry : fs::directory_iterator(top / "tools" / "art")) sources.push_back(entry.path());
    std::vector<Text> texts;
    for (const fs::path& path : sources) {
        for (const std::string& literal : Literals(Read(path))) {
            if (IsWordsForThePlayer(literal)) texts.push_back({path.filename().string(), "", literal});
        }
    }
    for (const auto& [file, line] : NarrationLines()) {
        const size_t bar = line.find('|');
        texts.push_back({"narration " + file, line.substr(0, 2), line.substr(bar + 1)});
    }
    return texts;
}

// The words of a text; a recording's placeholders ("{caller}") are no words.
std::vector<std::string> WordsOf(const std::string& withPlaceholders) {
    static const std::regex kPlaceholder(R"(\{[a-z]+\})");
    const std::string text = std::regex_replace(withPlaceholders, kPlaceholder, "");
    static const std::regex kWord(u8"[A-Za-zÀ-ÖØ-öø-ÿŒœ]+(?:['’-][A-Za-zÀ-ÖØ-öø-ÿŒœ]+)*");
    std::vector<std::string> words;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), kWord); it != std::sregex_iterator(); ++it) {
        words.push_back(it->str());
    }
    return words;
}

// The words the dictionary does not know, asked of the hunspell command.
std::set<std::string> Unknown(const std::set<std::string>& words, const char* dictionary) {
    ScratchFolder scratch;
    const std::string list = scratch.File("words.txt");
    {
        std::ofstream out(list);
        for (const std::string& w : words) out << w << '\n';
    }
    const std::string command = std::string("hunspell -l -i utf-8 -d ") + dictionary + " < " + list;
    std::set<std::string> unknown;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return words;
    char line[256];
    while (std::fgets(line, sizeof line, pipe) != nullptr) {
        std::string word(line);
        while (!word.empty() && (word.back() == '\n' || word.back() == '\r')) word.pop_back();
        unknown.insert(word);
    }
    EXPECT_EQ(pclose(pipe), 0) << command;
    return unknown;
}

// Names, brands and codes the dictionaries cannot know, one a line.
std::set<std::string> Allowed() {
    std::set<std::string> allowed;
    std::istringstream lines(Read(fs::path(ZELK_SOURCE_DIR) / "tests" / "assets" / "allowed-words.txt"));
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line[0] != '#') allowed.insert(line);
    }
    return allowed;
}

struct Checked {
    std::vector<Text> texts;
    std::set<std::string> unknownFrench, unknownEnglish, allowed;

    Checked() : texts(GameTexts()), allowed(Allowed()) {
        std::set<std::string> words;
        for (const Text& t : texts) {
            for (const std::string& w : WordsOf(t.words)) words.insert(w);
        }
        unknownFrench = Unknown(words, "fr_FR");
        unknownEnglish = Unknown(words, "en_CA");
    }
    // A table's text is English when more of its words are English-only
    // than French-only, French when fewer; "" when its words are both
    // ("Total:", "Hello?"), which cannot be told.
    std::string LanguageOf(const Text& t) const {
        if (!t.language.empty()) return t.language;
        int english = 0, french = 0;
        for (const std::string& w : WordsOf(t.words)) {
            english += unknownFrench.count(w) && !unknownEnglish.count(w);
            french += unknownEnglish.count(w) && !unknownFrench.count(w);
        }
        return english > french ? "en" : french > english ? "fr" : "";
    }
};

const Checked& TheTexts() {
    static const Checked checked;
    return checked;
}

bool Has(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

// UTF-8 to one wchar_t a character, for the typography's patterns.
std::wstring Wide(const std::string& utf8) {
    std::wstring out;
    for (size_t i = 0; i < utf8.size();) {
        const unsigned char c = utf8[i];
        const int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
        unsigned code = extra == 0 ? c : c & (0x3F >> extra);
        for (int k = 1; k <= extra && i + k < utf8.size(); ++k) code = (code << 6) | (utf8[i + k] & 0x3F);
        out += wchar_t(code);
        i += extra + 1;
    }
    return out;
}

// A space before : ; ? ! (not in a time or a web address), inside « », and
// the dollar after its amount.
const std::wregex kTightPunctuation(L"[^ \u00A0\u202F\\d][;?!]|[^ \u00A0\u202F]:(?!//)(?!\\d)");
const std::wregex kTightQuotes(L"«[^ \u00A0\u202F]|[^ \u00A0\u202F]»");
const std::wregex kDollarFirst(L"\\$[ \u00A0]?\\d|\\d\\$");

bool Breaks(const std::string& text, const std::wregex& rule) { return std::regex_search(Wide(text), rule); }

}  // namespace

TEST(FrenchTexts, TheDictionariesAreThere) {
    const std::set<std::string> unknown = Unknown({"bonjour", "garnitures", "zzxqv"}, "fr_FR");
    EXPECT_EQ(unknown, (std::set<std::string>{"zzxqv"}));
    EXPECT_EQ(Unknown({"pepper", "zzxqv"}, "en_CA"), (std::set<std::string>{"zzxqv"}));
}

// Every word is in the dictionary of its text's language, or among the
// allowed names; a text that teaches the other language's word ("En
// anglais : ham", "In French, A téléphoné") may hold it.
TEST(FrenchTexts, EveryWordIsSpelledAsTheDictionarySpellsIt) {
    const Checked& c = TheTexts();
    ASSERT_GT(c.texts.size(), 1000u);
    for (const Text& t : c.texts) {
        const std::string language = c.LanguageOf(t);
        const bool english = language == "en";
        const bool either = language.empty();
        const bool bilingual = Has(t.words, "anglais") || Has(t.words, "In French") || Has(t.words, " / ");
        for (const std::string& w : WordsOf(t.words)) {
            if (c.allowed.count(w)) continue;
            const bool knownHere = !(english ? c.unknownEnglish : c.unknownFrench).count(w);
            const bool knownThere = !(english ? c.unknownFrench : c.unknownEnglish).count(w);
            EXPECT_TRUE(knownHere || ((bilingual || either) && knownThere)) << t.where << ": \"" << w << "\" in " << t.words;
        }
    }
}

// French puts a space before : ; ? ! and inside « », and writes the dollar
// after the amount.
TEST(FrenchTexts, FrenchTextsFollowFrenchTypography) {
    const Checked& c = TheTexts();
    for (const Text& t : c.texts) {
        if (c.LanguageOf(t) != "fr") continue;
        EXPECT_FALSE(Breaks(t.words, kTightPunctuation)) << t.where << ": " << t.words;
        EXPECT_FALSE(Breaks(t.words, kTightQuotes)) << t.where << ": " << t.words;
        EXPECT_FALSE(Breaks(t.words, kDollarFirst)) << t.where << ": " << t.words;
    }
}

// The checks above catch what they are meant to.
TEST(FrenchTexts, TheTypographyRulesCatchTheUsualSlips) {
    EXPECT_TRUE(Breaks("Ville: ", kTightPunctuation));
    EXPECT_TRUE(Breaks("Merci!", kTightPunctuation));
    EXPECT_FALSE(Breaks("Ville : Merci\u00A0! 8:30", kTightPunctuation));
    EXPECT_TRUE(Breaks("« date»", kTightQuotes));
    EXPECT_FALSE(Breaks("«\u00A0date\u00A0»", kTightQuotes));
    EXPECT_TRUE(Breaks("$12.99", kDollarFirst));
    EXPECT_TRUE(Breaks("560$", kDollarFirst));
    EXPECT_FALSE(Breaks("12,99\u00A0$", kDollarFirst));
    EXPECT_EQ(Literals("x = {\"Bonjour \"\n   \"Julie\", 'a', '\"', \"caf\\xE9\"}; // \"not\""),
              (std::vector<std::string>{"Bonjour Julie", u8"café"}));
}
