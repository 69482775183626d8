// The desktop launcher's icon: the game's emblem on a transparent square, at
// every size a desktop menu asks for, laid out as an icon theme's folders
// ("<size>x<size>/apps/<name>.png") ready to install under share/icons/hicolor.
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "Art.h"

namespace {

bool MakeFolder(const std::string& path) { return mkdir(path.c_str(), 0755) == 0 || errno == EEXIST; }

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER ICON_NAME\n", argv[0]);
        return 2;
    }
    const std::string root = argv[1];
    const int sizes[] = {16, 24, 32, 48, 64, 128, 256};
    for (int size : sizes) {
        const std::string folder = root + "/" + std::to_string(size) + "x" + std::to_string(size);
        if (!MakeFolder(root) || !MakeFolder(folder) || !MakeFolder(folder + "/apps")) {
            std::fprintf(stderr, "cannot make %s/apps\n", folder.c_str());
            return 1;
        }
        cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
        cairo_t* cr = cairo_create(surface);
        cairo_set_antialias(cr, CAIRO_ANTIALIAS_GRAY);
        // A small margin keeps the gold ring whole at 16 pixels.
        art::Emblem(cr, size / 2.0, size / 2.0, size * 0.47);
        cairo_destroy(cr);
        const std::string path = folder + "/apps/" + argv[2] + ".png";
        const cairo_status_t status = cairo_surface_write_to_png(surface, path.c_str());
        cairo_surface_destroy(surface);
        if (status != CAIRO_STATUS_SUCCESS) {
            std::fprintf(stderr, "%s: %s\n", path.c_str(), cairo_status_to_string(status));
            return 1;
        }
    }
    return 0;
}
