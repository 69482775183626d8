// Composes the game's pictures as the game shows them on a 1366 x 768
// screen, one PNG per screen, for a person to look at. Follows the loading
// rule of the game: a picture shows at scale x half its power-of-two size.
#include <sys/stat.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <string>

#include "Art.h"
#include "scenes/ReferenceLayout.h"
#include "scenes/RewardHouseLayout.h"
#include "scenes/ScorePanelLayout.h"
#include "scenes/SubMenuLayout.h"
#include "scenes/TitleLayout.h"
#include "scenes/TownMapLayout.h"
#include "ui/CornerLayout.h"

using namespace art;

namespace {

constexpr int W = 1366, H = 768;
std::string images;
std::map<std::string, cairo_surface_t*> cache;

int Po2(int n) {
    int p = 1;
    while (p < n) p *= 2;
    return p;
}

cairo_surface_t* Load(const std::string& name) {
    auto it = cache.find(name);
    if (it != cache.end()) return it->second;
    cairo_surface_t* s = cairo_image_surface_create_from_png((images + "/" + name).c_str());
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
        std::fprintf(stderr, "missing %s\n", name.c_str());
        s = nullptr;
    }
    cache[name] = s;
    return s;
}

void Quad(cairo_t* cr, cairo_surface_t* s, double x, double y, double w, double h, double alpha = 1) {
    if (!s) return;
    const int iw = cairo_image_surface_get_width(s), ih = cairo_image_surface_get_height(s);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, w / Po2(iw), h / Po2(ih));
    cairo_set_source_surface(cr, s, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_paint_with_alpha(cr, alpha);
    cairo_restore(cr);
}

// CClickableImage::Draw
void Draw(cairo_t* cr, const std::string& name, double cx, double cy, double scale = 1, double alpha = 1) {
    cairo_surface_t* s = Load(name);
    if (!s) return;
    const double w = Po2(cairo_image_surface_get_width(s)) / 2 * scale;
    const double h = Po2(cairo_image_surface_get_height(s)) / 2 * scale;
    Quad(cr, s, cx - w / 2, cy - h / 2, w, h, alpha);
}

// CClickableImage::FillScreen
void Fill(cairo_t* cr, const std::string& name, double dx = 0) { Quad(cr, Load(name), dx, 0, W + 1, H + 1); }

// CCustomButton::Draw: the lit picture under the normal one.
void Button(cairo_t* cr, const std::string& normal, const std::string& lit, double x, double y, double s, bool on) {
    if (on) Draw(cr, lit, x, y, s);
    Draw(cr, normal, x, y, s);
}

void Corners(cairo_t* cr, bool lit = false) {
    using namespace CornerLayout;
    Button(cr, "title_exit.png", "title_exit_light.png", kExitX, kY, kScale, lit);
    Button(cr, "button_questionmark.png", "button_questionmark_light.png", W - kHelpFromRight, kY, kScale, lit);
    Button(cr, "button_mute.png", "button_questionmark_light.png", W - kMuteFromRight, kY, kScale, false);
}

void Bitmap(cairo_t* cr, const std::string& text, double x, double y, const Colour& c, double px) {
    // Stands in for the GLUT bitmap fonts: baseline at y.
    Font f;
    f.px = px;
    f.bold = false;
    Text(cr, text, x, y - px, f, c, Align::Left);
}

std::string out;
void Sheet(const std::string& name, const std::function<void(cairo_t*)>& draw) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, W, H);
    cairo_t* cr = cairo_create(s);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    draw(cr);
    cairo_destroy(cr);
    cairo_surface_write_to_png(s, (out + "/" + name + ".png").c_str());
    cairo_surface_destroy(s);
}

int Rx(double fx) { return ReferenceLayout::ScaleX(W, fx); }
int Ry(double fy) { return ReferenceLayout::ScaleY(H, fy); }

void Title(cairo_t* cr, bool lit) {
    using namespace TitleLayout;
    Fill(cr, "dark_wood_background.png");
    Draw(cr, "title.png", W / 2, H / 2);
    const int lx = static_cast<int>(W * kLoginFx), ly = static_cast<int>(H * kLoginFy);
    Button(cr, "title_login.png", "title_login_light.png", lx, ly, kButtonScale, lit);
    Button(cr, "title_exit.png", "title_exit_light.png", lx + kExitOffsetX, ly + kExitOffsetY, kButtonScale, false);
    Button(cr, "credits_button.png", "title_exit_light.png", kCreditsX, H - kCreditsFromBottom, kCreditsScale, lit);
}

void Map(cairo_t* cr, const char* overlay, double clouds) {
    Fill(cr, "roadmapBackground.png");
    if (overlay) Fill(cr, overlay);
    Fill(cr, "clouds.png", clouds);
    Fill(cr, "clouds.png", clouds - W);
    Corners(cr);
    // The hit squares, to see that the buildings stand on them.
    for (const auto& b : TownMapLayout::kBuildings) {
        cairo_rectangle(cr, Rx(b.fx) - TownMapLayout::kReach, Ry(b.fy) - TownMapLayout::kReach,
                        2 * TownMapLayout::kReach, 2 * TownMapLayout::kReach);
        StrokePath(cr, Hex(0xFF00FF, 0.5), 1);
    }
}

void Room(cairo_t* cr, const char* background, int category, int curtain) {
    Fill(cr, background);
    int n = category == 0 ? 10 : category == 1 ? 9 : 5;
    for (int i = 0; i < n; ++i) {
        int x, y;
        if (category == 0) {
            x = Rx(SubMenuLayout::kDentistIcons[i].fx), y = Ry(SubMenuLayout::kDentistIcons[i].fy);
        } else if (category == 1) {
            x = Rx(SubMenuLayout::kPizzaIcons[i].fx), y = Ry(SubMenuLayout::kPizzaIcons[i].fy);
        } else {
            x = W / (n + 1) * (i + 1), y = Ry(SubMenuLayout::kGroceryRowY);
        }
        char name[64];
        std::snprintf(name, sizeof name, "Icon_Minigame%d_%d.png", category + 1, i + 1);
        Draw(cr, name, x, y, 2);
    }
    Corners(cr, curtain < 0);
    if (curtain > 0) {
        cairo_pattern_t* g = cairo_pattern_create_linear(W - curtain, 0, 2 * W - curtain, 0);
        cairo_pattern_add_color_stop_rgba(g, 0, 0, 0, 0, 0);
        cairo_pattern_add_color_stop_rgba(g, 1, 0, 0, 0, 1);
        cairo_rectangle(cr, W - curtain, 0, W, H);
        cairo_set_source(cr, g);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
        cairo_rectangle(cr, 2 * W - curtain, 0, W * 1.1, H);
        cairo_set_source_rgb(cr, 0, 0, 0);
        cairo_fill(cr);
        Draw(cr, "loading.png", W - SubMenuLayout::kLoadingFromRight, H - SubMenuLayout::kLoadingFromBottom, 2);
    }
}

void Panel(cairo_t* cr, int compte, int max, bool done) {
    using namespace ScorePanelLayout;
    Room(cr, "pizzaria.png", 1, 0);
    cairo_rectangle(cr, 0, 0, W, H);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.25);
    cairo_fill(cr);
    cairo_rectangle(cr, kFrameMargin, kFrameTop, W - 2 * kFrameMargin, H - 2 * kFrameTop);
    cairo_set_source_rgb(cr, 0.26274511, 0.0117647, 0.0039216);
    cairo_fill(cr);
    cairo_rectangle(cr, kFrameMargin + kFrameWidth, kFrameTop + kFrameWidth, W - 2 * (kFrameMargin + kFrameWidth),
                    H - 2 * (kFrameTop + kFrameWidth));
    cairo_set_source_rgb(cr, 1.0, 0.6, 0.16470589);
    cairo_fill(cr);
    Draw(cr, "logo.png", W - kLogoFromRight, H / 2 - kLogoAboveMiddle, 2);
    if (done) {
        Button(cr, "button_reward_restart.png", "button_reward_restart_light.png", kRestartX, H - kRestartFromBottom, 2,
               true);
        Button(cr, "button_reward_menu.png", "button_reward_menu_light.png", W - kMenuFromRight, H - kMenuFromBottom,
               2, false);
    }
    Draw(cr, "MinijeuComplete.png", kCompleteX, kCompleteY, 2);
    Draw(cr, "scoreTitles.png", kTitlesX, kTitlesY, 2);
    Draw(cr, "bullion_large.png", kLargeBarX, kLargeBarY, 2);
    Bitmap(cr, "x" + std::to_string(17 + compte), kBalanceTextX, kBalanceTextY, Colour{0.3137255, 0.05098039, 0.02745098},
           15);
    for (int i = 0; i < max; ++i)
        Draw(cr, i < compte ? "gold_bullion.png" : "gold_bullion_empty.png", kFirstSlotX + kSlotStep * i, kSlotsY, 2);
}

void House(cairo_t* cr, int bought, bool victory) {
    using namespace RewardHouseLayout;
    Draw(cr, "RewardHouse.png", W / 2 + kHouseOffsetX, H / 2, 2);
    Button(cr, "title_exit.png", "title_exit_light.png", CornerLayout::kExitX, CornerLayout::kY, 2, false);
    Draw(cr, "bullion_large.png", kBalanceIconX, CornerLayout::kY, 0.8f);
    Draw(cr, "button_mute.png", W - CornerLayout::kMuteFromRight, CornerLayout::kY, 2);
    Draw(cr, "button_questionmark.png", W - CornerLayout::kHelpFromRight, CornerLayout::kY, 2);
    for (int i = 0; i < kTrophies; ++i) {
        const std::string name = "trophy" + std::to_string(i) + ".png";
        if (i < bought) {
            Draw(cr, name, W / 2 + kHouseSpots[i].x, H / 2 + kHouseSpots[i].y, kHouseScale);
        } else if (i == 21 && !victory) {
            Draw(cr, name, ShelfSpot(i).x, ShelfSpot(i).y, 2);  // hovered, grown (the game adds its price card)
        } else {
            Draw(cr, name, ShelfSpot(i).x, ShelfSpot(i).y, kShelfScale);
        }
    }
    if (victory) Draw(cr, "victory.png", W / 2, H / 2);
    if (victory) {
        Circle(cr, W / 2 + kRestartOffset.x, H / 2 + kRestartOffset.y, kReach);
        StrokePath(cr, Hex(0xFF00FF, 0.6), 1);
    }
    Bitmap(cr, "x" + std::to_string(victory ? 3 : 12), kBalanceTextX, kBalanceTextY, Hex(0), 12);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    images = argv[1];
    out = argv[2];
    mkdir(out.c_str(), 0755);
    Sheet("01-title", [](cairo_t* cr) { Title(cr, false); });
    Sheet("02-title-lit", [](cairo_t* cr) { Title(cr, true); });
    for (int i = 1; i <= 5; ++i)
        Sheet("03-splash" + std::to_string(i), [i](cairo_t* cr) { Draw(cr, "logo" + std::to_string(i) + ".png", W / 2, H / 2); });
    Sheet("04-credits", [](cairo_t* cr) {
        Draw(cr, "CreditsBackground.png", W / 2, H / 2);
        cairo_surface_t* e = Load("exit.png");
        if (e) Draw(cr, "exit.png", W - Po2(cairo_image_surface_get_width(e)) / 4.0, H - Po2(cairo_image_surface_get_height(e)) / 4.0);
    });
    Sheet("05-map", [](cairo_t* cr) { Map(cr, nullptr, 300); });
    Sheet("06-map-dentist", [](cairo_t* cr) { Map(cr, "BuildingDentist.png", 700); });
    Sheet("07-map-pizza", [](cairo_t* cr) { Map(cr, "BuildingPizza.png", 1000); });
    Sheet("08-map-grocery", [](cairo_t* cr) { Map(cr, "BuildingGrocery.png", 100); });
    Sheet("09-map-vault", [](cairo_t* cr) { Map(cr, "vault.png", 1300); });
    Sheet("10-room-dentist", [](cairo_t* cr) { Room(cr, "waitingroom.png", 0, -1); });
    Sheet("11-room-pizza", [](cairo_t* cr) { Room(cr, "pizzaria.png", 1, 0); });
    Sheet("12-room-grocery", [](cairo_t* cr) { Room(cr, "shelf_background.png", 2, 0); });
    Sheet("13-curtain", [](cairo_t* cr) { Room(cr, "shelf_background.png", 2, 1500); });
    Sheet("14-score-running", [](cairo_t* cr) { Panel(cr, 3, 4, false); });
    Sheet("15-score-done", [](cairo_t* cr) { Panel(cr, 5, 8, true); });
    Sheet("16-house", [](cairo_t* cr) { House(cr, 0, false); });
    Sheet("17-house-some", [](cairo_t* cr) { House(cr, 20, false); });
    Sheet("18-house-all", [](cairo_t* cr) { House(cr, 38, false); });
    Sheet("19-house-victory", [](cairo_t* cr) { House(cr, 38, true); });
    Sheet("20-buttons", [](cairo_t* cr) {
        cairo_set_source_rgb(cr, 0.55, 0.6, 0.65);
        cairo_paint(cr);
        const char* pairs[][2] = {{"title_login.png", "title_login_light.png"},
                                  {"title_exit.png", "title_exit_light.png"},
                                  {"button_questionmark.png", "button_questionmark_light.png"},
                                  {"button_mute.png", "button_questionmark_light.png"},
                                  {"button_instruction.png", "button_instruction_light.png"},
                                  {"button_play.png", "button_play_light.png"},
                                  {"button_reward_restart.png", "button_reward_restart_light.png"},
                                  {"button_reward_menu.png", "button_reward_menu_light.png"}};
        for (int i = 0; i < 8; ++i) {
            Button(cr, pairs[i][0], pairs[i][1], 160 + (i % 4) * 320, 140 + (i / 4) * 170, 2, false);
            Button(cr, pairs[i][0], pairs[i][1], 160 + (i % 4) * 320, 230 + (i / 4) * 170, 2, true);
        }
        Button(cr, "credits_button.png", "title_exit_light.png", 160, 560, 0.75f, false);
        Button(cr, "credits_button.png", "title_exit_light.png", 320, 560, 0.75f, true);
        Draw(cr, "crosshair.png", 480, 560, 1.5f);
        Draw(cr, "exit.png", 640, 560);
        Draw(cr, "dropdownbox.png", 800, 480, 2);
        cairo_set_source_rgb(cr, 0, 0, 0);
        cairo_rectangle(cr, 1100, 600, 266, 168);
        cairo_fill(cr);
        Draw(cr, "loading.png", W - 90, H - 40, 2);
        const char* items[] = {"Lundi", "Mardi", "Mercredi", "Jeudi"};
        for (int i = 0; i < 4; ++i)
            Bitmap(cr, items[i], 800 + 35, 480 + 40 * i - 8, i == 1 ? Hex(0xFFFFFF) : Hex(0x666666), 15);
    });
    Sheet("21-icons", [](cairo_t* cr) {
        cairo_set_source_rgb(cr, 0.93, 0.91, 0.87);
        cairo_paint(cr);
        int k = 0;
        const int counts[3] = {10, 9, 5};
        for (int c = 0; c < 3; ++c)
            for (int i = 0; i < counts[c]; ++i, ++k) {
                char name[64];
                std::snprintf(name, sizeof name, "Icon_Minigame%d_%d.png", c + 1, i + 1);
                Draw(cr, name, 80 + (k % 10) * 120, 90 + (k / 10) * 120, 2);
                Draw(cr, name, 80 + (k % 10) * 120, 460 + (k / 10) * 100, 4);
            }
        Draw(cr, "CategoryDentistIcon.png", 900, 330);
        Draw(cr, "CategoryPizzaIcon.png", 1020, 330);
        Draw(cr, "CategoryGroceryIcon.png", 1140, 330);
    });
    Sheet("22-trophies", [](cairo_t* cr) {
        cairo_set_source_rgb(cr, 0.95, 0.95, 0.95);
        cairo_paint(cr);
        for (int i = 0; i < 38; ++i) {
            Draw(cr, "trophy" + std::to_string(i) + ".png", 70 + (i % 10) * 130, 90 + (i / 10) * 180, 2);
            Draw(cr, "trophy" + std::to_string(i) + ".png", 70 + (i % 10) * 130, 170 + (i / 10) * 180, 1);
        }
    });
    std::printf("contact sheets in %s\n", out.c_str());
    return 0;
}
