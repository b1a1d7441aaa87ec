// The web page's side of the platform layer (built only with Emscripten):
// the save slot kept in the browser's IndexedDB, the passes and the end of
// the game told to the page, the page's touch controls as console buttons,
// and what the page's tests read back from the game.
#ifdef __EMSCRIPTEN__
#include <SDL.h>
#include <emscripten.h>
#include <string.h>

#include "save/save_slot.h"
#include "shell/game_state.h"
#include "shell/platform.h"
#include "shell/web.h"

// The browser's storage is mounted at /kept; the game reads and writes its
// slot where it always does, and a copy of it is kept there.
EM_ASYNC_JS(void, load_kept_save, (const char* slot), {
    FS.mkdir("/kept");
    FS.mount(IDBFS, {}, "/kept");
    const name = UTF8ToString(slot);
    const error = await new Promise(function(done) { FS.syncfs(true, done); });
    if (error) {
        if (Module.onSaveFailed)
            Module.onSaveFailed("the browser keeps no saves here: " + error);
        return;
    }
    if (FS.analyzePath("/kept/" + name).exists)
        FS.writeFile(name, FS.readFile("/kept/" + name));
});

EM_JS(void, keep_save, (const char* slot), {
    const name = UTF8ToString(slot);
    try {
        FS.writeFile("/kept/" + name, FS.readFile(name));
    } catch (e) {
        if (Module.onSaveFailed)
            Module.onSaveFailed("the save could not be copied: " + e);
        return;
    }
    FS.syncfs(false, function(error) {
        if (error && Module.onSaveFailed)
            Module.onSaveFailed("the browser did not store the save: " + error);
        else if (!error && Module.onSaveKept)
            Module.onSaveKept();
    });
});

EM_JS(void, tell_game_ended, (), {
    if (Module.onGameEnded)
        Module.onGameEnded();
});

EM_JS(void, tell_pass_done, (), {
    if (Module.onPass)
        Module.onPass();
});

void web_start() { load_kept_save(SAVE_FILE); }

void web_keep_save() { keep_save(SAVE_FILE); }

void web_game_ended() { tell_game_ended(); }

void web_pass_done() { tell_pass_done(); }

// A touch control of the page held or let go, by the console button's name
// that its label gives; false for a name that is none.
extern "C" EMSCRIPTEN_KEEPALIVE int web_hold(const char* name, int held)
{
    static const struct {
        const char* name;
        int button;
    } NAMED[] = { { "up", GP2X_UP }, { "down", GP2X_DOWN }, { "left", GP2X_LEFT }, { "right", GP2X_RIGHT },
        { "A", GP2X_A }, { "START", GP2X_START } };
    for (size_t i = 0; i < sizeof NAMED / sizeof NAMED[0]; i++)
        if (strcmp(NAMED[i].name, name) == 0) {
            SDL_Event event;
            memset(&event, 0, sizeof event);
            event.type = held ? CONSOLE_BUTTON_DOWN_EVENT : CONSOLE_BUTTON_UP_EVENT;
            event.user.code = NAMED[i].button;
            return SDL_PushEvent(&event) == 0;
        }
    return 0;
}

// Read back by the page's tests: the screen's 16-bit pixels, where the
// player stands, whether a monster is being fought and the menu is open.
extern "C" EMSCRIPTEN_KEEPALIVE const void* web_screen_pixels()
{
    return screen != NULL ? screen->pixels : NULL;
}

extern "C" EMSCRIPTEN_KEEPALIVE int web_screen_pitch() { return screen != NULL ? screen->pitch : 0; }

extern "C" EMSCRIPTEN_KEEPALIVE int web_player_x() { return player_x; }

extern "C" EMSCRIPTEN_KEEPALIVE int web_player_y() { return player_y; }

extern "C" EMSCRIPTEN_KEEPALIVE int web_in_battle() { return current_monster != NO_MONSTER; }

extern "C" EMSCRIPTEN_KEEPALIVE int web_menu_open() { return menu_state != MENU_CLOSED; }

#endif
