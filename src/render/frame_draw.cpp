// Frame composition: the camera, the animation phase, and the fixed order in
// which each frame is painted.
// Empty until its subsystem is written.
#include "render/render.h"
#include "shell/game_state.h"

void update_camera() {}
void draw_frame() {}
