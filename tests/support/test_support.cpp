// Helpers shared by the tests.
#include "support/test_support.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <vector>

#include "shell/game_state.h"
#include "shell/shell.h"

// Every game variable a test may change, surfaces and clip tables aside.
#define GAME_VARIABLES(X)                                                                          \
    X(player_x) X(player_y) X(player_hp) X(player_mp) X(gold) X(exp) X(level) X(boxes_collected)   \
    X(player_frame) X(anim_phase) X(camera_x) X(camera_y) X(facing_x) X(facing_y)                   \
    X(current_monster) X(monster_hp) X(battle_state) X(battle_message) X(message_chars)            \
    X(battle_amount) X(escape_pending) X(monster_name) X(monster_max_hp) X(monster_attack)          \
    X(monster_exp) X(monster_gold) X(npc_x) X(npc_y) X(npc_sprite) X(npc_direction) X(npc_text)      \
    X(npc_step_counter) X(map_layers) X(collision_grid) X(boxes_remaining) X(start_button)         \
    X(accept) X(up_button) X(down_button) X(left_button) X(right_button) X(quit_requested)         \
    X(menu_state) X(text_buffer)

namespace {

struct Saved {
    void* where;
    std::vector<unsigned char> bytes;
};

std::vector<Saved>& initial_state()
{
    static std::vector<Saved> saved;
    if (saved.empty()) {
#define SAVE_VARIABLE(v)                                                                           \
    saved.push_back({(void*)&v, std::vector<unsigned char>((unsigned char*)&v, (unsigned char*)&v + sizeof(v))});
        GAME_VARIABLES(SAVE_VARIABLE)
#undef SAVE_VARIABLE
    }
    return saved;
}

// Taken before main runs, while every variable still holds its initial value.
const bool captured = (initial_state(), true);

} // namespace

void reset_game_state()
{
    (void)captured;
    for (const Saved& s : initial_state())
        std::memcpy(s.where, s.bytes.data(), s.bytes.size());
}

void open_test_screen()
{
    if (SDL_WasInit(SDL_INIT_VIDEO) == 0) {
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO | SDL_INIT_JOYSTICK), 0) << SDL_GetError();
    }
    if (screen == nullptr)
        screen = SDL_SetVideoMode(SCREEN_WIDTH, SCREEN_HEIGHT, SCREEN_BPP, 0);
    ASSERT_NE(screen, nullptr) << SDL_GetError();
    ASSERT_EQ(screen->format->BitsPerPixel, 16);
    drain_events();
}

void fill_clip_tables()
{
    for (int i = 0; i < SPRITE_FRAME_COUNT; i++)
        sprite_clips[i] = SDL_Rect{(Sint16)(20 * (i % 8)), (Sint16)(40 * (i / 8)), 20, 40};
    for (int i = 0; i < GLYPH_COUNT; i++)
        font_clips[i] = SDL_Rect{(Sint16)(6 * i), 0, 6, 10};
    for (int i = 0; i < TILES_PER_SHEET; i++)
        tile_clips[i] = SDL_Rect{(Sint16)(20 * i), 0, 20, 20};
}

void push_button(int button, bool pressed)
{
    SDL_Event event;
    std::memset(&event, 0, sizeof event);
    event.type = pressed ? SDL_JOYBUTTONDOWN : SDL_JOYBUTTONUP;
    event.jbutton.type = event.type;
    event.jbutton.which = 0;
    event.jbutton.button = (Uint8)button;
    event.jbutton.state = pressed ? SDL_PRESSED : SDL_RELEASED;
    ASSERT_EQ(SDL_PushEvent(&event), 0) << SDL_GetError();
}

void push_key(SDLKey key, bool pressed)
{
    SDL_Event event;
    std::memset(&event, 0, sizeof event);
    event.type = pressed ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.type = event.type;
    event.key.state = pressed ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = key;
    ASSERT_EQ(SDL_PushEvent(&event), 0) << SDL_GetError();
}

void push_quit()
{
    SDL_Event event;
    std::memset(&event, 0, sizeof event);
    event.type = SDL_QUIT;
    ASSERT_EQ(SDL_PushEvent(&event), 0) << SDL_GetError();
}

void drain_events()
{
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
    }
}

void run_frames(int frames)
{
    for (int i = 0; i < frames; i++)
        run_frame();
}

ScratchDir::ScratchDir()
{
    char cwd[4096];
    if (getcwd(cwd, sizeof cwd) != nullptr)
        previous = cwd;
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp ? tmp : "/tmp") + "/rpg-test-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (mkdtemp(name.data()) == nullptr)
        ADD_FAILURE() << "cannot make a scratch folder";
    dir = name.data();
    if (chdir(dir.c_str()) != 0)
        ADD_FAILURE() << "cannot enter " << dir;
}

ScratchDir::~ScratchDir()
{
    if (!previous.empty() && chdir(previous.c_str()) != 0)
        ADD_FAILURE() << "cannot return to " << previous;
    std::string command = "rm -rf '" + dir + "'";
    if (std::system(command.c_str()) != 0)
        ADD_FAILURE() << "cannot remove " << dir;
}

std::string build_dir() { return RPG_BUILD_DIR; }

void write_file(const std::string& path, const std::string& content)
{
    std::ofstream out(path, std::ios::binary);
    out << content;
    ASSERT_TRUE(out.good()) << path;
}

std::string read_file(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

bool file_exists(const std::string& path) { return access(path.c_str(), F_OK) == 0; }

SDL_Surface* make_surface(int w, int h, Uint8 r, Uint8 g, Uint8 b)
{
    SDL_PixelFormat* f = screen->format;
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 16, f->Rmask, f->Gmask, f->Bmask, 0);
    SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, r, g, b));
    return s;
}

Uint16 pixel16(SDL_Surface* surface, int x, int y)
{
    SDL_LockSurface(surface);
    Uint16 value = ((Uint16*)((Uint8*)surface->pixels + y * surface->pitch))[x];
    SDL_UnlockSurface(surface);
    return value;
}

void pixel_rgb(SDL_Surface* surface, int x, int y, Uint8* r, Uint8* g, Uint8* b)
{
    SDL_GetRGB(pixel16(surface, x, y), surface->format, r, g, b);
}
