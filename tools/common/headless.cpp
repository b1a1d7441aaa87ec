// The harness the tests and tools run the game in: the screen, the console's
// button events, the player's place and scratch folders.
#include "common/headless.h"

#include <SDL.h>

#include <unistd.h>

#include <cstdio>
#include <cstring>

#include "shell/game_state.h"
#include "shell/system.h"

bool open_screen(bool window)
{
    if (SDL_WasInit(SDL_INIT_VIDEO) != 0 && screen != nullptr)
        return true;
    if (!window)
        set_environment("SDL_VIDEODRIVER", "dummy", false);
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_JOYSTICK) != 0
        || (screen = SDL_SetVideoMode(SCREEN_WIDTH, SCREEN_HEIGHT, SCREEN_BPP, 0)) == nullptr) {
        std::fprintf(stderr, "%s: cannot open the screen: %s\n", program_name(), SDL_GetError());
        return false;
    }
    if (window && SDL_NumJoysticks() > 0)
        SDL_JoystickOpen(0);
    return true;
}

bool push_button_event(int button, bool pressed)
{
    SDL_Event event;
    std::memset(&event, 0, sizeof event);
    event.type = event.jbutton.type = pressed ? SDL_JOYBUTTONDOWN : SDL_JOYBUTTONUP;
    event.jbutton.which = 0;
    event.jbutton.button = (Uint8)button;
    event.jbutton.state = pressed ? SDL_PRESSED : SDL_RELEASED;
    return SDL_PushEvent(&event) == 0;
}

void place_player(int x, int y)
{
    player_x = facing_x = x;
    player_y = facing_y = y;
    camera_x = x - SCREEN_WIDTH / 2;
    camera_y = y - SCREEN_HEIGHT / 2;
}

std::string enter_new_folder(const char* prefix)
{
    const std::string folder = make_temp_folder(prefix);
    if (folder.empty() || chdir(folder.c_str()) != 0)
        return "";
    return folder;
}
