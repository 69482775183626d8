#pragma once
#include <cstdint>
#include <functional>
#include <string>

// Writes a w x h 8-bit RGBA PNG filled with one colour (0xRRGGBBAA).
bool WriteSolidPng(const std::string& path, int width, int height, uint32_t rgba);

// Writes a w x h 8-bit RGBA PNG whose pixel (x, y), y from the top, is rgbaAt(x, y).
bool WritePng(const std::string& path, int width, int height, const std::function<uint32_t(int, int)>& rgbaAt);
