#pragma once
#include <functional>
#include <string>
#include <vector>

#include "app/CPoint.h"
#include "app/CString.h"

// A small modal dialog drawn inside the game window, over the running game:
// a caption bar with a close box, text lines, at most one edit field and a
// row of push buttons. While it runs the game keeps drawing behind it and
// gets no input. Texts are given in UTF-8 and drawn in the game's 8-bit
// encoding (app/Latin1.h), which the edit field holds. A key the field
// cannot take is never dropped unseen: the message line says why.
class CDialogFrame {
public:
    enum { IDOK = 1, IDCANCEL = 2 };

    CDialogFrame(const char* caption, int width, int height);

    // Positions are pixels from the top-left corner of the body (below the caption).
    void AddLabel(const char* utf8, int x, int y);
    void AddEdit(int x, int y, int width, int maxLength, const CString& initial = CString());
    void AddButton(int id, const char* utf8, int x, int y, int width, int height, bool isDefault);
    // A line under the body for what went wrong; empty hides it.
    void SetMessage(const char* utf8);
    // Where that line goes (its baseline); by default along the bottom.
    void SetMessagePlace(int x, int y);
    // What the message line says when the field is full and a letter more
    // comes; by default "N lettres au plus.".
    void SetFullMessage(const char* utf8);
    const std::string& GetMessage() const { return message; }
    const std::string& GetCaption() const { return caption; }  // Latin-1
    CString GetText() const { return CString(editText); }

    // Keys as freeglut gives them: Latin-1 bytes, 8 Backspace, 127 Delete,
    // 13 Enter (the default button), 27 Escape (cancel). Other control
    // codes are refused.
    void OnKey(unsigned char key);
    // What the input method typed, in UTF-8: each character as its key,
    // and one the game has no byte for (an emoji, a Chinese character)
    // refused.
    void OnText(const std::string& utf8);
    // GLUT's special keys: left, right, home, end move the caret; the
    // keypad's Delete deletes.
    void OnSpecialKey(int key);
    void OnMouseMove(CPoint point);
    void OnLButtonDown(CPoint point);
    void OnLButtonUp(CPoint point);
    // Centred in the view, over a dimmed game.
    void Draw(int viewWidth, int viewHeight);

    // The button pressed since the last call (its id, or IDCANCEL for
    // Escape and the close box); 0 when none.
    int TakePressed();
    // Runs the window's loop until a button is pressed; IDCANCEL if the
    // window closes meanwhile.
    int RunModal();

    // What RunModal runs between checks: one turn of the program's loop.
    // Tests put a scripted learner here.
    static std::function<void(CDialogFrame&)> pump;

    // Where a button or the close box is on screen (for tests and layout).
    CPoint ButtonCentre(int id) const;
    CPoint CloseBoxCentre() const;

private:
    struct Label {
        std::string latin1;
        int x, y;
    };
    struct Button {
        int id;
        std::string latin1;
        int x, y, width, height;
        bool isDefault;
        bool hovered = false;
    };

    int ButtonAt(CPoint point) const;  // -1 for none, IDCANCEL for the close box
    int Left() const { return (viewWidth - width) / 2; }
    int Top() const { return (viewHeight - height) / 2; }
    void DrawEdit(int left, int top);
    // A message about typing, which the next key taken clears.
    void Refuse(const std::string& latin1);

    std::string caption;
    int width, height;
    int viewWidth = 0, viewHeight = 0;  // of the last frame drawn
    std::vector<Label> labels;
    std::vector<Button> buttons;
    bool hasEdit = false;
    int editX = 0, editY = 0, editWidth = 0;
    size_t maxLength = 0;
    std::string editText;
    size_t caret = 0;
    bool replaceOnType = false;  // the initial text goes at the first key
    std::string message;
    bool messageIsTyping = false;  // set by Refuse, not by the dialog
    std::string fullMessage;
    int messageX, messageY;
    int pressedDown = 0;  // the button the press started on
    int pressed = 0;
    int frames = 0;       // for the caret's blink
};
