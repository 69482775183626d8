#pragma once
#include <string>
#include <vector>

#include "Art.h"

// The pictures every minigame has, in one look: the caption that fades in
// the middle of the screen, the progress strip at the top and the task card
// at the top left. A minigame's group adds them to its own pictures.
namespace art {

// A caption shown at scale 2 (its file pixels are screen pixels): a cream
// card with the words, on up to three lines.
Picture CaptionPicture(const std::string& name, const std::string& text, const Colour& accent);

// The strip's pictures, numbered from 1 as the game asks for them: picture 1
// shows every step still to do, picture n (n >= 2) shows n - 2 steps done
// and step n - 1 under way. `pattern` holds one %d. A game that shows its
// strip once more with every step done asks for steps + 2 pictures.
std::vector<Picture> ProgressStrip(const std::string& pattern, int steps, const Colour& accent, int pictures = 0);

// The same strip for a game that starts on its first step at once (no
// intro sheet): picture n shows n - 1 steps done and step n under way;
// picture steps + 1 shows them all done.
std::vector<Picture> ProgressStripFromFirstStep(const std::string& pattern, int steps, const Colour& accent);

// The task card, drawn at scale 1 (twice its size on screen): the
// workplace's colour, a title and a short reminder.
Picture TaskCard(const std::string& name, const std::string& title, const std::string& reminder,
                 const Colour& accent);

}  // namespace art
