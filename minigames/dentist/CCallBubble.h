#pragma once
#include <string>
#include <vector>

#include "app/CPoint.h"
#include "ui/CClickableImage.h"

class CModel;

// The cartoon bubble over the telephone: the ringing, then the caller's
// words, written in lines that fit it.
class CCallBubble {
public:
    explicit CCallBubble(CModel* model) : model(model) {}
    ~CCallBubble() { Free(); }
    CCallBubble(const CCallBubble&) = delete;
    CCallBubble& operator=(const CCallBubble&) = delete;

    void Make();
    void Free();
    void SetPosition(CPoint at) { image->SetPosition(at.x, at.y); }
    // words: UTF-8.
    void Draw(const std::string& words);

    // Words broken into lines of at most `width` characters, at spaces.
    static std::vector<std::string> Lines(const std::string& text, size_t width);

private:
    CModel* model;
    CClickableImage* image = nullptr;
};
