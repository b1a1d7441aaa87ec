// make-media: draws the game's nine images, writing them into the folder
// named on the command line (the game's Media folder). The map is data of its
// own (data/map.dat), made with the map editor.
// Everything comes from code and fixed seeds: every run writes the same bytes.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "common/png_write.h"
#include "media.h"
#include "render/render.h"
#include "shell/game_state.h"
#include "shell/system.h"

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

// The picture drawn for each of the game's images, found by the surface the
// game loads it into; none for a surface it knows nothing of.
std::optional<Canvas> draw_image(SDL_Surface** surface)
{
    SDL_Surface** const tilesets[] = { &tileset0, &tileset1, &tileset2, &tileset3, &tileset4 };
    for (int layer = 0; layer < 5; layer++)
        if (surface == tilesets[layer])
            return draw_tileset(layer);
    if (surface == &charset)
        return draw_characters();
    if (surface == &font_image)
        return draw_font();
    if (surface == &text_window)
        return draw_text_window();
    if (surface == &tall_window)
        return draw_tall_window();
    return std::nullopt;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-media MEDIA_FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    make_folder(folder.c_str());
    bool ok = true;
    for (const ImageFile& image : IMAGE_FILES) {
        std::optional<Canvas> picture = draw_image(image.surface);
        if (!picture)
            std::fprintf(stderr, "make-media: nothing draws %s\n", image.name);
        ok = ok && picture && write_image(folder, image.name, *picture);
    }
    return ok ? 0 : 1;
}
