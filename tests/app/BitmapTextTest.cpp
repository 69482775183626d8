#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include "app/BitmapText.h"
#include "support/GlWindow.h"

namespace {

void* const kFont = GLUT_BITMAP_HELVETICA_18;

// The dark ink of a text drawn alone at (100, 100).
GlWindow::Ink InkOf(const std::string& text) {
    GlWindow::BeginFrame();
    glDisable(GL_TEXTURE_2D);
    glColor4f(0.0f, 0.0f, 0.0f, 1.0f);
    BitmapText::Draw(kFont, 100.0f, 100.0f, text);
    glEnable(GL_TEXTURE_2D);
    return GlWindow::DarkInk(90, 70, 200, 110);
}

}  // namespace

TEST(BitmapText, Latin1TextIsLaidOutAsGlutDrawsIt) {
    const std::string text = "H\xE9l\xE8ne \xC7" "a";
    EXPECT_EQ(BitmapText::Width(kFont, text),
              glutBitmapLength(kFont, reinterpret_cast<const unsigned char*>(text.c_str())));
    const auto glyphs = BitmapText::LayOut(kFont, text);
    ASSERT_EQ(glyphs.size(), text.size());
    for (size_t i = 0; i < glyphs.size(); ++i) EXPECT_EQ(glyphs[i].y, 0);
}

TEST(BitmapText, TheFontsHaveNoGlyphForOeSoItIsMadeOfTwo) {
    // What the font itself draws for the byte: nothing.
    GlWindow::BeginFrame();
    glDisable(GL_TEXTURE_2D);
    glColor4f(0.0f, 0.0f, 0.0f, 1.0f);
    glRasterPos2f(100.0f, 100.0f);
    glutBitmapCharacter(kFont, 0x9C);
    glEnable(GL_TEXTURE_2D);
    EXPECT_LT(GlWindow::DarkInk(90, 70, 200, 110).Height(), 1);

    const GlWindow::Ink oe = InkOf("\x9C");
    const GlWindow::Ink o = InkOf("o");
    const GlWindow::Ink apart = InkOf("oe");
    ASSERT_GT(oe.Height(), 0);
    EXPECT_EQ(oe.Height(), o.Height());
    EXPECT_GT(oe.Width(), o.Width() + 4);
    EXPECT_LT(oe.Width(), apart.Width());  // set closer than o and e apart
    EXPECT_EQ(BitmapText::Width(kFont, "\x9C") + BitmapText::Width(kFont, "u"), BitmapText::Width(kFont, "\x9Cu"));
}

TEST(BitmapText, CapitalOeAndYDiaeresisShowTooAndYKeepsItsDots) {
    const GlWindow::Ink capitalOe = InkOf("\x8C");
    EXPECT_GT(capitalOe.Width(), InkOf("O").Width() + 4);
    EXPECT_LT(capitalOe.Width(), InkOf("OE").Width());

    const GlWindow::Ink y = InkOf("Y");
    const GlWindow::Ink yDots = InkOf("\x9F");
    EXPECT_EQ(yDots.bottom, y.bottom);
    EXPECT_EQ(yDots.left, y.left);
    EXPECT_LT(yDots.top, y.top - 1);  // the dots, over the capital
    // As high over it as over the Latin-1 capitals that have them.
    EXPECT_NEAR(yDots.top, InkOf("\xCB").top, 1);
    EXPECT_EQ(BitmapText::Width(kFont, "\x9F"), glutBitmapWidth(kFont, 'Y'));
}
