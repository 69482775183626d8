// gtest first: X11 defines macros (None, Bool) that clash with its names.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cctype>
#include <cstdio>
#include <set>
#include <sstream>
#include <string>

#include "app/FrameRecorder.h"
#include "support/GlWindow.h"

namespace {

FrameRecorder& Recorder() { return FrameRecorder::Instance(); }

// One frame as a scene would draw it: two overlapping see-through
// rectangles that stay, and an opaque one that moves.
void DrawScene(int movingX) {
    glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glDisable(GL_TEXTURE_2D);
    glColor4f(0.2f, 0.4f, 0.9f, 0.5f);
    glRecti(100, 100, 300, 300);
    glColor4f(0.9f, 0.1f, 0.1f, 0.6f);
    glRecti(200, 200, 400, 400);
    glColor4f(0.1f, 0.7f, 0.2f, 1.0f);
    glRecti(movingX, 450, movingX + 50, 500);
    glEnable(GL_TEXTURE_2D);
}

class FrameRecorderTest : public testing::Test {
protected:
    void SetUp() override {
        GlWindow::BeginFrame();
        Recorder().Invalidate();
    }
    // Records a frame; replays it when it differs. Returns whether it did.
    bool Frame(int movingX) {
        Recorder().Begin();
        DrawScene(movingX);
        const bool changed = Recorder().End();
        if (changed) Recorder().Replay();
        Recorder().DeletePendingTextures();
        return changed;
    }
};

}  // namespace

TEST_F(FrameRecorderTest, RecordedCallsDrawOnlyWhenReplayed) {
    Recorder().Begin();
    glDisable(GL_TEXTURE_2D);
    glColor4f(1.0f, 0.0f, 0.0f, 1.0f);
    glRecti(10, 10, 50, 50);
    glEnable(GL_TEXTURE_2D);
    EXPECT_TRUE(Recorder().End());
    EXPECT_EQ(GlWindow::ReadPixel(20, 20), 0xFFFFFFFFu);
    Recorder().Replay();
    EXPECT_EQ(GlWindow::ReadPixel(20, 20) >> 8, 0xFF0000u);
}

TEST_F(FrameRecorderTest, AFrameLikeTheLastIsNotDrawnAgainAndAChangedOneIs) {
    EXPECT_TRUE(Frame(10));
    EXPECT_FALSE(Frame(10));
    EXPECT_TRUE(Frame(20));
    EXPECT_FALSE(Frame(20));
    Recorder().Invalidate();
    EXPECT_TRUE(Frame(20));
}

TEST_F(FrameRecorderTest, OutsideARecordingCallsGoStraightToGl) {
    glDisable(GL_TEXTURE_2D);
    glColor4f(0.0f, 0.0f, 1.0f, 1.0f);
    glRecti(10, 10, 50, 50);
    glEnable(GL_TEXTURE_2D);
    EXPECT_EQ(GlWindow::ReadPixel(20, 20) >> 8, 0x0000FFu);
    EXPECT_FALSE(Recorder().IsRecording());
}

TEST_F(FrameRecorderTest, FramesDrawnFromTheStillCopyLookAsIfDrawnWhole) {
    // Drawn directly: what every frame must show.
    const int points[][2] = {{150, 150}, {250, 250}, {350, 350}, {50, 50}, {215, 470}, {400, 470}};
    unsigned expected[6];
    GlWindow::BeginFrame();
    DrawScene(200);
    for (int i = 0; i < 6; ++i) expected[i] = GlWindow::ReadPixel(points[i][0], points[i][1]);

    Frame(100);  // the first
    Frame(150);  // the still part is copied here
    GlWindow::BeginFrame();
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);  // nothing left over from those frames
    ASSERT_TRUE(Frame(200));       // and drawn from the copy here
    ASSERT_GT(Recorder().StillWords(), 0u);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(GlWindow::ReadPixel(points[i][0], points[i][1]), expected[i]) << points[i][0] << "," << points[i][1];
    }
}

// Whether two frames that begin with one thing and differ after it leave a
// copy of that beginning to start the next frames from.
bool CopiesAfterOne(bool picture) {
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    const unsigned char texels[4 * 4] = {200, 30, 30, 255, 30, 200, 30, 255, 30, 30, 200, 255, 200, 200, 30, 255};
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, 2, 2, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    for (int movingX : {10, 20}) {
        Recorder().Begin();
        if (picture) {
            glEnable(GL_TEXTURE_2D);
            glBindTexture(GL_TEXTURE_2D, texture);
            glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
            glBegin(GL_QUADS);
            glTexCoord2f(0.0f, 0.0f);
            glVertex2f(0.0f, 0.0f);
            glTexCoord2f(1.0f, 0.0f);
            glVertex2f(400.0f, 0.0f);
            glTexCoord2f(1.0f, 1.0f);
            glVertex2f(400.0f, 400.0f);
            glTexCoord2f(0.0f, 1.0f);
            glVertex2f(0.0f, 400.0f);
            glEnd();
        } else {
            glDisable(GL_TEXTURE_2D);
            glColor4f(0.2f, 0.4f, 0.9f, 1.0f);
            glRecti(0, 0, 400, 400);
        }
        glDisable(GL_TEXTURE_2D);
        glColor4f(0.1f, 0.7f, 0.2f, 1.0f);
        glRecti(movingX, 450, movingX + 50, 500);
        glEnable(GL_TEXTURE_2D);
        if (Recorder().End()) Recorder().Replay();
    }
    const bool copied = Recorder().StillWords() > 0;
    Recorder().Invalidate();
    glDeleteTextures(1, &texture);
    return copied;
}

TEST_F(FrameRecorderTest, OnePictureThatStaysIsWorthACopyOnePlainShapeIsNot) {
    EXPECT_TRUE(CopiesAfterOne(true));
    EXPECT_FALSE(CopiesAfterOne(false));
}

TEST_F(FrameRecorderTest, ATextureDeletedDuringAFrameGoesOnceTheFrameIsDone) {
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    const unsigned char texel[4] = {255, 255, 255, 255};
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, texel);
    Frame(10);
    Recorder().Begin();
    DrawScene(10);
    glDeleteTextures(1, &texture);
    EXPECT_TRUE(glIsTexture(texture));
    // The same commands, but a texture name is free again: drawn anyway.
    EXPECT_TRUE(Recorder().End());
    Recorder().Replay();
    Recorder().DeletePendingTextures();
    EXPECT_FALSE(glIsTexture(texture));
}

// A drawing call the recorder does not know would run at once, before the
// frame it belongs to, and be painted over: every GL call of the game's code
// is either recorded or one that cannot draw.
TEST(FrameRecorder, EveryGlCallOfTheGameIsRecordedOrCannotDraw) {
    std::set<std::string> known;
    std::stringstream wrapped(ZELK_WRAPPED_CALLS);
    for (std::string call; std::getline(wrapped, call, ',');) known.insert(call);
    ASSERT_TRUE(known.count("glVertex2f"));
    // Queries, texture loading, and the view's own set-up outside frames.
    for (const char* call : {"glGetFloatv", "glGetIntegerv", "glGetString", "glIsEnabled", "glIsTexture",
                             "glGetTexLevelParameteriv", "glGenTextures", "glTexImage2D", "glTexParameteri",
                             "glCopyTexSubImage2D", "glReadBuffer", "glReadPixels", "glPixelStorei", "glFinish",
                             "glMatrixMode", "glLoadIdentity", "glOrtho", "glViewport"}) {
        known.insert(call);
    }
    FILE* symbols = popen("nm -u " ZELK_GAME_LIBRARY, "r");
    ASSERT_NE(symbols, nullptr);
    char line[512];
    int seen = 0;
    while (std::fgets(line, sizeof line, symbols)) {
        char kind[8], name[400];
        if (std::sscanf(line, "%7s %399s", kind, name) != 2) continue;
        const std::string symbol = name;
        const bool glCall = symbol.size() > 2 && symbol.compare(0, 2, "gl") == 0 && std::isupper(symbol[2]) &&
                            symbol.compare(0, 3, "glX") != 0;
        if (!glCall && symbol != "glutBitmapCharacter") continue;
        ++seen;
        EXPECT_TRUE(known.count(symbol)) << symbol << " is neither recorded nor a call that cannot draw";
    }
    pclose(symbols);
    EXPECT_GT(seen, 10);
}
