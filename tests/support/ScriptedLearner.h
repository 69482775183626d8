#pragma once
#include <deque>
#include <functional>
#include <string>

#include "app/CDialogFrame.h"
#include "app/Latin1.h"
#include "support/GlWindow.h"

// A scripted learner: each turn of the dialog's loop takes the next step;
// with nothing left to do it presses Escape, so a dialog never hangs a test.
class Learner {
public:
    using Step = std::function<void(CDialogFrame&)>;
    Learner() : previous(CDialogFrame::pump) {
        CDialogFrame::pump = [this](CDialogFrame& frame) {
            frame.Draw(GlWindow::kWidth, GlWindow::kHeight);
            if (steps.empty()) {
                ++overran;
                frame.OnKey(27);
                return;
            }
            Step step = steps.front();
            steps.pop_front();
            step(frame);
        };
    }
    ~Learner() { CDialogFrame::pump = previous; }

    Learner& Type(const std::string& latin1) {
        for (unsigned char c : latin1) steps.push_back([c](CDialogFrame& f) { f.OnKey(c); });
        return *this;
    }
    Learner& Key(unsigned char key) { return Type(std::string(1, static_cast<char>(key))); }
    // As the input method hands them on: UTF-8, a character a turn.
    Learner& Input(const std::string& utf8) {
        for (char32_t c : CharactersOf(utf8)) steps.push_back([c](CDialogFrame& f) { f.OnText(Utf8Of(c)); });
        return *this;
    }
    Learner& Special(int key) {
        steps.push_back([key](CDialogFrame& f) { f.OnSpecialKey(key); });
        return *this;
    }
    Learner& ClickButton(int id) {
        steps.push_back([id](CDialogFrame& f) {
            f.OnLButtonDown(f.ButtonCentre(id));
            f.OnLButtonUp(f.ButtonCentre(id));
        });
        return *this;
    }
    Learner& ClickCloseBox() {
        steps.push_back([](CDialogFrame& f) {
            f.OnLButtonDown(f.CloseBoxCentre());
            f.OnLButtonUp(f.CloseBoxCentre());
        });
        return *this;
    }
    Learner& Check(const Step& check) {
        steps.push_back(check);
        return *this;
    }
    int overran = 0;

private:
    std::function<void(CDialogFrame&)> previous;
    std::deque<Step> steps;
};
