#pragma once
#include <map>
#include <string>
#include <vector>

#include "app/CRect.h"

// Where a screen's words go: along the bottom, at the top under the corner
// buttons, or in a box of the screen's own (edges as shares of the view's
// size), wherever its targets leave room.
struct SubtitlePlace {
    enum Edge { BOTTOM, TOP, BOX };
    Edge edge = BOTTOM;
    float left = 0.0f, top = 0.0f, right = 0.0f, bottom = 0.0f;
};

// For a screen whose targets reach down to its bottom edge.
constexpr SubtitlePlace kSubtitlesAtTop = {SubtitlePlace::TOP};

// Every voice of the game written on screen too: while a recording of the
// narration plays, its words show in a band, a sentence or two at a time,
// each part for its share of the recording's length. The words come from
// Sounds/subtitles.txt, which the build writes from the very lines the
// voices are spoken from.
class CSubtitles {
public:
    static constexpr int kFramesPerSecond = 64;

    // Reads Sounds/subtitles.txt ("file.mp3|text" a line, UTF-8) once.
    void Load();
    // The words of a recording, UTF-8; null when it is not narration.
    const std::string* TextOf(const std::string& sound) const;

    // Starts showing a recording's words over that many seconds (0: as
    // long as they take to read). Nothing shows for a sound without words.
    void Start(const std::string& sound, double seconds);
    void Stop() { parts.clear(); }
    bool IsShowing() const { return !parts.empty(); }
    // The part on screen now, Latin-1 (empty when none).
    std::string CurrentPart() const;

    // One frame: the band with the current part in its place; then the
    // time moves on a frame. A box narrower than the bottom's band takes
    // shorter lines, and as many of them as it is tall.
    void Draw(int width, int height, const SubtitlePlace& place);
    // The most room the band can take in that place.
    static CRect BandBox(int width, int height, const SubtitlePlace& place);

    // The parts a text is shown in: whole sentences, as many as fit that
    // many lines (two by default) of that many characters (a longer
    // sentence is cut between words).
    static std::vector<std::string> Parts(const std::string& latin1, size_t lineCharacters, size_t lines = 2);

private:
    // Cuts the words into parts for lines of that size, each part shown for
    // its share of the recording.
    void Split(size_t lineCharacters, size_t lines);

    std::map<std::string, std::string> texts;  // sound -> UTF-8 words
    bool loaded = false;
    std::string words;                         // Latin-1, of the voice now
    double totalFrames = 0.0;
    size_t splitCharacters = 0, splitLines = 0;  // what the parts were cut for
    std::vector<std::string> parts;            // Latin-1
    std::vector<int> partEnds;                 // frame at which each part ends
    int frame = 0;
};
