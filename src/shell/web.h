// The web page's hooks: the save slot kept in the browser, the passes and the
// end of the game told to the page. Elsewhere they do nothing and cost nothing.
#ifndef SHELL_WEB_H
#define SHELL_WEB_H

#include <stddef.h>

#ifdef __EMSCRIPTEN__
// Before the game starts: brings the save slot kept in the browser to where
// the game reads it.
void web_start();
// After a save was written: keeps it in the browser; a failure is shown on
// the page and the game plays on.
void web_keep_save();
// The player left the game (L, R, Escape): the page offers to start again.
void web_game_ended();
// After each pass of the main loop: the page counts them, and the first one
// ends its "Starting…".
void web_pass_done();
#define WEB_AFTER_PASS web_pass_done
#else
inline void web_start() {}
inline void web_keep_save() {}
inline void web_game_ended() {}
#define WEB_AFTER_PASS NULL
#endif

#endif
