#pragma once
#include <GL/gl.h>
#include <gtest/gtest.h>

#include "core/CController.h"
#include "core/CModel.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/CMinigameShell.h"
#include "support/GlWindow.h"
#include "support/ScratchFolder.h"

// A whole game (model and controller) in a scratch folder, on the tests'
// GL window. Pictures the test needs sized are added before SetUp runs the
// model: override Pictures().
class GameFixture : public testing::Test {
protected:
    void SetUp() override {
        GlWindow::BeginFrame();
        // The game's clock (the pause after a wrong answer) moves with the
        // frames drawn, as at 64 a second: what a test sees never depends
        // on how fast the machine is. A test may set a clock of its own.
        CMinigameShell::clock = [this] { return static_cast<double>(framesDrawn) / 64.0; };
        Pictures();
        model = new CModel();
        controller = new CController(model);
    }
    void TearDown() override {
        delete controller;
        delete model;
        CMinigameShell::clock = nullptr;
    }
    virtual void Pictures() {}

    // n frames of the current scene at the given view size.
    void Frames(int n, int width = GlWindow::kWidth, int height = GlWindow::kHeight) {
        for (int i = 0; i < n; ++i) {
            model->Draw(width, height);
            ++framesDrawn;
        }
    }
    void Move(int x, int y) { controller->OnMouseMove(CPoint(x, y)); }
    void Click(int x, int y) {
        controller->OnLButtonDown(CPoint(x, y));
        controller->OnLButtonUp(CPoint(x, y));
    }

    // The colour (RGBA bytes) at a point of one frame drawn afresh.
    // The view may be larger than the tests' window: it is drawn shifted so
    // that the point falls in the window's middle.
    unsigned PixelOfAFrame(CPoint at, int width, int height) {
        GlWindow::BeginFrame();
        const int middleX = GlWindow::kWidth / 2, middleY = GlWindow::kHeight / 2;
        glPushMatrix();
        glTranslatef(static_cast<float>(middleX - at.x), static_cast<float>(middleY - at.y), 0.0f);
        Frames(1, width, height);
        glPopMatrix();
        return GlWindow::ReadPixel(middleX, middleY);
    }
    // The wrong answer's cross: strong red with little green.
    static bool IsCrossRed(unsigned rgba) { return ((rgba >> 24) & 0xFF) > 0xB0 && ((rgba >> 16) & 0xFF) < 0x60; }
    // A picture's colour as drawn (compressed textures shift it a little).
    static bool IsNear(unsigned rgba, unsigned want, int within = 24) {
        for (int shift = 8; shift <= 24; shift += 8) {
            const int got = static_cast<int>((rgba >> shift) & 0xFF), wanted = static_cast<int>((want >> shift) & 0xFF);
            if (got - wanted > within || wanted - got > within) return false;
        }
        return true;
    }
    // The review's marks as the tests paint them: the tick green, the cross
    // blue. 't', 'x', or '-' for neither.
    static char MarkOf(unsigned rgba) {
        if (IsNear(rgba, 0x00C000FF, 40)) return 't';
        if (IsNear(rgba, 0x0000FFFF, 40)) return 'x';
        return '-';
    }

    ScratchFolder folder;
    long framesDrawn = 0;
    CModel* model = nullptr;
    CController* controller = nullptr;
};
