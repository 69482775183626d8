#pragma once
#include "core/GameTypes.h"

// What each activity is called, in French, as a learner meets it in the
// rooms (the name shown under the pointer) and as a tutor reads it in the
// progress report. The "EN" and "FR" activities say in which language their
// recordings are.
namespace MinigameNames {

struct Name {
    const char* title;     // UTF-8
    const char* language;  // "en français", "en anglais", or "" for one-language activities
};

// The activity of a minigame type; an empty title for a value that names none.
Name Of(int type);

}  // namespace MinigameNames
