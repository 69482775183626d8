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
