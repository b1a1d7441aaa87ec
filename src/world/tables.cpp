// The fixed cast: ten monster types met at random, and seven characters who
// wander the map and speak one line each.
#include <cstring>
#include <cstdlib>

#include "shell/game_state.h"
#include "world/world.h"

namespace {

struct MonsterRow {
    const char* name;
    int max_hp, attack, exp_reward, gold_bound;
};

const MonsterRow MONSTERS[MONSTER_COUNT] = {
    {"Non mutated pineapple", 1, 0, 1, 0},
    {"Mouse", 3, 1, 2, 5},
    {"Rat", 4, 2, 3, 5},
    {"Rabid dog", 5, 3, 4, 5},
    {"Neo-Luddite", 10, 5, 4, 10},
    {"Sam Slade wannabe", 15, 7, 5, 15},
    {"Magnus Robot Fighter wannabe", 15, 7, 5, 15},
    {"Unironic raygun carrying luddite", 15, 10, 7, 25},
    {"Mutant pineapple", 50, 20, 25, 50},
    {"Giant mutant pineapple", 100, 30, 100, 250},
};

struct NpcRow {
    int sprite;
    const char* text;
};

const NpcRow NPCS[NPC_COUNT] = {
    {8, "Diz: You're a robot? I don't like robots. For realsies."},
    {16,
        "Zara: Diz is the token white cisgender heterosexual male charecter with no physical or mental "
        "handicaps."},
    {24, "Veza: Nice pink visor. It's refreshing to meet a game character thats out and proud."},
    {32, "Zaviveve: I HEART pineapples. why are they always trying to eat me in the not good way?"},
    {40, "Dav17: Who or what is a rivira revirod and why are they revolting?"},
    {48,
        "Ved19: There doesnt seem to have been an attempt to provide an explenation or narrative for this "
        "world."},
    {56, "Ruv14: I suspect that this reality was named before it was created."},
};

} // namespace

void init_monsters()
{
    for (int i = 0; i < MONSTER_COUNT; i++) {
        std::strncpy(monster_name[i], MONSTERS[i].name, MONSTER_NAME_SIZE - 1);
        monster_name[i][MONSTER_NAME_SIZE - 1] = '\0';
        monster_max_hp[i] = MONSTERS[i].max_hp;
        monster_attack[i] = MONSTERS[i].attack;
        monster_exp[i] = MONSTERS[i].exp_reward;
        monster_gold[i] = MONSTERS[i].gold_bound;
    }
}

void init_npcs()
{
    for (int i = 0; i < NPC_COUNT; i++) {
        npc_x[i] = NPC_START_X[i];
        npc_y[i] = NPC_START_Y[i];
        npc_sprite[i] = NPCS[i].sprite;
        npc_text[i] = NPCS[i].text;
        npc_direction[i] = std::rand() % 4 + 1;
    }
}
