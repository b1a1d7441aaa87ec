// Event dialogs.
// Empty until its subsystem is written.
#include "render/render.h"
#include "shell/game_state.h"

void draw_event_dialogs() {}
