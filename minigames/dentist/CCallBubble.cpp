#include "minigames/dentist/CCallBubble.h"

#include <GL/freeglut.h>

#include "app/BitmapText.h"
#include "app/Latin1.h"
#include "core/CModel.h"

namespace {

// Helvetica 18, lines of at most this many characters.
constexpr size_t kBubbleLine = 34;
constexpr int kBubbleLineHeight = 24;

}  // namespace

void CCallBubble::Make() {
    Free();
    image = new CClickableImage("cartoon_bubble.png");
    image->SetScale(1.25f);
}

void CCallBubble::Free() {
    delete image;
    image = nullptr;
}

std::vector<std::string> CCallBubble::Lines(const std::string& text, size_t width) {
    std::vector<std::string> lines;
    std::string line;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(' ', start);
        if (end == std::string::npos) end = text.size();
        const std::string word = text.substr(start, end - start);
        if (!line.empty() && line.size() + 1 + word.size() > width) {
            lines.push_back(line);
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
        start = end + 1;
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

void CCallBubble::Draw(const std::string& words) {
    image->Draw();
    const std::vector<std::string> lines = Lines(Latin1FromUtf8(words), kBubbleLine);
    const CPoint centre = image->GetPosition();
    const int top = centre.y - 12 - kBubbleLineHeight * (static_cast<int>(lines.size()) - 1) / 2;
    glDisable(GL_TEXTURE_2D);
    glColor4f(0.17f, 0.16f, 0.2f, 1.0f);
    for (size_t i = 0; i < lines.size(); ++i) {
        const int width = BitmapText::Width(GLUT_BITMAP_HELVETICA_18, lines[i]);
        model->DrawText(static_cast<float>(centre.x - width / 2),
                        static_cast<float>(top + kBubbleLineHeight * static_cast<int>(i)), GLUT_BITMAP_HELVETICA_18,
                        lines[i].c_str());
    }
    glEnable(GL_TEXTURE_2D);
}
