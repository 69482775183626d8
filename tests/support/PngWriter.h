#pragma once
#include <cstdint>
#include <string>

// Writes a w x h 8-bit RGBA PNG filled with one colour (0xRRGGBBAA).
bool WriteSolidPng(const std::string& path, int width, int height, uint32_t rgba);
