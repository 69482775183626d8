// The belt game's own pictures: the checkout belt the products ride on and
// its task card. The products, their labels and the format cards are the
// dated goods' pictures (minigame3_2).
#include "Art.h"
#include "Lesson.h"

using namespace art;
using namespace art::ink;

namespace {

// The belt across the view at mid-height, between its two steel rails.
void Belt(cairo_t* cr, int w, int h) {
    WithShadow(
        cr, w, h,
        [&](cairo_t* c) {
            UseReferenceLayout(c, w, h);
            cairo_rectangle(c, -10, 258, 1382, 210);
            FillPath(c, Hex(0x2B2F35));
        },
        0, 8, 10, 0.4);
    UseReferenceLayout(cr, w, h);
    cairo_rectangle(cr, -10, 268, 1382, 190);
    FillVertical(cr, Hex(0x3A3F46), Hex(0x24282D), 268, 458);
    // The rubber's ribs.
    for (double x = 0; x < 1362; x += 34) {
        cairo_move_to(cr, x, 272);
        cairo_line_to(cr, x + 10, 454);
        StrokePath(cr, Hex(0x4A5058, 0.6), 3);
    }
    for (double y : {258.0, 458.0}) {
        cairo_rectangle(cr, -10, y - 8, 1382, 18);
        FillVertical(cr, Hex(0xE6EAED), Hex(0x9AA2AA), y - 8, y + 10);
    }
    Font f;
    f.px = 16;
    TextMiddle(cr, "Cliquez sur le produit qui porte cette date", 681, 492, f, kInk);
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<Picture> pictures = {
        {"conveyor.png", 2048, 1024, Belt},
        TaskCard("consigne3_1.png", "Le tapis", "Trouvez la bonne date", kGreen),
    };
    return Run(argc, argv, pictures);
}
