// PNG writing with libpng, shared by the media generator and the tools that
// save what the game draws.
#include "common/png_write.h"

#include <png.h>

#include <cstdio>
#include <vector>

namespace
{

bool write_png(const std::string& path, int w, int h, int channels, const unsigned char* pixels)
{
    if (w <= 0 || h <= 0 || pixels == nullptr)
        return false;
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        return false;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (png == nullptr || info == nullptr) {
        png_destroy_write_struct(&png, nullptr);
        std::fclose(file);
        return false;
    }
    std::vector<png_bytep> rows((size_t)h);
    for (int y = 0; y < h; y++)
        rows[(size_t)y] = (png_bytep)(pixels + (size_t)y * (size_t)w * (size_t)channels);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        std::fprintf(stderr, "cannot encode %s\n", path.c_str());
        return false;
    }
    png_init_io(png, file);
    png_set_compression_level(png, 9);
    png_set_IHDR(png, info, (png_uint_32)w, (png_uint_32)h, 8,
        channels == 4 ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
        PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    if (std::fclose(file) != 0) {
        std::fprintf(stderr, "cannot finish %s\n", path.c_str());
        return false;
    }
    return true;
}

} // namespace

bool write_png_rgb(const std::string& path, int w, int h, const unsigned char* rgb)
{
    return write_png(path, w, h, 3, rgb);
}

bool write_png_rgba(const std::string& path, int w, int h, const unsigned char* rgba)
{
    return write_png(path, w, h, 4, rgba);
}

bool write_surface_png(const std::string& path, SDL_Surface* surface)
{
    if (surface == nullptr)
        return false;
    const int bpp = surface->format->BytesPerPixel;
    if (bpp < 1 || bpp > 4)
        return false;
    std::vector<unsigned char> rgb((size_t)surface->w * (size_t)surface->h * 3);
    if (SDL_LockSurface(surface) != 0)
        return false;
    for (int y = 0; y < surface->h; y++) {
        const Uint8* row = (const Uint8*)surface->pixels + (size_t)y * surface->pitch;
        for (int x = 0; x < surface->w; x++) {
            const Uint8* p = row + (size_t)x * (size_t)bpp;
            Uint32 value = 0;
            switch (bpp) {
            case 1: value = *p; break;
            case 2: value = *(const Uint16*)p; break;
            case 3:
                value = SDL_BYTEORDER == SDL_LIL_ENDIAN ? (Uint32)(p[0] | p[1] << 8 | p[2] << 16)
                                                        : (Uint32)(p[2] | p[1] << 8 | p[0] << 16);
                break;
            default: value = *(const Uint32*)p; break;
            }
            unsigned char* out = &rgb[((size_t)y * (size_t)surface->w + (size_t)x) * 3];
            SDL_GetRGB(value, surface->format, &out[0], &out[1], &out[2]);
        }
    }
    SDL_UnlockSurface(surface);
    return write_png_rgb(path, surface->w, surface->h, rgb.data());
}
