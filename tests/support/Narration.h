#pragma once
#include <map>
#include <string>

// Every spoken line of the game, as the build speaks them: file name ->
// "voice|text", from tools/sounds/narration.txt and tools/sounds/narration/*.txt.
std::map<std::string, std::string> NarrationLines();
