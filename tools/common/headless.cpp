// The harness the tests and tools run the game in: the screen, the console's
// button events, the player's place and scratch folders.
#include "common/headless.h"

#include <SDL.h>

#include <errno.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "shell/game_state.h"

bool open_screen(bool window)
{
    if (SDL_WasInit(SDL_INIT_VIDEO) != 0 && screen != nullptr)
        return true;
    if (!window)
        setenv("SDL_VIDEODRIVER", "dummy", 0);
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_JOYSTICK) != 0
        || (screen = SDL_SetVideoMode(SCREEN_WIDTH, SCREEN_HEIGHT, SCREEN_BPP, 0)) == nullptr) {
        std::fprintf(
            stderr, "%s: cannot open the screen: %s\n", program_invocation_short_name, SDL_GetError());
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
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp != nullptr ? tmp : "/tmp") + "/" + prefix + "-XXXXXX";
    std::vector<char> folder(pattern.begin(), pattern.end());
    folder.push_back('\0');
    if (mkdtemp(folder.data()) == nullptr || chdir(folder.data()) != 0)
        return "";
    return folder.data();
}

bool remove_folder(const std::string& folder)
{
    std::string command = "rm -rf '" + folder + "'";
    return std::system(command.c_str()) == 0;
}
