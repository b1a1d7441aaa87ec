// Images and surfaces: the nine PNG sheets converted to the screen's format
// with the cyan key, the clip tables that cut them, and the one blit.
#include <cstdio>

#include <SDL_image.h>

#include "render/render.h"
#include "shell/game_state.h"

SDL_Surface* load_image(const char* filename)
{
    SDL_Surface* loaded = IMG_Load(filename);
    if (loaded == nullptr) {
        std::fprintf(stderr, "gp2x-rpg: cannot load %s: %s\n", filename, IMG_GetError());
        return nullptr;
    }
    SDL_Surface* converted = SDL_DisplayFormat(loaded);
    SDL_FreeSurface(loaded);
    if (converted == nullptr) {
        std::fprintf(stderr, "gp2x-rpg: cannot convert %s: %s\n", filename, SDL_GetError());
        return nullptr;
    }
    Uint32 key = SDL_MapRGB(converted->format, 0, 0xFF, 0xFF);
    SDL_SetColorKey(converted, SDL_SRCCOLORKEY, key);
    return converted;
}

void load_images()
{
    charset = load_image("Media/charecterset.png");
    font_image = load_image("Media/font.png");
    text_window = load_image("Media/textwindow.png");
    tall_window = load_image("Media/tallwindow.png");
    tileset0 = load_image("Media/tileset0.png");
    tileset1 = load_image("Media/tileset1.png");
    tileset2 = load_image("Media/tileset2.png");
    tileset3 = load_image("Media/tileset3.png");
    tileset4 = load_image("Media/tileset4.png");

    for (int i = 0; i < SPRITE_FRAME_COUNT; i++) {
        sprite_clips[i].x = (Sint16)(SPRITE_WIDTH * (i % 8));
        sprite_clips[i].y = (Sint16)(SPRITE_HEIGHT * (i / 8));
        sprite_clips[i].w = SPRITE_WIDTH;
        sprite_clips[i].h = SPRITE_HEIGHT;
    }
    for (int i = 0; i < GLYPH_COUNT; i++) {
        font_clips[i].x = (Sint16)(GLYPH_WIDTH * i);
        font_clips[i].y = 0;
        font_clips[i].w = GLYPH_WIDTH;
        font_clips[i].h = GLYPH_HEIGHT;
    }
    for (int i = 0; i < TILES_PER_SHEET; i++) {
        tile_clips[i].x = (Sint16)(TILE_SIZE * i);
        tile_clips[i].y = 0;
        tile_clips[i].w = TILE_SIZE;
        tile_clips[i].h = TILE_SIZE;
    }
}

void apply_surface(int x, int y, SDL_Surface* source, SDL_Surface* destination, SDL_Rect* clip)
{
    if (source == nullptr || destination == nullptr)
        return;
    SDL_Rect offset;
    offset.x = (Sint16)x;
    offset.y = (Sint16)y;
    offset.w = 0;
    offset.h = 0;
    SDL_BlitSurface(source, clip, destination, &offset);
}
