#include "Art.h"

#include <pango/pangocairo.h>
#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <sys/stat.h>

namespace art {

Colour Colour::Mix(const Colour& o, double t) const {
    return Colour{r + (o.r - r) * t, g + (o.g - g) * t, b + (o.b - b) * t, a + (o.a - a) * t};
}

namespace {

void AppendBytes(png_structp png, png_bytep data, png_size_t length) {
    static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<const char*>(data), length);
}

// Always 8-bit RGBA, even for an opaque picture (cairo would write RGB, which
// the game's loader reads with a different number of channels), straight
// alpha, no time stamp: the same picture gives the same bytes.
std::string EncodePng(cairo_surface_t* s) {
    cairo_surface_flush(s);
    const int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
    const int stride = cairo_image_surface_get_stride(s);
    const unsigned char* data = cairo_image_surface_get_data(s);
    std::vector<unsigned char> rgba(static_cast<size_t>(w) * h * 4);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint32_t p;
            std::memcpy(&p, data + y * stride + x * 4, 4);
            const unsigned a = p >> 24;
            unsigned char* o = &rgba[(static_cast<size_t>(y) * w + x) * 4];
            for (int c = 0; c < 3; ++c) {
                const unsigned v = (p >> (16 - 8 * c)) & 0xFF;
                o[c] = a == 0 ? 0 : static_cast<unsigned char>(std::min(255u, (v * 255 + a / 2) / a));
            }
            o[3] = static_cast<unsigned char>(a);
        }
    std::string bytes;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return std::string();
    }
    png_set_write_fn(png, &bytes, AppendBytes, nullptr);
    png_set_IHDR(png, info, w, h, 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < h; ++y) png_write_row(png, &rgba[static_cast<size_t>(y) * w * 4]);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return bytes;
}

std::string ReadWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::string();
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool PowerOfTwo(int n) { return n > 0 && (n & (n - 1)) == 0; }

// Three box blurs in each direction come close to a gaussian of that radius.
void BlurAlpha(std::vector<float>& a, int w, int h, double radius) {
    const int r = std::max(1, static_cast<int>(std::lround(radius / 1.7)));
    std::vector<float> tmp(a.size());
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < h; ++y) {
            double sum = 0;
            const float* row = &a[static_cast<size_t>(y) * w];
            for (int x = -r; x <= r; ++x) sum += row[std::clamp(x, 0, w - 1)];
            for (int x = 0; x < w; ++x) {
                tmp[static_cast<size_t>(y) * w + x] = static_cast<float>(sum / (2 * r + 1));
                sum += row[std::min(x + r + 1, w - 1)] - row[std::max(x - r, 0)];
            }
        }
        for (int x = 0; x < w; ++x) {
            double sum = 0;
            for (int y = -r; y <= r; ++y) sum += tmp[static_cast<size_t>(std::clamp(y, 0, h - 1)) * w + x];
            for (int y = 0; y < h; ++y) {
                a[static_cast<size_t>(y) * w + x] = static_cast<float>(sum / (2 * r + 1));
                sum += tmp[static_cast<size_t>(std::min(y + r + 1, h - 1)) * w + x] -
                       tmp[static_cast<size_t>(std::max(y - r, 0)) * w + x];
            }
        }
    }
}

// The layer drawn alone on a transparent surface of the canvas's size, in the
// same user space as cr.
cairo_surface_t* Render(cairo_t* cr, int w, int h, const Layer& layer) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    cairo_t* c = cairo_create(s);
    cairo_matrix_t m;
    cairo_get_matrix(cr, &m);
    cairo_set_matrix(c, &m);
    layer(c);
    cairo_destroy(c);
    cairo_surface_flush(s);
    return s;
}

std::vector<float> AlphaOf(cairo_surface_t* s) {
    const int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
    const int stride = cairo_image_surface_get_stride(s);
    const unsigned char* data = cairo_image_surface_get_data(s);
    std::vector<float> a(static_cast<size_t>(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            a[static_cast<size_t>(y) * w + x] = data[y * stride + x * 4 + 3] / 255.0f;
    return a;
}

// Paints an alpha map in one colour, device space.
void PaintAlpha(cairo_t* cr, const std::vector<float>& a, int w, int h, const Colour& colour, double dx, double dy) {
    cairo_surface_t* mask = cairo_image_surface_create(CAIRO_FORMAT_A8, w, h);
    const int stride = cairo_image_surface_get_stride(mask);
    cairo_surface_flush(mask);
    unsigned char* data = cairo_image_surface_get_data(mask);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            data[y * stride + x] =
                static_cast<unsigned char>(std::lround(std::clamp(a[static_cast<size_t>(y) * w + x], 0.0f, 1.0f) * 255));
    cairo_surface_mark_dirty(mask);
    cairo_save(cr);
    cairo_identity_matrix(cr);
    Set(cr, colour);
    cairo_mask_surface(cr, mask, dx, dy);
    cairo_restore(cr);
    cairo_surface_destroy(mask);
}

PangoLayout* MakeLayout(cairo_t* cr, const std::string& text, const Font& font, double wrap) {
    PangoLayout* layout = pango_cairo_create_layout(cr);
    // Same glyph shapes on every run: no hinting, grey antialiasing.
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    pango_cairo_context_set_font_options(pango_layout_get_context(layout), options);
    cairo_font_options_destroy(options);
    PangoFontDescription* desc = pango_font_description_new();
    pango_font_description_set_family(desc, font.serif ? "DejaVu Serif" : "DejaVu Sans");
    pango_font_description_set_weight(desc, font.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_font_description_set_stretch(desc, font.condensed ? PANGO_STRETCH_SEMI_CONDENSED : PANGO_STRETCH_NORMAL);
    pango_font_description_set_absolute_size(desc, font.px * PANGO_SCALE);
    pango_layout_set_font_description(layout, desc);
    pango_font_description_free(desc);
    if (wrap > 0) {
        pango_layout_set_width(layout, static_cast<int>(wrap * PANGO_SCALE));
        pango_layout_set_wrap(layout, PANGO_WRAP_WORD);
    }
    pango_layout_set_text(layout, text.c_str(), -1);
    return layout;
}

}  // namespace

int Run(int argc, char** argv, const std::vector<Picture>& pictures) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER [NAME...]\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    mkdir(folder.c_str(), 0755);
    std::vector<std::string> only(argv + 2, argv + argc);
    int made = 0;
    for (const Picture& p : pictures) {
        if (!only.empty() && std::find(only.begin(), only.end(), p.name) == only.end()) continue;
        if (!PowerOfTwo(p.width) || !PowerOfTwo(p.height)) {
            std::fprintf(stderr, "%s: %d x %d is not a power of two each way\n", p.name.c_str(), p.width, p.height);
            return 1;
        }
        cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, p.width, p.height);
        cairo_t* cr = cairo_create(surface);
        cairo_set_antialias(cr, CAIRO_ANTIALIAS_GRAY);
        p.draw(cr, p.width, p.height);
        if (cairo_status(cr) != CAIRO_STATUS_SUCCESS) {
            std::fprintf(stderr, "%s: %s\n", p.name.c_str(), cairo_status_to_string(cairo_status(cr)));
            return 1;
        }
        cairo_destroy(cr);
        const std::string bytes = EncodePng(surface);
        cairo_surface_destroy(surface);
        if (bytes.empty()) {
            std::fprintf(stderr, "%s: cannot encode\n", p.name.c_str());
            return 1;
        }
        const std::string path = folder + "/" + p.name;
        if (ReadWhole(path) != bytes) {
            std::ofstream out(path + ".tmp", std::ios::binary);
            out << bytes;
            out.close();
            if (!out || std::rename((path + ".tmp").c_str(), path.c_str()) != 0) {
                std::fprintf(stderr, "%s: cannot write\n", path.c_str());
                return 1;
            }
            ++made;
        }
    }
    std::printf("%d of %zu pictures changed\n", made, pictures.size());
    return 0;
}

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
    r = std::min({r, w / 2, h / 2});
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 1.5 * M_PI);
    cairo_close_path(cr);
}

void Circle(cairo_t* cr, double cx, double cy, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    cairo_close_path(cr);
}

void Polygon(cairo_t* cr, std::initializer_list<Point> points) {
    bool first = true;
    for (const Point& p : points) {
        if (first) {
            cairo_move_to(cr, p.x, p.y);
        } else {
            cairo_line_to(cr, p.x, p.y);
        }
        first = false;
    }
    cairo_close_path(cr);
}

void Set(cairo_t* cr, const Colour& c) { cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a); }

void FillPath(cairo_t* cr, const Colour& c) {
    Set(cr, c);
    cairo_fill(cr);
}

void StrokePath(cairo_t* cr, const Colour& c, double width) {
    Set(cr, c);
    cairo_set_line_width(cr, width);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

void FillVertical(cairo_t* cr, const Colour& top, const Colour& bottom, double y0, double y1) {
    cairo_pattern_t* g = cairo_pattern_create_linear(0, y0, 0, y1);
    cairo_pattern_add_color_stop_rgba(g, 0, top.r, top.g, top.b, top.a);
    cairo_pattern_add_color_stop_rgba(g, 1, bottom.r, bottom.g, bottom.b, bottom.a);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

void WithShadow(cairo_t* cr, int w, int h, const Layer& layer, double dx, double dy, double blur, double opacity) {
    cairo_surface_t* s = Render(cr, w, h, layer);
    std::vector<float> a = AlphaOf(s);
    BlurAlpha(a, w, h, blur);
    // The offset is in user units; the shadow is painted in device pixels.
    double ux = dx, uy = dy;
    cairo_user_to_device_distance(cr, &ux, &uy);
    PaintAlpha(cr, a, w, h, Hex(0x1E1A14, opacity), ux, uy);
    cairo_save(cr);
    cairo_identity_matrix(cr);
    cairo_set_source_surface(cr, s, 0, 0);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_surface_destroy(s);
}

void Halo(cairo_t* cr, int w, int h, const Layer& shape, const Colour& colour, double spread, double blur) {
    cairo_surface_t* s = Render(cr, w, h, shape);
    std::vector<float> a = AlphaOf(s);
    cairo_surface_destroy(s);
    if (spread > 0) {
        // Blur then boost: the edge moves out by about the blur radius.
        BlurAlpha(a, w, h, spread);
        for (float& v : a) v = std::min(1.0f, v * 2.2f);
    }
    BlurAlpha(a, w, h, blur);
    PaintAlpha(cr, a, w, h, colour, 0, 0);
}

void Measure(cairo_t* cr, const std::string& text, const Font& font, double* w, double* h, double wrap) {
    PangoLayout* layout = MakeLayout(cr, text, font, wrap);
    int pw = 0, ph = 0;
    pango_layout_get_size(layout, &pw, &ph);
    *w = static_cast<double>(pw) / PANGO_SCALE;
    *h = static_cast<double>(ph) / PANGO_SCALE;
    g_object_unref(layout);
}

double Text(cairo_t* cr, const std::string& text, double x, double y, const Font& font, const Colour& colour,
            Align align, double wrap) {
    PangoLayout* layout = MakeLayout(cr, text, font, wrap);
    if (wrap > 0) {
        pango_layout_set_alignment(layout, align == Align::Centre  ? PANGO_ALIGN_CENTER
                                           : align == Align::Right ? PANGO_ALIGN_RIGHT
                                                                   : PANGO_ALIGN_LEFT);
    }
    int pw = 0, ph = 0;
    pango_layout_get_size(layout, &pw, &ph);
    const double tw = wrap > 0 ? wrap : static_cast<double>(pw) / PANGO_SCALE;
    double left = x;
    if (align == Align::Centre) left = x - tw / 2;
    if (align == Align::Right) left = x - tw;
    cairo_save(cr);
    Set(cr, colour);
    cairo_move_to(cr, left, y);
    pango_cairo_show_layout(cr, layout);
    cairo_restore(cr);
    g_object_unref(layout);
    return static_cast<double>(pw) / PANGO_SCALE;
}

void TextMiddle(cairo_t* cr, const std::string& text, double cx, double cy, const Font& font, const Colour& colour,
                Align align) {
    PangoLayout* layout = MakeLayout(cr, text, font, 0);
    PangoRectangle ink, logical;
    pango_layout_get_pixel_extents(layout, &ink, &logical);
    g_object_unref(layout);
    // Centre on the ink, so capitals and digits sit in the middle.
    Text(cr, text, cx, cy - (ink.y + ink.height / 2.0), font, colour, align);
}

void UseReferenceLayout(cairo_t* cr, int w, int h) { cairo_scale(cr, w / 1362.0, h / 726.0); }

void Emblem(cairo_t* cr, double cx, double cy, double r, int stage) {
    using namespace ink;
    // A navy disc ringed in gold, three roofs (the three workplaces) and a
    // gold ingot under them.
    Circle(cr, cx, cy, r);
    FillPath(cr, kNavy);
    Circle(cr, cx, cy, r * 0.93);
    StrokePath(cr, kGold, r * 0.05);
    if (stage >= 2) {
        // Three small houses on one street, the middle one taller.
        const Colour roofs[3] = {kTeal, kCoral, kGreen};
        const double xs[3] = {-0.46, 0.0, 0.46};
        const double size[3] = {0.8, 1.0, 0.8};
        const double base = cy + 0.2 * r;
        for (int i = 0; i < 3; ++i) {
            const double x = cx + xs[i] * r, s = 0.3 * r * size[i];
            cairo_rectangle(cr, x - s * 0.62, base - s * 1.0, s * 1.24, s * 1.0);
            FillPath(cr, kCream);
            cairo_move_to(cr, x - s * 0.82, base - s * 0.92);
            cairo_line_to(cr, x, base - s * 1.75);
            cairo_line_to(cr, x + s * 0.82, base - s * 0.92);
            cairo_close_path(cr);
            FillPath(cr, roofs[i]);
            RoundedRect(cr, x - s * 0.2, base - s * 0.55, s * 0.4, s * 0.55, s * 0.06);
            FillPath(cr, roofs[i].Mix(kInk, 0.35));
        }
        cairo_rectangle(cr, cx - 0.78 * r, base, 1.56 * r, 0.035 * r);
        FillPath(cr, kCream.Alpha(0.8));
    }
    if (stage >= 3) {
        const double y = cy + 0.47 * r, bw = 0.56 * r, bh = 0.18 * r;
        cairo_move_to(cr, cx - bw / 2, y + bh / 2);
        cairo_line_to(cr, cx - bw / 2 + bh * 0.45, y - bh / 2);
        cairo_line_to(cr, cx + bw / 2 - bh * 0.45, y - bh / 2);
        cairo_line_to(cr, cx + bw / 2, y + bh / 2);
        cairo_close_path(cr);
        FillPath(cr, kGold);
        cairo_move_to(cr, cx - bw / 2 + bh * 0.45, y - bh / 2);
        cairo_line_to(cr, cx + bw / 2 - bh * 0.45, y - bh / 2);
        cairo_line_to(cr, cx + bw / 2 - bh * 0.7, y - bh * 0.1);
        cairo_line_to(cr, cx - bw / 2 + bh * 0.7, y - bh * 0.1);
        cairo_close_path(cr);
        FillPath(cr, kGoldLight);
    }
}

void Wordmark(cairo_t* cr, double cx, double cy, double px, const Colour& colour) {
    Font f;
    f.px = px;
    f.serif = false;
    TextMiddle(cr, "Zelk", cx, cy, f, colour);
}

void ButtonPlate(cairo_t* cr, double x, double y, double w, double h, double r, const Colour& face) {
    RoundedRect(cr, x, y, w, h, r);
    FillPath(cr, face.Mix(ink::kInk, 0.35));
    RoundedRect(cr, x, y, w, h - h * 0.07, r);
    FillPath(cr, face);
    RoundedRect(cr, x + 2, y + 2, w - 4, h * 0.45, r * 0.8);
    FillPath(cr, ink::kWhite.Alpha(0.10));
}

void ButtonGlow(cairo_t* cr, int w, int h, double shapeW, double shapeH, double r, double spread) {
    Halo(cr, w, h,
         [&](cairo_t* c) {
             RoundedRect(c, (w - shapeW) / 2, (h - shapeH) / 2, shapeW, shapeH, r);
             FillPath(c, ink::kWhite);
         },
         ink::kGoldLight.Alpha(0.95), spread, spread * 0.8);
}

}  // namespace art
