#include "core/CSubtitles.h"

#include <GL/freeglut.h>

#include <algorithm>
#include <fstream>

#include "app/BitmapText.h"
#include "app/DataFolder.h"
#include "app/Latin1.h"

namespace {

void* const kFont = GLUT_BITMAP_HELVETICA_18;
constexpr int kLineHeight = 24;
constexpr int kPadding = 10;
constexpr int kBandTopBelowButtons = 92;  // under the corner buttons (y 52)
constexpr int kBottomMargin = 6;
constexpr int kMostBandWidth = 1060;      // clear of the corner buttons on a 1366 view
constexpr size_t kLineCharacters = 110;   // about 1000 pixels of this type
constexpr double kSecondsPerWord = 0.42;  // when the recording's length is unknown

int TextWidth(const std::string& latin1) {
    return BitmapText::Width(kFont, latin1);
}

// French keeps a space before : ; ? ! » and after «: a line never breaks
// there, so no line starts with "?" or ends with "«" (Latin-1 0xAB, 0xBB).
bool CanBreakAt(const std::string& latin1, size_t space) {
    const char after = space + 1 < latin1.size() ? latin1[space + 1] : ' ';
    const char before = space > 0 ? latin1[space - 1] : ' ';
    return std::string(":;?!\xBB").find(after) == std::string::npos && before != '\xAB';
}

size_t NextBreak(const std::string& latin1, size_t from) {
    size_t space = latin1.find(' ', from);
    while (space != std::string::npos && !CanBreakAt(latin1, space)) space = latin1.find(' ', space + 1);
    return space;
}

// The words of a part wrapped to lines of the view's width.
std::vector<std::string> Wrap(const std::string& part, int width) {
    std::vector<std::string> lines(1);
    size_t at = 0;
    while (at < part.size()) {
        size_t end = NextBreak(part, at);
        if (end == std::string::npos) end = part.size();
        const std::string word = part.substr(at, end - at);
        const std::string longer = lines.back().empty() ? word : lines.back() + " " + word;
        if (!lines.back().empty() && TextWidth(longer) > width) {
            lines.push_back(word);
        } else {
            lines.back() = longer;
        }
        at = end + 1;
    }
    return lines;
}

}  // namespace

void CSubtitles::Load() {
    if (loaded) return;
    loaded = true;
    std::ifstream in(DataFile("Sounds", "subtitles.txt"));
    std::string line;
    while (std::getline(in, line)) {
        const size_t bar = line.find('|');
        if (bar == std::string::npos) continue;
        texts[line.substr(0, bar)] = line.substr(bar + 1);
    }
}

const std::string* CSubtitles::TextOf(const std::string& sound) const {
    auto found = texts.find(sound);
    return found == texts.end() ? nullptr : &found->second;
}

std::vector<std::string> CSubtitles::Parts(const std::string& latin1, size_t lineCharacters, size_t lines) {
    // Sentences first: cut after ". ", "? ", "! " and ": ".
    std::vector<std::string> sentences;
    std::string current;
    for (size_t i = 0; i < latin1.size(); ++i) {
        current += latin1[i];
        const char c = latin1[i];
        const bool ends = (c == '.' || c == '?' || c == '!' || c == ':') && (i + 1 == latin1.size() || latin1[i + 1] == ' ');
        if (ends) {
            sentences.push_back(current);
            current.clear();
            if (i + 1 < latin1.size()) ++i;  // the space after it
        }
    }
    if (!current.empty()) sentences.push_back(current);
    // A sentence longer than the lines is cut between words.
    const size_t most = std::max<size_t>(1, lines) * std::max<size_t>(1, lineCharacters);
    std::vector<std::string> pieces;
    for (const std::string& sentence : sentences) {
        std::string rest = sentence;
        while (rest.size() > most) {
            size_t cut = rest.rfind(' ', most);
            while (cut != std::string::npos && cut > 0 && !CanBreakAt(rest, cut)) cut = rest.rfind(' ', cut - 1);
            if (cut == std::string::npos || cut == 0) cut = most;
            pieces.push_back(rest.substr(0, cut));
            rest = rest.substr(rest[cut] == ' ' ? cut + 1 : cut);
        }
        if (!rest.empty()) pieces.push_back(rest);
    }
    // Then as many whole pieces in a part as fit.
    std::vector<std::string> result;
    for (const std::string& piece : pieces) {
        if (!result.empty() && result.back().size() + 1 + piece.size() <= most) {
            result.back() += " " + piece;
        } else {
            result.push_back(piece);
        }
    }
    return result;
}

void CSubtitles::Start(const std::string& sound, double seconds) {
    Load();
    const std::string* found = TextOf(sound);
    if (found == nullptr) return;
    words = Latin1FromUtf8(*found);
    if (seconds <= 0.0) {
        size_t count = 1;
        for (char c : words) count += c == ' ';
        seconds = 1.0 + kSecondsPerWord * static_cast<double>(count);
    }
    totalFrames = seconds * kFramesPerSecond;
    // Cut for the place the last words were shown in (the bottom's band
    // before any): the band keeps to its screen from one voice to the next.
    const size_t characters = splitCharacters ? splitCharacters : kLineCharacters;
    const size_t lines = splitLines ? splitLines : 2;
    splitCharacters = splitLines = 0;
    Split(characters, lines);
    frame = 0;
}

void CSubtitles::Split(size_t lineCharacters, size_t lines) {
    if (lineCharacters == splitCharacters && lines == splitLines) return;
    splitCharacters = lineCharacters;
    splitLines = lines;
    parts = Parts(words, lineCharacters, lines);
    // Each part for its share of the recording, by its length.
    size_t characters = 0;
    for (const std::string& part : parts) characters += part.size();
    partEnds.clear();
    size_t sofar = 0;
    for (const std::string& part : parts) {
        sofar += part.size();
        partEnds.push_back(static_cast<int>(totalFrames * static_cast<double>(sofar) / static_cast<double>(characters)) + 1);
    }
}

std::string CSubtitles::CurrentPart() const {
    for (size_t i = 0; i < parts.size(); ++i) {
        if (frame < partEnds[i]) return parts[i];
    }
    return "";
}

CRect CSubtitles::BandBox(int width, int height, const SubtitlePlace& place) {
    const int twoLines = 2 * kLineHeight + 2 * kPadding;
    const int bandWidth = std::min(width, kMostBandWidth);
    switch (place.edge) {
        case SubtitlePlace::TOP:
            return CRect((width - bandWidth) / 2, kBandTopBelowButtons, (width + bandWidth) / 2,
                         kBandTopBelowButtons + twoLines);
        case SubtitlePlace::BOX:
            return CRect(static_cast<int>(place.left * width), static_cast<int>(place.top * height),
                         static_cast<int>(place.right * width), static_cast<int>(place.bottom * height));
        case SubtitlePlace::BOTTOM: break;
    }
    return CRect((width - bandWidth) / 2, height - twoLines - kBottomMargin, (width + bandWidth) / 2,
                 height - kBottomMargin);
}

void CSubtitles::Draw(int width, int height, const SubtitlePlace& place) {
    if (parts.empty()) return;
    const CRect box = BandBox(width, height, place);
    const int lineWidth = std::max(1, box.Width() - 4 * kPadding);
    // As many characters a line as the bottom's band takes for its width.
    Split(kLineCharacters * static_cast<size_t>(lineWidth) / (kMostBandWidth - 4 * kPadding),
          static_cast<size_t>(std::max(1, (box.Height() - 2 * kPadding) / kLineHeight)));
    const std::string part = CurrentPart();
    ++frame;
    if (part.empty()) {
        parts.clear();
        return;
    }
    const std::vector<std::string> lines = Wrap(part, lineWidth);
    int widest = 0;
    for (const std::string& line : lines) widest = std::max(widest, TextWidth(line));
    const int bandHeight = static_cast<int>(lines.size()) * kLineHeight + 2 * kPadding;
    // Along the bottom the band sits on the box's lower edge, elsewhere under its top.
    const int top = place.edge == SubtitlePlace::BOTTOM ? box.bottom - bandHeight : box.top;
    const int centre = (box.left + box.right) / 2;
    const int left = centre - widest / 2 - 2 * kPadding;
    glDisable(GL_TEXTURE_2D);
    glColor4f(0.08f, 0.06f, 0.05f, 0.8f);
    glRecti(left, top, left + widest + 4 * kPadding, top + bandHeight);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    for (size_t i = 0; i < lines.size(); ++i) {
        const int x = centre - TextWidth(lines[i]) / 2;
        BitmapText::Draw(kFont, static_cast<float>(x), static_cast<float>(top + kPadding + kLineHeight * (i + 1) - 6),
                         lines[i]);
    }
    glEnable(GL_TEXTURE_2D);
}
