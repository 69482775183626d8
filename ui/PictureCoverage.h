#pragma once
#include <vector>

// Where a picture is see-through, found once when it loads, so that drawing
// skips what cannot show and blends only what must. The picture is cut into
// square tiles; a tile is empty when it and the texel around it are fully
// transparent (a filtered sample inside it then reads only clear texels),
// opaque when they are all fully opaque. Neighbouring tiles of one kind are
// merged into rectangles, the empty ones dropped.
struct CoverageRect {
    // Texels of the picture, top-left origin, x0 and y0 included, x1 and y1 not.
    int x0, y0, x1, y1;
    bool opaque;
};

struct PictureCoverage {
    std::vector<CoverageRect> rects;  // what shows, in rows from the top
    // The smallest rectangle holding every rect (empty when nothing shows).
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

// pixels: rows from the top, `channels` bytes a texel (alpha last for 2 and
// 4; 1 and 3 have none and are opaque).
PictureCoverage FindCoverage(const unsigned char* pixels, int width, int height, int channels,
                             int tile = 32);
