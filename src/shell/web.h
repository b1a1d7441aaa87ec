// The web page's hooks: the save slot kept in the browser and the end of the
// game told to the page. Elsewhere they do nothing and cost nothing.
#ifndef SHELL_WEB_H
#define SHELL_WEB_H

#ifdef __EMSCRIPTEN__
// Before the game starts: brings the save slot kept in the browser to where
// the game reads it.
void web_start();
// After a save was written: keeps it in the browser; a failure is shown on
// the page and the game plays on.
void web_keep_save();
// The player left the game (L, R, Escape): the page offers to start again.
void web_game_ended();
#else
inline void web_start() {}
inline void web_keep_save() {}
inline void web_game_ended() {}
#endif

#endif
