// Desktop keys and the window's close button as console buttons. Joystick
// events never come through here; they reach the button table unchanged.
#include "shell/platform.h"

int key_to_button(SDLKey key)
{
    switch (key) {
    case SDLK_UP: return GP2X_UP;
    case SDLK_LEFT: return GP2X_LEFT;
    case SDLK_DOWN: return GP2X_DOWN;
    case SDLK_RIGHT: return GP2X_RIGHT;
    case SDLK_RETURN: return GP2X_START;
    case SDLK_BACKSPACE: return GP2X_SELECT;
    case SDLK_SPACE: return GP2X_A;
    case SDLK_z: return GP2X_A;
    case SDLK_x: return GP2X_B;
    case SDLK_c: return GP2X_X;
    case SDLK_v: return GP2X_Y;
    case SDLK_ESCAPE: return GP2X_L;
    default: return -1;
    }
}

bool translate_platform_event(const SDL_Event& event, int* button, bool* pressed)
{
    switch (event.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        *button = key_to_button(event.key.keysym.sym);
        *pressed = event.type == SDL_KEYDOWN;
        return *button >= 0;
    case SDL_QUIT:
        // A desktop window must close when asked: treat it as the L button.
        *button = GP2X_L;
        *pressed = true;
        return true;
    default:
        return false;
    }
}
