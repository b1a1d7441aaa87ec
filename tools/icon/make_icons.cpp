// make-icons: draws the desktop and web page icons from the game's own art,
// the robot the player walks as, cut from the character sheet as the game
// cuts it, on a transparent square and scaled with sharp pixels. A maskable
// icon (an installed web page's) fills its square with a colour and keeps the
// robot, scaled by a whole number, inside the middle that every mask shows.
// Run it where Media/ is:
//
//   make-icons [--maskable RRGGBB] OUT_FOLDER SIZE...
//                                     (writes OUT_FOLDER/SIZExSIZE/apps/gp2x-rpg.png)
#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "common/headless.h"
#include "common/png_write.h"
#include "render/render.h"
#include "shell/game_state.h"
#include "shell/system.h"

namespace
{

Uint32 pixel_at(SDL_Surface* s, int x, int y)
{
    const Uint8* p = (const Uint8*)s->pixels + y * s->pitch + x * s->format->BytesPerPixel;
    switch (s->format->BytesPerPixel) {
    case 2:
        return *(const Uint16*)p;
    case 4:
        return *(const Uint32*)p;
    default:
        return p[0] | p[1] << 8 | p[2] << 16;
    }
}

bool make_folders(const std::string& path)
{
    for (size_t at = path.find('/', 1); at != std::string::npos; at = path.find('/', at + 1))
        make_folder(path.substr(0, at).c_str());
    struct stat st;
    return stat(path.substr(0, path.rfind('/')).c_str(), &st) == 0;
}

} // namespace

int main(int argc, char** argv)
{
    // The background of a maskable icon, when one is asked for.
    bool maskable = false;
    unsigned long background = 0;
    if (argc > 2 && std::string(argv[1]) == "--maskable") {
        char* end = NULL;
        background = std::strtoul(argv[2], &end, 16);
        maskable = std::string(argv[2]).size() == 6 && *end == '\0';
        if (!maskable) {
            std::fprintf(stderr, "make-icons: %s is not a colour RRGGBB\n", argv[2]);
            return 2;
        }
        argc -= 2;
        argv += 2;
    }
    if (argc < 3) {
        std::fprintf(stderr, "usage: make-icons [--maskable RRGGBB] OUT_FOLDER SIZE...\n");
        return 2;
    }
    if (!open_screen())
        return 1;
    reset_game_state();
    load_images();
    if (charset == NULL)
        return 1;

    // The robot as a new game shows it, trimmed to its pixels.
    const SDL_Rect clip = sprite_clips[player_frame];
    const Uint32 key = charset->format->colorkey;
    int left = clip.w, top = clip.h, right = -1, bottom = -1;
    SDL_LockSurface(charset);
    for (int y = 0; y < clip.h; y++)
        for (int x = 0; x < clip.w; x++)
            if (pixel_at(charset, clip.x + x, clip.y + y) != key) {
                left = x < left ? x : left;
                right = x > right ? x : right;
                top = y < top ? y : top;
                bottom = y > bottom ? y : bottom;
            }
    if (right < 0) {
        std::fprintf(stderr, "make-icons: the player's sprite is empty\n");
        return 1;
    }
    // Centred on a square as wide as its taller side.
    const int w = right - left + 1, h = bottom - top + 1, side = w > h ? w : h;
    std::vector<unsigned char> square(side * side * 4, 0);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            Uint32 p = pixel_at(charset, clip.x + left + x, clip.y + top + y);
            if (p == key)
                continue;
            unsigned char* out = &square[((y + (side - h) / 2) * side + x + (side - w) / 2) * 4];
            SDL_GetRGB(p, charset->format, &out[0], &out[1], &out[2]);
            out[3] = 255;
        }
    SDL_UnlockSurface(charset);

    int status = 0;
    for (int i = 2; i < argc; i++) {
        const int size = std::atoi(argv[i]);
        if (size <= 0) {
            std::fprintf(stderr, "make-icons: %s is not a size\n", argv[i]);
            return 2;
        }
        // Each icon pixel takes the sheet pixel under its centre. A maskable
        // icon's robot stays inside the middle 56%, the largest square in
        // the circle of 80% that every mask keeps.
        const int inner = maskable && size * 56 / 100 >= side ? size * 56 / 100 / side * side : size;
        const int margin = (size - inner) / 2;
        std::vector<unsigned char> icon(size * size * 4);
        for (int y = 0; y < size; y++)
            for (int x = 0; x < size; x++) {
                unsigned char* out = &icon[(y * size + x) * 4];
                const int ix = x - margin, iy = y - margin;
                const int sx = (2 * ix + 1) * side / (2 * inner), sy = (2 * iy + 1) * side / (2 * inner);
                const unsigned char* in = NULL;
                if (ix >= 0 && ix < inner && iy >= 0 && iy < inner)
                    in = &square[(sy * side + sx) * 4];
                if (maskable && (in == NULL || in[3] == 0)) {
                    out[0] = (unsigned char)(background >> 16);
                    out[1] = (unsigned char)(background >> 8);
                    out[2] = (unsigned char)background;
                    out[3] = 255;
                } else {
                    for (int c = 0; c < 4; c++)
                        out[c] = in != NULL ? in[c] : 0;
                }
            }
        const std::string path = std::string(argv[1]) + "/" + argv[i] + "x" + argv[i] + "/apps/gp2x-rpg.png";
        if (!make_folders(path) || !write_png_rgba(path, size, size, icon.data()))
            status = 1;
    }
    SDL_Quit();
    return status;
}
