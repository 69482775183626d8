// The putting-away game: the shelf, the refrigerator and the freezer, the
// cold and the frozen goods, the three examples of the sheet, the sheet and
// the task card. Names and places come from the game's storage table; the
// shelf goods are the dated goods (minigame3_2).
#include <cmath>
#include <string>

#include "Art.h"
#include "Lesson.h"
#include "minigames/grocery/Storage.h"

using namespace art;
using namespace art::ink;
using namespace Storage;

namespace {

void Name(cairo_t* cr, const std::string& name, double cx, double cy, double px, const Colour& c, double wrap = 0) {
    Font f;
    f.px = px;
    if (wrap > 0) {
        double tw, th;
        Measure(cr, name, f, &tw, &th, wrap);
        Text(cr, name, cx, cy - th / 2, f, c, Align::Centre, wrap);
        return;
    }
    TextMiddle(cr, name, cx, cy, f, c);
}

void Shadowed(cairo_t* cr, int w, int h, const Layer& layer) { WithShadow(cr, w, h, layer, 0, 6, 8, 0.3); }

// --- the cold goods ---
void Butter(cairo_t* cr) {
    RoundedRect(cr, 60, 170, 392, 200, 14);
    FillVertical(cr, Hex(0xFFF1B0), Hex(0xE9CF6A), 170, 370);
    cairo_rectangle(cr, 60, 230, 392, 80);
    FillPath(cr, Hex(0x2E6DB4));
    Name(cr, "Beurre", 256, 270, 52, kWhite);
}

void Eggs(cairo_t* cr) {
    RoundedRect(cr, 50, 200, 412, 170, 24);
    FillPath(cr, Hex(0xB9A78C));
    for (int i = 0; i < 4; ++i) {
        cairo_save(cr);
        cairo_translate(cr, 110 + i * 98, 190);
        cairo_scale(cr, 40, 50);
        Circle(cr, 0, 0, 1);
        cairo_restore(cr);
        FillPath(cr, Hex(0xF7EEDF));
    }
    cairo_rectangle(cr, 50, 250, 412, 70);
    FillPath(cr, Hex(0xD9C8A8));
    Name(cr, "Œufs", 256, 285, 50, kCoralDark);
}

void Juice(cairo_t* cr) {
    Polygon(cr, {{170, 120}, {256, 50}, {342, 120}});
    FillPath(cr, Hex(0xFFE3B0));
    RoundedRect(cr, 170, 120, 172, 340, 10);
    FillPath(cr, Hex(0xF7A12C));
    Circle(cr, 256, 230, 55);
    FillPath(cr, Hex(0xFFC35A));
    for (int i = 0; i < 8; ++i) {
        cairo_move_to(cr, 256, 230);
        cairo_line_to(cr, 256 + 50 * std::cos(i * M_PI / 4), 230 + 50 * std::sin(i * M_PI / 4));
        StrokePath(cr, Hex(0xF7A12C), 4);
    }
    Name(cr, "Jus d'orange", 256, 360, 36, kWhite, 160);
}

void Ham(cairo_t* cr) {
    RoundedRect(cr, 60, 150, 392, 230, 30);
    FillPath(cr, Hex(0xE8F1F6, 0.95));
    for (int i = 0; i < 3; ++i) {
        cairo_save(cr);
        cairo_translate(cr, 190 + i * 66, 240);
        cairo_scale(cr, 110, 70);
        Circle(cr, 0, 0, 1);
        cairo_restore(cr);
        FillPath(cr, Hex(0xF2A0A8).Mix(kWhite, i * 0.1));
    }
    cairo_rectangle(cr, 60, 310, 392, 60);
    FillPath(cr, Hex(0xB4472F));
    Name(cr, "Jambon", 256, 340, 40, kWhite);
}

void Cream(cairo_t* cr) {
    Polygon(cr, {{186, 130}, {256, 70}, {326, 130}});
    FillPath(cr, Hex(0xE0E6EC));
    RoundedRect(cr, 186, 130, 140, 320, 8);
    FillPath(cr, kWhite);
    cairo_rectangle(cr, 186, 200, 140, 120);
    FillPath(cr, Hex(0x8E5BB0));
    Name(cr, "Crème", 256, 260, 38, kWhite);
}

// --- the frozen goods: frost on a cold blue package ---
void Frost(cairo_t* cr, double x, double y, double w, double h) {
    Random rnd{static_cast<uint32_t>(x * 7 + y)};
    for (int i = 0; i < 30; ++i) {
        Circle(cr, x + rnd.Next() * w, y + rnd.Next() * h, 2 + rnd.Next() * 3);
        FillPath(cr, kWhite.Alpha(0.6));
    }
}

void Peas(cairo_t* cr) {
    RoundedRect(cr, 90, 80, 332, 380, 40);
    FillVertical(cr, Hex(0x5EA0E0), Hex(0x2E5E9E), 80, 460);
    for (int i = 0; i < 9; ++i) {
        Circle(cr, 170 + (i % 3) * 86, 170 + (i / 3) * 60, 26);
        FillPath(cr, Hex(0x6DB84A));
    }
    Frost(cr, 90, 80, 332, 380);
    Name(cr, "Pois surgelés", 256, 390, 36, kWhite, 300);
}

void Pizza(cairo_t* cr) {
    RoundedRect(cr, 50, 130, 412, 280, 12);
    FillVertical(cr, Hex(0x4A8AD0), Hex(0x24558E), 130, 410);
    Circle(cr, 256, 240, 90);
    FillPath(cr, Hex(0xE8B060));
    Circle(cr, 256, 240, 74);
    FillPath(cr, Hex(0xD8442E));
    for (int i = 0; i < 6; ++i) {
        Circle(cr, 256 + 44 * std::cos(i * 1.05), 240 + 44 * std::sin(i * 1.05), 12);
        FillPath(cr, Hex(0x8A1E1E));
    }
    Frost(cr, 50, 130, 412, 280);
    Name(cr, "Pizza surgelée", 256, 370, 34, kWhite);
}

void Fries(cairo_t* cr) {
    RoundedRect(cr, 100, 70, 312, 390, 36);
    FillVertical(cr, Hex(0xE0503A), Hex(0x9E2A1E), 70, 460);
    for (int i = 0; i < 7; ++i) {
        RoundedRect(cr, 150 + i * 32, 130 + (i % 3) * 14, 20, 150, 4);
        FillPath(cr, Hex(0xF7C84A));
    }
    Frost(cr, 100, 70, 312, 390);
    Name(cr, "Frites surgelées", 256, 380, 34, kWhite, 280);
}

void Ice(cairo_t* cr) {
    RoundedRect(cr, 90, 90, 332, 360, 40);
    FillPath(cr, Hex(0xDDEFFA, 0.95));
    for (int i = 0; i < 6; ++i) {
        RoundedRect(cr, 140 + (i % 3) * 84, 150 + (i / 3) * 84, 64, 64, 10);
        FillPath(cr, Hex(0xA8D3E6));
        RoundedRect(cr, 148 + (i % 3) * 84, 156 + (i / 3) * 84, 20, 14, 4);
        FillPath(cr, kWhite);
    }
    Name(cr, "Glaçons", 256, 380, 46, Hex(0x2E5E9E));
}

void Fish(cairo_t* cr) {
    RoundedRect(cr, 50, 140, 412, 250, 12);
    FillVertical(cr, Hex(0x3A78C0), Hex(0x1E4A80), 140, 390);
    for (int i = 0; i < 3; ++i) {
        RoundedRect(cr, 90 + i * 118, 190, 100, 60, 26);
        FillPath(cr, Hex(0xD9A040));
    }
    Frost(cr, 50, 140, 412, 250);
    Name(cr, "Poisson pané", 256, 330, 40, kWhite);
}

// --- the examples of the sheet ---
void ExampleBread(cairo_t* cr) {
    RoundedRect(cr, 80, 170, 352, 200, 100);
    FillVertical(cr, Hex(0xE0A55A), Hex(0xA8662A), 170, 370);
    for (int i = 0; i < 4; ++i) {
        cairo_move_to(cr, 150 + i * 65, 190);
        cairo_curve_to(cr, 170 + i * 65, 230, 170 + i * 65, 260, 150 + i * 65, 290);
        StrokePath(cr, Hex(0xF3C888), 8);
    }
}

void ExampleMilk(cairo_t* cr) {
    Polygon(cr, {{160, 130}, {256, 50}, {352, 130}});
    FillPath(cr, Hex(0xDCE6F0));
    RoundedRect(cr, 160, 130, 192, 320, 8);
    FillPath(cr, kWhite);
    cairo_rectangle(cr, 160, 150, 192, 90);
    FillPath(cr, Hex(0x3C7DC4));
    Name(cr, "Lait", 256, 195, 46, kWhite);
}

void ExampleIceCream(cairo_t* cr) {
    Polygon(cr, {{180, 250}, {332, 250}, {256, 470}});
    FillPath(cr, Hex(0xD9A05A));
    Circle(cr, 256, 210, 80);
    FillPath(cr, Hex(0xF7B8C8));
    Circle(cr, 256, 120, 64);
    FillPath(cr, Hex(0xFFF3D8));
}

// --- the three places ---
void Shelf(cairo_t* cr, int w, int h) {
    Shadowed(cr, w, h, [&](cairo_t* c) {
        RoundedRect(c, 30, 60, 452, 400, 12);
        FillPath(c, kWoodDark);
        RoundedRect(c, 46, 76, 420, 368, 6);
        FillPath(c, Hex(0xE8D8BE));
        for (double y : {250.0, 440.0}) {
            cairo_rectangle(c, 40, y - 12, 432, 22);
            FillPath(c, kWood);
        }
    });
    RoundedRect(cr, 146, 4, 220, 48, 12);
    FillPath(cr, kGreen);
    Name(cr, kPlaceNames[PLACE_SHELF], 256, 28, 30, kWhite);
}

void Cabinet(cairo_t* cr, int w, int h, Place place) {
    const Colour body = place == PLACE_FRIDGE ? Hex(0xEEF3F6) : Hex(0xDCEBF7);
    Shadowed(cr, w, h, [&](cairo_t* c) {
        RoundedRect(c, 40, 60, 432, 410, 26);
        FillPath(c, body);
        RoundedRect(c, 64, 84, 384, 362, 14);
        FillPath(c, place == PLACE_FRIDGE ? Hex(0xCFE3EE) : Hex(0xA8CDEA));
        for (double y : {250.0, 440.0}) {
            cairo_rectangle(c, 64, y - 6, 384, 10);
            FillPath(c, kWhite.Alpha(0.9));
        }
    });
    if (place == PLACE_FREEZER) Frost(cr, 64, 84, 384, 362);
    RoundedRect(cr, 116, 4, 280, 48, 12);
    FillPath(cr, place == PLACE_FRIDGE ? kTeal : kNavy);
    Name(cr, kPlaceNames[place], 256, 28, 28, kWhite);
}

// The sheet: what to do, above the three places.
void Sheet(cairo_t* cr, int w, int h) {
    WithShadow(
        cr, w, h,
        [&](cairo_t* c) {
            UseReferenceLayout(c, w, h);
            RoundedRect(c, 276, 92, 810, 50, 14);
            FillPath(c, kCream);
            RoundedRect(c, 276, 92, 12, 50, 6);
            FillPath(c, kGreen);
        },
        0, 4, 6, 0.4);
    UseReferenceLayout(cr, w, h);
    Font f;
    f.px = 20;
    TextMiddle(cr, "Glissez chaque produit à sa place : tablette, réfrigérateur ou congélateur.", 686, 117, f, kInk);
}

void GoodPicture(cairo_t* cr, int w, int h, int g) {
    Shadowed(cr, w, h, [&](cairo_t* c) {
        switch (g) {
            case 5: Butter(c); break;
            case 6: Eggs(c); break;
            case 7: Juice(c); break;
            case 8: Ham(c); break;
            case 9: Cream(c); break;
            case 10: Peas(c); break;
            case 11: Pizza(c); break;
            case 12: Fries(c); break;
            case 13: Ice(c); break;
            case 14: Fish(c); break;
            default: break;
        }
    });
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<Picture> pictures = {
        {"storage_overlay.png", 2048, 1024, Sheet},
        {kPlacePictures[PLACE_SHELF], 512, 512, Shelf},
        {kPlacePictures[PLACE_FRIDGE], 512, 512, [](cairo_t* cr, int w, int h) { Cabinet(cr, w, h, PLACE_FRIDGE); }},
        {kPlacePictures[PLACE_FREEZER], 512, 512, [](cairo_t* cr, int w, int h) { Cabinet(cr, w, h, PLACE_FREEZER); }},
        {kExamples[PLACE_SHELF], 512, 512, [](cairo_t* cr, int w, int h) { Shadowed(cr, w, h, ExampleBread); }},
        {kExamples[PLACE_FRIDGE], 512, 512, [](cairo_t* cr, int w, int h) { Shadowed(cr, w, h, ExampleMilk); }},
        {kExamples[PLACE_FREEZER], 512, 512, [](cairo_t* cr, int w, int h) { Shadowed(cr, w, h, ExampleIceCream); }},
        TaskCard("consigne3_3.png", "Le rangement", "Glissez à la bonne place", kGreen),
    };
    // The shelf goods (0 to 4) are drawn with the dated goods.
    for (int g = 5; g < kGoodCount; ++g) {
        pictures.push_back({kGoods[g].picture, 512, 512, [g](cairo_t* cr, int w, int h) { GoodPicture(cr, w, h, g); }});
    }
    return Run(argc, argv, pictures);
}
