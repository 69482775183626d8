#pragma once
#include <map>
#include <string>
#include <vector>

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

    // One frame: the band with the current part, at the bottom of the view
    // or just under the corner buttons; then the time moves on a frame.
    void Draw(int width, int height, bool atTop);

    // The parts a text is shown in: whole sentences, as many as fit two
    // lines of that many characters (a longer sentence is cut between words).
    static std::vector<std::string> Parts(const std::string& latin1, size_t lineCharacters);

private:
    std::map<std::string, std::string> texts;  // sound -> UTF-8 words
    bool loaded = false;
    std::vector<std::string> parts;            // Latin-1
    std::vector<int> partEnds;                 // frame at which each part ends
    int frame = 0;
};
