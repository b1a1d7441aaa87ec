// The battle against one monster: the typewriter of its messages, the battle
// menu and its four actions, the monster's turn, victory and its rewards,
// level-ups, escape and death.
#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "battle/battle.h"
#include "shell/game_state.h"

// A name is never read past its field, terminated or not.
static const int NAME_CHARS = MONSTER_NAME_SIZE - 1;

// Writes a new battle message, cut short rather than overrunning the buffer,
// and restarts its typewriter.
__attribute__((format(printf, 1, 2))) static void write_message(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    std::vsnprintf(battle_message, sizeof battle_message, format, args);
    va_end(args);
    message_chars = 0.0;
}

static const char* monster()
{
    return monster_name[current_monster];
}

// Hit points after a blow: never below 0, and no overflow whatever the numbers.
static int wound(int hp, int damage)
{
    const long long left = (long long)hp - damage;
    return left < 0 ? 0 : left > INT_MAX ? INT_MAX : (int)left;
}

// Experience and gold stop at the largest int instead of wrapping round.
static int add_capped(int value, int amount)
{
    const long long sum = (long long)value + amount;
    return sum > INT_MAX ? INT_MAX : sum < INT_MIN ? INT_MIN : (int)sum;
}

// Types the shown message on; a new press shows the rest of it at once, or,
// once it is all shown, dismisses it (the menu opens on Attack).
static void type_message()
{
    message_chars += 0.2;
    message_chars += 0.2;
    const size_t length = strnlen(battle_message, sizeof battle_message);
    if (length < message_chars && accept == BUTTON_PRESSED) {
        accept = BUTTON_HELD;
        battle_state = BATTLE_ATTACK;
    }
    if (length > message_chars && accept == BUTTON_PRESSED)
        message_chars = (double)length;
}

// exp_table is read only for the levels 0 to 8 it has entries for.
static bool level_up_due()
{
    return level >= 0 && level <= LEVEL_COUNT - 2 && exp >= exp_table[level];
}

// After a dismissed message: death, a level-up, the end of the battle, or the
// menu (the cursor stays on Attack).
static void check_outcome()
{
    if (player_hp <= 0) {
        write_message("You have died.");
        battle_state = BATTLE_MESSAGE;
    } else if (monster_hp <= 0) {
        if (level_up_due()) {
            level++;
            write_message("Your level increased to %d!", level + 1);
            battle_state = BATTLE_MESSAGE;
        } else {
            current_monster = NO_MONSTER;
        }
    }
    if (escape_pending == 1) {
        current_monster = NO_MONSTER;
        escape_pending = 0;
    }
}

// After the player's action: the monster strikes back, or, beaten, pays out.
static void monster_turn()
{
    if (monster_hp > 0) {
        const int attack = monster_attack[current_monster];
        const int roll = attack > 0 ? std::rand() % attack : 0;
        const int damage = (roll + attack) / 2;
        player_hp = wound(player_hp, damage);
        battle_amount = damage;
        write_message("The %.*s attacked and did %d damage.", NAME_CHARS, monster(), damage);
    } else {
        const int bound = monster_gold[current_monster];
        const int won = bound > 0 ? std::rand() % bound : 0;
        const int reward = monster_exp[current_monster];
        battle_amount = won;
        write_message(
            "You defeated the %.*s and gained %d exp and %d gold!", NAME_CHARS, monster(), reward, won);
        exp = add_capped(exp, reward);
        gold = add_capped(gold, won);
    }
    battle_state = BATTLE_MESSAGE;
}

// The 2 x 2 menu: Attack, Inventory / Magic, Run. Held directions chain
// through the four blocks in one frame.
static void move_cursor()
{
    if (battle_state == BATTLE_ATTACK) {
        if (right_button == BUTTON_PRESSED)
            battle_state = BATTLE_INVENTORY;
        if (down_button == BUTTON_PRESSED)
            battle_state = BATTLE_MAGIC;
    }
    if (battle_state == BATTLE_INVENTORY) {
        if (left_button == BUTTON_PRESSED)
            battle_state = BATTLE_ATTACK;
        if (down_button == BUTTON_PRESSED)
            battle_state = BATTLE_RUN;
    }
    if (battle_state == BATTLE_MAGIC) {
        if (right_button == BUTTON_PRESSED)
            battle_state = BATTLE_RUN;
        if (up_button == BUTTON_PRESSED)
            battle_state = BATTLE_ATTACK;
    }
    if (battle_state == BATTLE_RUN) {
        if (left_button == BUTTON_PRESSED)
            battle_state = BATTLE_MAGIC;
        if (up_button == BUTTON_PRESSED)
            battle_state = BATTLE_INVENTORY;
    }
}

// The menu entry under the cursor, chosen.
static void act()
{
    if (battle_state == BATTLE_ATTACK) {
        const int damage = std::rand() % 2 + level + 5;
        monster_hp = wound(monster_hp, damage);
        battle_amount = damage;
        write_message("You did %d damage to the %.*s.", damage, NAME_CHARS, monster());
        battle_state = BATTLE_ACTION;
    } else if (battle_state == BATTLE_INVENTORY) {
        write_message("You own nothing.");
        battle_state = BATTLE_ACTION;
    } else if (battle_state == BATTLE_MAGIC) {
        write_message("There is no such thing as magic. Stop being so superstitious.");
        battle_state = BATTLE_ACTION;
    } else if (battle_state == BATTLE_RUN) {
        if (std::rand() % 10 <= 4) {
            write_message("You tried to escape but failed.");
            battle_state = BATTLE_ACTION;
        } else {
            write_message("You successfully escaped!");
            battle_state = BATTLE_MESSAGE;
            escape_pending = 1;
        }
    }
}

void update_battle()
{
    // A fight against no monster of the table cannot go on: it simply ends.
    if (current_monster < 0 || current_monster >= MONSTER_COUNT) {
        current_monster = NO_MONSTER;
        escape_pending = 0;
        return;
    }

    if (battle_state == BATTLE_MESSAGE) {
        type_message();
        if (battle_state == BATTLE_ATTACK)
            check_outcome();
    }
    if (battle_state == BATTLE_ACTION) {
        type_message();
        if (battle_state == BATTLE_ATTACK)
            monster_turn();
    }
    if (battle_state >= BATTLE_ATTACK && battle_state <= BATTLE_RUN) {
        move_cursor();
        if (accept == BUTTON_PRESSED)
            act();
    }
}
