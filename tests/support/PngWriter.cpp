#include "support/PngWriter.h"

#include <png.h>

#include <cstdio>
#include <vector>

bool WriteSolidPng(const std::string& path, int width, int height, uint32_t rgba) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<png_byte> row(static_cast<size_t>(width) * 4);
    for (int x = 0; x < width; ++x) {
        row[x * 4 + 0] = (rgba >> 24) & 0xFF;
        row[x * 4 + 1] = (rgba >> 16) & 0xFF;
        row[x * 4 + 2] = (rgba >> 8) & 0xFF;
        row[x * 4 + 3] = rgba & 0xFF;
    }
    for (int y = 0; y < height; ++y) png_write_row(png, row.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(file) == 0;
}

bool WritePng(const std::string& path, int width, int height, const std::function<uint32_t(int, int)>& rgbaAt) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<png_byte> row(static_cast<size_t>(width) * 4);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const uint32_t rgba = rgbaAt(x, y);
            row[x * 4 + 0] = (rgba >> 24) & 0xFF;
            row[x * 4 + 1] = (rgba >> 16) & 0xFF;
            row[x * 4 + 2] = (rgba >> 8) & 0xFF;
            row[x * 4 + 3] = rgba & 0xFF;
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(file) == 0;
}
