// make-media: draws the game's nine images, writing them into the folder
// named on the command line (the game's Media folder). The map is data of its
// own (data/map.dat), made with the map editor.
// Everything comes from code and fixed seeds: every run writes the same bytes.
#include <sys/stat.h>

#include <cstdio>
#include <string>
#include <vector>

#include "common/png_write.h"
#include "media.h"

namespace
{

bool write_image(const std::string& folder, const char* name, const Canvas& picture)
{
    std::vector<unsigned char> rgb;
    std::string problem;
    if (!picture.rgb_bytes(rgb, problem)) {
        std::fprintf(stderr, "make-media: %s: %s\n", name, problem.c_str());
        return false;
    }
    return write_png_rgb(folder + "/" + name, picture.width(), picture.height(), rgb.data());
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-media MEDIA_FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    mkdir(folder.c_str(), 0755);
    bool ok = write_image(folder, "charecterset.png", draw_characters())
        && write_image(folder, "font.png", draw_font())
        && write_image(folder, "textwindow.png", draw_text_window())
        && write_image(folder, "tallwindow.png", draw_tall_window());
    for (int layer = 0; ok && layer < 5; layer++) {
        std::string name = "tileset" + std::to_string(layer) + ".png";
        ok = write_image(folder, name.c_str(), draw_tileset(layer));
    }
    return ok ? 0 : 1;
}
