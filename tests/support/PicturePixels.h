#pragma once
#include <SOIL/SOIL.h>

#include <cstddef>
#include <string>

// A generated picture's pixels, read back to check that it shows what the
// game's tables say where the game looks for it. Points are given on a
// reference size that the picture is stretched from (the file's own size
// by default).
struct PicturePixels {
    int width = 0, height = 0;
    unsigned char* data = nullptr;
    double referenceWidth = 0, referenceHeight = 0;

    explicit PicturePixels(const std::string& path, double refWidth = 0, double refHeight = 0) {
        int channels = 0;
        data = SOIL_load_image(path.c_str(), &width, &height, &channels, SOIL_LOAD_RGBA);
        referenceWidth = refWidth > 0 ? refWidth : width;
        referenceHeight = refHeight > 0 ? refHeight : height;
    }
    ~PicturePixels() { SOIL_free_image_data(data); }
    PicturePixels(const PicturePixels&) = delete;
    PicturePixels& operator=(const PicturePixels&) = delete;

    // RGBA bytes at a reference point.
    const unsigned char* At(double refX, double refY) const {
        const int x = static_cast<int>(refX * width / referenceWidth);
        const int y = static_cast<int>(refY * height / referenceHeight);
        return data + 4 * (static_cast<size_t>(y) * width + x);
    }
    // Brightness 0..255 at a reference point.
    int BrightnessAt(double refX, double refY) const {
        const unsigned char* p = At(refX, refY);
        return (p[0] * 3 + p[1] * 6 + p[2]) / 10;
    }
};
