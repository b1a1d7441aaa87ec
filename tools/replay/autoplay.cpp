// The autoplayer: plays a scenario script headless through the game's own
// run_frame, pressing buttons as a player would, and writes what it pressed
// as a replay. Scenarios for the replay tests are made with it, so they can
// be made again when the map changes.
//
//   autoplay [--media DIR] SCRIPT > REPLAY
//
// Script lines (# starts a comment):
//   seed N              the seed of the game (first line)
//   policy attack|run   how battles met on the way are fought (attack)
//   goto CX CY          walk to the middle of map cell (CX, CY)
//   face up|down|left|right   walk that way until something stops the walk
//   press BUTTON        press a button (A, START, UP, DOWN...) for one frame
//   wait N              let N frames pass with no button held
//   use CX CY           walk up to the thing in cell (CX, CY), face it, confirm
//   talk N              walk up to character N until it stops to talk
//   encounter           walk to and fro until a monster is met
//   fight               play the battle to its end (or to death)
//   train LEVEL         meet and fight monsters until the level is reached
//   expect NAME VALUE   stop with an error unless the game holds VALUE
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <queue>
#include <sstream>
#include <string>

#include "common/headless.h"
#include "replay_io.h"
#include "shell/game_state.h"
#include "shell/platform.h"
#include "shell/shell.h"

namespace {

const int FRAME_LIMIT = 200000;

Replay replay;
int frame = 0;
std::map<int, bool> held; // console button -> held now
std::string policy = "attack";

void run_line(const std::string& line);

[[noreturn]] void fail(const std::string& why)
{
    std::fprintf(stderr, "autoplay: frame %d: %s\n", frame, why.c_str());
    std::exit(1);
}

// Runs one pass with exactly the buttons in `want` held.
void pass(const std::map<int, bool>& want)
{
    for (int button = 0; button < 16; button++) {
        bool now = held[button];
        auto w = want.find(button);
        bool next = w != want.end() && w->second;
        if (now != next) {
            replay.events.push_back({frame, button, next});
            push_button_event(button, next);
            held[button] = next;
        }
    }
    run_frame();
    if (++frame > FRAME_LIMIT)
        fail("the scenario runs too long");
}

bool in_battle() { return current_monster != NO_MONSTER; }

// One pass of the battle: a confirm press every other frame; with the run
// policy the cursor is held towards Run in the menu.
void battle_pass()
{
    std::map<int, bool> want;
    want[GP2X_A] = !held[GP2X_A];
    if (policy == "run" && battle_state >= BATTLE_ATTACK && battle_state <= BATTLE_RUN) {
        want[GP2X_DOWN] = true;
        want[GP2X_RIGHT] = true;
    }
    pass(want);
}

bool dead() { return player_hp == 0 && std::strcmp(battle_message, "You have died.") == 0; }

void fight()
{
    while (in_battle()) {
        battle_pass();
        if (dead()) {
            for (int i = 0; i < 120; i++)
                battle_pass(); // the death message, again and again
            return;
        }
    }
    pass({});
}

int cell_x() { return player_x / TILE_SIZE; }
int cell_y() { return player_y / TILE_SIZE; }
int middle_x(int cx) { return cx * TILE_SIZE + 10; }
int middle_y(int cy) { return cy * TILE_SIZE + 9; }

bool walkable(int cx, int cy)
{
    return cx >= 0 && cy >= 0 && cx < MAP_SIZE && cy < MAP_SIZE && collision_grid[cx][cy] == 0;
}

// The first cell of a shortest walk from the player's cell to (tx, ty).
bool next_cell(int tx, int ty, int* nx, int* ny)
{
    static int from[MAP_SIZE][MAP_SIZE];
    std::memset(from, -1, sizeof from);
    std::queue<int> open;
    open.push(tx * MAP_SIZE + ty);
    from[tx][ty] = tx * MAP_SIZE + ty;
    const int steps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    while (!open.empty()) {
        int x = open.front() / MAP_SIZE, y = open.front() % MAP_SIZE;
        open.pop();
        if (x == cell_x() && y == cell_y()) {
            *nx = from[x][y] / MAP_SIZE;
            *ny = from[x][y] % MAP_SIZE;
            return true;
        }
        for (const auto& s : steps) {
            int ax = x + s[0], ay = y + s[1];
            if ((walkable(ax, ay) || (ax == cell_x() && ay == cell_y())) && from[ax][ay] == -1) {
                from[ax][ay] = x * MAP_SIZE + y;
                open.push(ax * MAP_SIZE + ay);
            }
        }
    }
    return false;
}

// Holds the direction that brings `from` towards `to` on one axis.
void toward(std::map<int, bool>& want, int from, int to, int less, int more)
{
    if (to < from)
        want[less] = true;
    else if (to > from)
        want[more] = true;
}

// Fights out a monster met on the way, if there is one; true when it did.
bool fought_on_the_way()
{
    if (!in_battle())
        return false;
    fight();
    if (dead())
        fail("died on the way");
    return true;
}

void go_to(int tx, int ty)
{
    if (!walkable(tx, ty))
        fail("cell " + std::to_string(tx) + " " + std::to_string(ty) + " cannot be walked on");
    while (cell_x() != tx || cell_y() != ty || player_x != middle_x(tx) || player_y != middle_y(ty)) {
        if (fought_on_the_way())
            continue;
        std::map<int, bool> want;
        int nx, ny;
        if (cell_x() == tx && cell_y() == ty) {
            toward(want, player_x, middle_x(tx), GP2X_LEFT, GP2X_RIGHT);
            toward(want, player_y, middle_y(ty), GP2X_UP, GP2X_DOWN);
        } else if (!next_cell(tx, ty, &nx, &ny)) {
            fail("no way to cell " + std::to_string(tx) + " " + std::to_string(ty));
        } else if (nx != cell_x()) {
            // Straighten up in the row first, then step across.
            if (player_y != middle_y(cell_y()))
                toward(want, player_y, middle_y(cell_y()), GP2X_UP, GP2X_DOWN);
            else
                toward(want, player_x, middle_x(nx), GP2X_LEFT, GP2X_RIGHT);
        } else {
            if (player_x != middle_x(cell_x()))
                toward(want, player_x, middle_x(cell_x()), GP2X_LEFT, GP2X_RIGHT);
            else
                toward(want, player_y, middle_y(ny), GP2X_UP, GP2X_DOWN);
        }
        pass(want);
    }
    pass({});
}

// Walks to and fro beside the player's cell until a monster is met.
void encounter()
{
    int cx = cell_x(), cy = cell_y();
    int ox = cx, oy = cy;
    if (walkable(cx + 1, cy))
        ox = cx + 1;
    else if (walkable(cx - 1, cy))
        ox = cx - 1;
    else if (walkable(cx, cy + 1))
        oy = cy + 1;
    else
        oy = cy - 1;
    for (bool there = true; !in_battle(); there = !there) {
        int tx = there ? ox : cx, ty = there ? oy : cy;
        while (!in_battle() && (player_x != middle_x(tx) || player_y != middle_y(ty))) {
            std::map<int, bool> want;
            toward(want, player_x, middle_x(tx), GP2X_LEFT, GP2X_RIGHT);
            toward(want, player_y, middle_y(ty), GP2X_UP, GP2X_DOWN);
            pass(want);
        }
    }
}

// Approaches a blocked cell from a walkable side, walks against it so the
// facing point lies inside it, and confirms.
void use(int tx, int ty)
{
    const struct {
        int dx, dy;
        const char* face;
    } sides[4] = {{0, 1, "up"}, {0, -1, "down"}, {-1, 0, "right"}, {1, 0, "left"}};
    for (const auto& side : sides) {
        if (walkable(tx + side.dx, ty + side.dy)) {
            go_to(tx + side.dx, ty + side.dy);
            run_line(std::string("face ") + side.face);
            run_line("press A");
            return;
        }
    }
    fail("nothing beside cell " + std::to_string(tx) + " " + std::to_string(ty) + " to stand on");
}

bool facing_npc(int n)
{
    return facing_x - DIALOG_RANGE < npc_x[n] && npc_x[n] < facing_x + DIALOG_RANGE
        && facing_y - DIALOG_RANGE < npc_y[n] && npc_y[n] < facing_y + DIALOG_RANGE;
}

// Follows character n until the facing point is on it, then stays a while
// to read its line.
void talk(int n)
{
    while (!facing_npc(n)) {
        if (fought_on_the_way())
            continue;
        std::map<int, bool> want;
        int tx = npc_x[n] / TILE_SIZE, ty = npc_y[n] / TILE_SIZE, nx, ny;
        bool near = std::abs(tx - cell_x()) + std::abs(ty - cell_y()) <= 1;
        if (near) {
            toward(want, player_x, npc_x[n], GP2X_LEFT, GP2X_RIGHT);
            toward(want, player_y, npc_y[n], GP2X_UP, GP2X_DOWN);
        } else if (next_cell(tx, ty, &nx, &ny)) {
            if (nx != cell_x())
                toward(want, player_x, middle_x(nx), GP2X_LEFT, GP2X_RIGHT);
            else
                toward(want, player_y, middle_y(ny), GP2X_UP, GP2X_DOWN);
        } else {
            fail("no way to character " + std::to_string(n));
        }
        pass(want);
    }
    pass({});
    for (int i = 0; i < 30 && facing_npc(n); i++)
        pass({});
    if (!facing_npc(n))
        fail("character " + std::to_string(n) + " walked off");
}

void train(int wanted)
{
    while (level < wanted) {
        encounter();
        fight();
        if (dead())
            fail("died training");
    }
}

int button_named(const std::string& name)
{
    static const std::map<std::string, int> names = {{"UP", GP2X_UP}, {"DOWN", GP2X_DOWN},
        {"LEFT", GP2X_LEFT}, {"RIGHT", GP2X_RIGHT}, {"START", GP2X_START}, {"SELECT", GP2X_SELECT},
        {"A", GP2X_A}, {"B", GP2X_B}, {"X", GP2X_X}, {"Y", GP2X_Y}};
    auto found = names.find(name);
    if (found == names.end())
        fail("no button " + name);
    return found->second;
}

int value_named(const std::string& name)
{
    const std::map<std::string, int> values = {{"level", level}, {"exp", exp}, {"hp", player_hp},
        {"mp", player_mp}, {"gold", gold}, {"boxes", boxes_collected}, {"monster", current_monster},
        {"menu", menu_state}, {"x", player_x}, {"y", player_y}};
    auto found = values.find(name);
    if (found == values.end())
        fail("no value " + name);
    return found->second;
}

void run_line(const std::string& line)
{
    std::istringstream words(line);
    std::string command, a, b;
    words >> command >> a >> b;
    if (command == "policy") {
        policy = a;
    } else if (command == "goto") {
        go_to(std::atoi(a.c_str()), std::atoi(b.c_str()));
    } else if (command == "face") {
        const std::map<std::string, int> ways = {
            {"up", GP2X_UP}, {"down", GP2X_DOWN}, {"left", GP2X_LEFT}, {"right", GP2X_RIGHT}};
        auto way = ways.find(a);
        if (way == ways.end())
            fail("no direction " + a);
        for (int stopped = 0, x = player_x, y = player_y; stopped < 2 && !in_battle();) {
            pass({{way->second, true}});
            stopped = player_x == x && player_y == y ? stopped + 1 : 0;
            x = player_x;
            y = player_y;
        }
        pass({});
    } else if (command == "press") {
        pass({{button_named(a), true}});
        pass({});
    } else if (command == "wait") {
        for (int i = std::atoi(a.c_str()); i > 0; i--)
            pass({});
    } else if (command == "use") {
        use(std::atoi(a.c_str()), std::atoi(b.c_str()));
    } else if (command == "talk") {
        talk(std::atoi(a.c_str()));
    } else if (command == "train") {
        train(std::atoi(a.c_str()));
    } else if (command == "encounter") {
        encounter();
    } else if (command == "fight") {
        fight();
    } else if (command == "expect") {
        if (value_named(a) != std::atoi(b.c_str()))
            fail("expected " + a + " " + b + ", the game holds " + std::to_string(value_named(a)));
    } else {
        fail("cannot read \"" + line + "\"");
    }
}

} // namespace

int main(int argc, char** argv)
{
    const char* media = "Media";
    const char* script_path = nullptr;
    for (int i = 1; i < argc; i++) {
        if (std::strcmp(argv[i], "--media") == 0 && i + 1 < argc)
            media = argv[++i];
        else
            script_path = argv[i];
    }
    std::ifstream script(script_path != nullptr ? script_path : "");
    if (!script) {
        std::fprintf(stderr, "usage: autoplay [--media DIR] SCRIPT > REPLAY\n");
        return 2;
    }
    std::vector<std::string> lines;
    for (std::string line; std::getline(script, line);)
        if (!line.empty() && line[0] != '#')
            lines.push_back(line);
    if (lines.empty() || std::sscanf(lines[0].c_str(), "seed %u", &replay.seed) != 1) {
        std::fprintf(stderr, "autoplay: the script must begin with \"seed N\"\n");
        return 2;
    }

    std::string scratch = enter_scratch_folder(media);
    if (!open_screen(false))
        return 1;
    start_game(replay);
    for (size_t i = 1; i < lines.size(); i++)
        run_line(lines[i]);
    replay.end = frame;
    leave_scratch_folder(scratch);
    write_replay(stdout, replay);
    return 0;
}
