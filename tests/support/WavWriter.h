#pragma once
#include <string>

// A mono 16-bit tone of the given length. SDL_mixer recognises a file by
// its content, so the tests may name it "something.mp3".
bool WriteToneWav(const std::string& path, int milliseconds, double hertz = 440.0);
