// Helpers shared by the tests.
#include "support/test_support.h"

#include <unistd.h>

#include <fstream>
#include <sstream>

#include "common/headless.h"
#include "shell/system.h"

namespace
{

void push(SDL_Event& event)
{
    ASSERT_EQ(SDL_PushEvent(&event), 0) << SDL_GetError();
}

} // namespace

void open_test_screen()
{
    ASSERT_TRUE(open_screen()) << SDL_GetError();
    ASSERT_EQ(screen->format->BitsPerPixel, 16);
    drain_events();
}

void push_button(int button, bool pressed)
{
    ASSERT_TRUE(push_button_event(button, pressed)) << SDL_GetError();
}

void push_key(SDLKey key, bool pressed, SDLMod mod)
{
    SDL_Event event {};
    event.type = event.key.type = pressed ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.state = pressed ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = key;
    event.key.keysym.mod = mod;
    push(event);
}

void push_quit()
{
    SDL_Event event {};
    event.type = SDL_QUIT;
    push(event);
}

void drain_events()
{
    SDL_Event event;
    while (SDL_PollEvent(&event)) { }
}

void run_frames(int frames)
{
    for (int i = 0; i < frames; i++)
        run_frame();
}

void tap(int button)
{
    push_button(button, true);
    run_frame();
    push_button(button, false);
}

void frame(std::initializer_list<int> events)
{
    for (int e : events)
        push_button(e < 0 ? ~e : e, e >= 0);
    run_frame();
}

void fill_map(int ground)
{
    for (int layer = 0; layer < LAYER_COUNT; layer++)
        for (int x = 0; x < MAP_SIZE; x++)
            for (int y = 0; y < MAP_SIZE; y++)
                map_layers[layer][x][y] = layer == LAYER_GROUND ? ground : TILE_EMPTY;
    build_collision_grid();
}

Ints seeded_draws(unsigned seed, int count)
{
    std::srand(seed);
    Ints draws;
    for (int i = 0; i < count; i++)
        draws.push_back(std::rand());
    std::srand(seed);
    return draws;
}

unsigned seed_where(const std::function<bool(int)>& wanted)
{
    for (unsigned seed = 1;; seed++) {
        std::srand(seed);
        if (wanted(std::rand())) {
            std::srand(seed);
            return seed;
        }
    }
}

std::string stderr_of(const std::function<void()>& run)
{
    testing::internal::CaptureStderr();
    run();
    return testing::internal::GetCapturedStderr();
}

ScratchDir::ScratchDir()
{
    char cwd[4096];
    if (getcwd(cwd, sizeof cwd) != nullptr)
        previous = cwd;
    dir = enter_new_folder("rpg-test");
    if (dir.empty())
        ADD_FAILURE() << "cannot make a scratch folder";
}

ScratchDir::~ScratchDir()
{
    if (!previous.empty() && chdir(previous.c_str()) != 0)
        ADD_FAILURE() << "cannot return to " << previous;
    if (!remove_folder(dir))
        ADD_FAILURE() << "cannot remove " << dir;
}

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

bool file_exists(const std::string& path)
{
    return access(path.c_str(), F_OK) == 0;
}

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
