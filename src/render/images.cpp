// Images and surfaces: the table of the nine PNG sheets, each converted to
// the screen's format with the cyan key, the clip tables that cut them, and
// the one blit.
#include <cstdio>

#include <SDL_image.h>

#include "render/render.h"
#include "shell/game_state.h"

void fill_clip_tables()
{
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

SDL_Surface* load_image(const char* filename)
{
    SDL_Surface* loaded = IMG_Load(filename);
    if (loaded == NULL) {
        std::fprintf(stderr, "gp2x-rpg: cannot load %s: %s\n", filename, IMG_GetError());
        return NULL;
    }
    SDL_Surface* converted = SDL_DisplayFormat(loaded);
    SDL_FreeSurface(loaded);
    if (converted == NULL) {
        std::fprintf(stderr, "gp2x-rpg: cannot convert %s: %s\n", filename, SDL_GetError());
        return NULL;
    }
    Uint32 key = SDL_MapRGB(converted->format, 0, 0xFF, 0xFF);
    SDL_SetColorKey(converted, SDL_SRCCOLORKEY, key);
    return converted;
}

const ImageFile IMAGE_FILES[IMAGE_COUNT] = {
    { "charecterset.png", &charset },
    { "font.png", &font_image },
    { "textwindow.png", &text_window },
    { "tallwindow.png", &tall_window },
    { "tileset0.png", &tileset0 },
    { "tileset1.png", &tileset1 },
    { "tileset2.png", &tileset2 },
    { "tileset3.png", &tileset3 },
    { "tileset4.png", &tileset4 },
};

void load_images()
{
    for (int i = 0; i < IMAGE_COUNT; i++) {
        char path[64];
        std::snprintf(path, sizeof path, "Media/%s", IMAGE_FILES[i].name);
        *IMAGE_FILES[i].surface = load_image(path);
    }

    fill_clip_tables();
    update_ground_sheet();
}

// Every frame covers the screen with ground tiles; a keyed blit tests each
// pixel against the key, a plain one copies whole rows. Tiles of tileset0
// without a single key pixel look the same either way, so they are drawn
// from a copy of the sheet without the key, made when the sheet is loaded.
static SDL_Surface* ground_unkeyed = NULL;
static const SDL_Surface* ground_source = NULL;
static bool ground_tile_solid[TILES_PER_SHEET];

static bool usable_ground_sheet(const SDL_Surface* sheet)
{
    return sheet != NULL && (sheet->flags & SDL_SRCCOLORKEY) != 0 && sheet->format->BytesPerPixel == 2
        && sheet->w >= TILE_SIZE * TILES_PER_SHEET && sheet->h >= TILE_SIZE;
}

void update_ground_sheet()
{
    SDL_FreeSurface(ground_unkeyed);
    ground_unkeyed = NULL;
    ground_source = NULL;
    if (!usable_ground_sheet(tileset0))
        return;
    ground_unkeyed = SDL_ConvertSurface(tileset0, tileset0->format, SDL_SWSURFACE);
    if (ground_unkeyed == NULL)
        return;
    SDL_SetColorKey(ground_unkeyed, 0, 0);
    ground_source = tileset0;
    const Uint32 key = tileset0->format->colorkey;
    for (int tile = 0; tile < TILES_PER_SHEET; tile++) {
        bool solid = true;
        for (int y = 0; y < TILE_SIZE && solid; y++) {
            const Uint16* row = (const Uint16*)((const Uint8*)tileset0->pixels + y * tileset0->pitch);
            for (int x = TILE_SIZE * tile; x < TILE_SIZE * (tile + 1) && solid; x++)
                solid = row[x] != key;
        }
        ground_tile_solid[tile] = solid;
    }
}

SDL_Surface* ground_sheet(int tile)
{
    if (ground_unkeyed != NULL && tileset0 == ground_source && tile >= 0 && tile < TILES_PER_SHEET
        && ground_tile_solid[tile])
        return ground_unkeyed;
    return tileset0;
}

void apply_surface(int x, int y, SDL_Surface* source, SDL_Surface* destination, SDL_Rect* clip)
{
    if (source == NULL || destination == NULL)
        return;
    SDL_Rect offset;
    offset.x = (Sint16)x;
    offset.y = (Sint16)y;
    offset.w = 0;
    offset.h = 0;
    SDL_BlitSurface(source, clip, destination, &offset);
}
