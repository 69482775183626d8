#include <gtest/gtest.h>

#include "app/CString.h"
#include "app/Latin1.h"

TEST(String, FormatsAsPrintfDoes) {
    EXPECT_EQ(CString::Format("trophy%d.png", 37), "trophy37.png");
    EXPECT_EQ(CString::Format("x%i", -3), "x-3");
    EXPECT_EQ(CString::Format("%s", ""), "");
    EXPECT_TRUE(CString(nullptr).IsEmpty());
    const std::string longText(5000, 'a');
    EXPECT_EQ(CString::Format("%s!", longText.c_str()).GetLength(), 5001);
}

TEST(String, ConvertsBetweenUtf8AndLatin1) {
    EXPECT_EQ(Latin1FromUtf8("Hélène"), "H\xE9l\xE8ne");
    EXPECT_EQ(Utf8FromLatin1("H\xE9l\xE8ne"), "Hélène");
    EXPECT_EQ(Latin1FromUtf8("ÿ€"), "\xFF?");  // the euro sign has no Latin-1 glyph
    EXPECT_EQ(Latin1FromUtf8("\xE9t\xE9"), "\xE9t\xE9");  // Latin-1 already: left alone
    EXPECT_EQ(Latin1FromUtf8("caf\xC3"), "caf\xC3");     // cut-off sequence
}

TEST(String, KeepsTheFrenchLettersLatin1LacksAtTheirWindows1252Bytes) {
    EXPECT_EQ(Latin1FromUtf8("cœur Œuvre Ÿ"), "c\x9Cur \x8Cuvre \x9F");
    EXPECT_EQ(Utf8FromLatin1("c\x9Cur \x8Cuvre \x9F"), "cœur Œuvre Ÿ");
    // The C1 control codes are no letters: never taken for œ Œ Ÿ.
    EXPECT_EQ(Latin1FromUtf8("\xC2\x9C\xC2\x8C\xC2\x9F\xC2\x85"), "????");
    unsigned char byte = 0;
    EXPECT_FALSE(GameByteFor(U'\u009C', byte));
    EXPECT_FALSE(GameByteFor(U'\u20AC', byte));  // €
    EXPECT_FALSE(GameByteFor(U'\U0001F600', byte));
    ASSERT_TRUE(GameByteFor(U'\u0153', byte));
    EXPECT_EQ(byte, 0x9C);
    // Every other byte stands for its Latin-1 character, both ways.
    for (int b = 0; b < 256; ++b) {
        const char32_t character = CharacterOf(static_cast<unsigned char>(b));
        const bool borrowed = b == 0x8C || b == 0x9C || b == 0x9F;
        EXPECT_EQ(character != static_cast<char32_t>(b), borrowed) << b;
        const bool kept = GameByteFor(character, byte);
        EXPECT_EQ(kept, b < 0x80 || b >= 0xA0 || borrowed) << b;
        if (kept) {
            EXPECT_EQ(byte, b);
        }
    }
}

TEST(String, ReadsTheCharactersOfUtf8) {
    EXPECT_EQ(CharactersOf("aé中😀"), std::u32string({U'a', U'\u00E9', U'\u4E2D', U'\U0001F600'}));
    EXPECT_EQ(CharactersOf("\xE9t"), std::u32string({U'\u00E9', U't'}));  // Latin-1 read as such
    EXPECT_EQ(CharactersOf("\xF0\x9F"), std::u32string({U'\u00F0', U'\u009F'}));  // cut short
    for (char32_t c : {U'a', U'\u00E9', U'\u0153', U'\u4E2D', U'\U0001F600'}) {
        EXPECT_EQ(CharactersOf(Utf8Of(c)), std::u32string(1, c));
    }
}
