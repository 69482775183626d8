#include "ui/PictureCoverage.h"

#include <algorithm>

namespace {

enum TileKind { TILE_EMPTY, TILE_OPAQUE, TILE_MIXED };

TileKind KindOf(const unsigned char* pixels, int width, int height, int channels, int x0, int y0, int x1,
                int y1) {
    if (channels == 1 || channels == 3) return TILE_OPAQUE;
    // One texel more on every side: bilinear filtering reaches that far.
    x0 = std::max(0, x0 - 1);
    y0 = std::max(0, y0 - 1);
    x1 = std::min(width, x1 + 1);
    y1 = std::min(height, y1 + 1);
    bool anyClear = false, anySeen = false;
    for (int y = y0; y < y1; ++y) {
        const unsigned char* alpha = pixels + (static_cast<size_t>(y) * width + x0) * channels + channels - 1;
        for (int x = x0; x < x1; ++x, alpha += channels) {
            if (*alpha != 255) anyClear = true;
            if (*alpha != 0) anySeen = true;
            if (anyClear && anySeen) return TILE_MIXED;
        }
    }
    return anySeen ? TILE_OPAQUE : TILE_EMPTY;
}

}  // namespace

PictureCoverage FindCoverage(const unsigned char* pixels, int width, int height, int channels, int tile) {
    PictureCoverage coverage;
    if (pixels == nullptr || width <= 0 || height <= 0 || tile <= 0) return coverage;
    std::vector<CoverageRect> open;  // rects still growing downwards
    for (int y0 = 0; y0 < height; y0 += tile) {
        const int y1 = std::min(height, y0 + tile);
        // This row's runs of one kind.
        std::vector<CoverageRect> runs;
        for (int x0 = 0; x0 < width; x0 += tile) {
            const int x1 = std::min(width, x0 + tile);
            const TileKind kind = KindOf(pixels, width, height, channels, x0, y0, x1, y1);
            if (kind == TILE_EMPTY) continue;
            const bool opaque = kind == TILE_OPAQUE;
            if (!runs.empty() && runs.back().x1 == x0 && runs.back().opaque == opaque) {
                runs.back().x1 = x1;
            } else {
                runs.push_back({x0, y0, x1, y1, opaque});
            }
        }
        // A run under an open rect of the same span and kind extends it.
        std::vector<CoverageRect> stillOpen;
        for (CoverageRect& run : runs) {
            auto above = std::find_if(open.begin(), open.end(), [&run](const CoverageRect& r) {
                return r.x0 == run.x0 && r.x1 == run.x1 && r.opaque == run.opaque;
            });
            if (above != open.end()) {
                above->y1 = run.y1;
                stillOpen.push_back(*above);
                open.erase(above);
            } else {
                stillOpen.push_back(run);
            }
        }
        for (const CoverageRect& done : open) coverage.rects.push_back(done);
        open = stillOpen;
    }
    for (const CoverageRect& done : open) coverage.rects.push_back(done);
    if (coverage.rects.empty()) return coverage;
    coverage.x0 = width;
    coverage.y0 = height;
    for (const CoverageRect& r : coverage.rects) {
        coverage.x0 = std::min(coverage.x0, r.x0);
        coverage.y0 = std::min(coverage.y0, r.y0);
        coverage.x1 = std::max(coverage.x1, r.x1);
        coverage.y1 = std::max(coverage.y1, r.y1);
    }
    return coverage;
}
