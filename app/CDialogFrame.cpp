#include "app/CDialogFrame.h"

#include <GL/freeglut.h>

#include "app/BitmapText.h"
#include "app/CZelkApp.h"
#include "app/Latin1.h"

namespace {

constexpr int kCaptionHeight = 34;
constexpr int kEditHeight = 34;
void* const kFont = GLUT_BITMAP_HELVETICA_18;

// The game's warm palette: dark red-brown, cream, orange.
void Colour(float r, float g, float b, float a = 1.0f) { glColor4f(r, g, b, a); }
void Dark() { Colour(0.26f, 0.05f, 0.03f); }
void Cream() { Colour(1.0f, 0.97f, 0.9f); }
void Orange() { Colour(1.0f, 0.6f, 0.165f); }
void Light() { Colour(1.0f, 0.75f, 0.4f); }

void Text(int x, int y, const std::string& latin1) {
    BitmapText::Draw(kFont, static_cast<float>(x), static_cast<float>(y), latin1);
}

int TextWidth(const std::string& latin1) { return BitmapText::Width(kFont, latin1); }

void Box(int x0, int y0, int x1, int y1) { glRecti(x0, y0, x1, y1); }

bool Inside(CPoint p, int x, int y, int w, int h) {
    return p.x >= x && p.x < x + w && p.y >= y && p.y < y + h;
}

// Letters, digits and signs; of the C1 bytes, the game's œ Œ Ÿ.
bool IsTypable(unsigned char key) {
    return (key >= 0x20 && key < 0x7F) || key >= 0xA0 || CharacterOf(key) != key;
}

const char* const kCannotWrite = "Ce signe ne peut pas être écrit ici.";

}  // namespace

std::function<void(CDialogFrame&)> CDialogFrame::pump = [](CDialogFrame&) { theApp.PumpOnce(); };

CDialogFrame::CDialogFrame(const char* captionText, int w, int h)
    : caption(Latin1FromUtf8(captionText)), width(w), height(h), messageX(20), messageY(h - 16) {}

void CDialogFrame::AddLabel(const char* utf8, int x, int y) { labels.push_back({Latin1FromUtf8(utf8), x, y}); }

void CDialogFrame::AddEdit(int x, int y, int w, int maxLen, const CString& initial) {
    hasEdit = true;
    editX = x;
    editY = y;
    editWidth = w;
    maxLength = static_cast<size_t>(maxLen);
    editText = initial.str().substr(0, maxLength);
    caret = editText.size();
    replaceOnType = !editText.empty();
    fullMessage = CString::Format("%d lettres au plus.", maxLen).str();
}

void CDialogFrame::SetFullMessage(const char* utf8) { fullMessage = Latin1FromUtf8(utf8); }

void CDialogFrame::AddButton(int id, const char* utf8, int x, int y, int w, int h, bool isDefault) {
    buttons.push_back({id, Latin1FromUtf8(utf8), x, y, w, h, isDefault});
}

void CDialogFrame::SetMessage(const char* utf8) {
    message = Latin1FromUtf8(utf8);
    messageIsTyping = false;
}

void CDialogFrame::Refuse(const std::string& latin1) {
    message = latin1;
    messageIsTyping = true;
}

void CDialogFrame::SetMessagePlace(int x, int y) {
    messageX = x;
    messageY = y;
}

int CDialogFrame::TakePressed() {
    const int id = pressed;
    pressed = 0;
    return id;
}

int CDialogFrame::RunModal() {
    pressed = 0;
    CDialogFrame* previous = theApp.GetActiveDialog();
    theApp.SetActiveDialog(this);
    int result = 0;
    while (result == 0) {
        if (theApp.IsClosing()) {
            result = IDCANCEL;
            break;
        }
        pump(*this);
        result = TakePressed();
    }
    theApp.SetActiveDialog(previous);
    return result;
}

void CDialogFrame::OnKey(unsigned char key) {
    if (key == 27) {
        pressed = IDCANCEL;
        return;
    }
    if (key == 13) {
        for (const Button& button : buttons) {
            if (button.isDefault) pressed = button.id;
        }
        return;
    }
    if (!hasEdit) return;
    const bool erases = key == 8 || key == 127;
    if (!erases && !IsTypable(key)) {
        Refuse(Latin1FromUtf8(kCannotWrite));
        return;
    }
    if (replaceOnType) {
        editText.clear();
        caret = 0;
    }
    replaceOnType = false;
    if (!erases && editText.size() >= maxLength) {
        Refuse(fullMessage);
        return;
    }
    if (key == 8) {
        if (caret > 0) editText.erase(--caret, 1);
    } else if (key == 127) {
        if (caret < editText.size()) editText.erase(caret, 1);
    } else {
        editText.insert(caret++, 1, static_cast<char>(key));
    }
    if (messageIsTyping) message.clear();
    messageIsTyping = false;
}

void CDialogFrame::OnText(const std::string& utf8) {
    for (const char32_t character : CharactersOf(utf8)) {
        unsigned char byte = 0;
        if (GameByteFor(character, byte)) {
            OnKey(byte);
        } else if (hasEdit) {
            Refuse(Latin1FromUtf8(kCannotWrite));
        }
    }
}

void CDialogFrame::OnSpecialKey(int key) {
    switch (key) {
        case GLUT_KEY_LEFT: if (caret > 0) --caret; break;
        case GLUT_KEY_RIGHT: if (caret < editText.size()) ++caret; break;
        case GLUT_KEY_HOME: caret = 0; break;
        case GLUT_KEY_END: caret = editText.size(); break;
        case GLUT_KEY_DELETE: OnKey(127); return;
        // Shift and the like move nothing: the initial text stays chosen,
        // so a capital typed first still replaces it.
        default: return;
    }
    replaceOnType = false;
}

CPoint CDialogFrame::ButtonCentre(int id) const {
    for (const Button& b : buttons) {
        if (b.id == id) return CPoint(Left() + b.x + b.width / 2, Top() + kCaptionHeight + b.y + b.height / 2);
    }
    return CPoint(-1, -1);
}

CPoint CDialogFrame::CloseBoxCentre() const {
    return CPoint(Left() + width - kCaptionHeight / 2, Top() + kCaptionHeight / 2);
}

int CDialogFrame::ButtonAt(CPoint point) const {
    const int left = Left(), top = Top();
    if (Inside(point, left + width - kCaptionHeight, top, kCaptionHeight, kCaptionHeight)) return IDCANCEL;
    for (const Button& b : buttons) {
        if (Inside(point, left + b.x, top + kCaptionHeight + b.y, b.width, b.height)) return b.id;
    }
    return -1;
}

void CDialogFrame::OnMouseMove(CPoint point) {
    const int over = ButtonAt(point);
    for (Button& b : buttons) b.hovered = b.id == over;
}

void CDialogFrame::OnLButtonDown(CPoint point) { pressedDown = ButtonAt(point); }

void CDialogFrame::OnLButtonUp(CPoint point) {
    const int over = ButtonAt(point);
    if (over > 0 && over == pressedDown) pressed = over;
    pressedDown = 0;
}

void CDialogFrame::DrawEdit(int left, int top) {
    const int x = left + editX, y = top + editY;
    Dark();
    Box(x - 2, y - 2, x + editWidth + 2, y + kEditHeight + 2);
    Colour(1.0f, 1.0f, 1.0f);
    Box(x, y, x + editWidth, y + kEditHeight);
    // Long names scroll so the caret stays in view.
    const std::string before = editText.substr(0, caret);
    int shift = TextWidth(before) - (editWidth - 16);
    if (shift < 0) shift = 0;
    glEnable(GL_SCISSOR_TEST);
    glScissor(x, viewHeight - (y + kEditHeight), editWidth, kEditHeight);
    if (replaceOnType) {
        Light();
        Box(x + 6, y + 6, x + 8 + TextWidth(editText), y + kEditHeight - 6);
    }
    Dark();
    Text(x + 8 - shift, y + 24, editText);
    if ((frames / 32) % 2 == 0) {
        const int cx = x + 8 - shift + TextWidth(before);
        Box(cx, y + 6, cx + 2, y + kEditHeight - 6);
    }
    glDisable(GL_SCISSOR_TEST);
}

void CDialogFrame::Draw(int vw, int vh) {
    viewWidth = vw;
    viewHeight = vh;
    ++frames;
    const int left = Left(), top = Top();
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT);
    glDisable(GL_TEXTURE_2D);
    Colour(0.0f, 0.0f, 0.0f, 0.35f);
    Box(0, 0, vw, vh);
    Colour(0.0f, 0.0f, 0.0f, 0.25f);  // a soft shadow
    Box(left + 6, top + 8, left + width + 6, top + height + kCaptionHeight + 8);
    Dark();
    Box(left - 3, top - 3, left + width + 3, top + height + kCaptionHeight + 3);
    Cream();
    Box(left, top + kCaptionHeight, left + width, top + kCaptionHeight + height);

    // Caption and close box.
    Colour(1.0f, 0.95f, 0.85f);
    Text(left + 14, top + 24, caption);
    const CPoint close = CloseBoxCentre();
    Orange();
    Box(close.x - 12, close.y - 12, close.x + 12, close.y + 12);
    Dark();
    Text(close.x - 6, close.y + 7, "\xD7");

    const int body = top + kCaptionHeight;
    Dark();
    for (const Label& label : labels) Text(left + label.x, body + label.y, label.latin1);
    if (hasEdit) DrawEdit(left, body);
    for (const Button& b : buttons) {
        const int x = left + b.x, y = body + b.y;
        Dark();
        Box(x - (b.isDefault ? 3 : 2), y - (b.isDefault ? 3 : 2), x + b.width + (b.isDefault ? 3 : 2),
            y + b.height + (b.isDefault ? 3 : 2));
        if (b.hovered) Light(); else Orange();
        Box(x, y, x + b.width, y + b.height);
        Dark();
        Text(x + (b.width - TextWidth(b.latin1)) / 2, y + b.height / 2 + 6, b.latin1);
    }
    if (!message.empty()) {
        Colour(0.65f, 0.08f, 0.05f);
        Text(left + messageX, body + messageY, message);
    }
    glPopAttrib();
}
