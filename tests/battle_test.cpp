// Battles driven frame by frame through run_frame with pushed buttons and a
// seeded rand(): turns, messages, rewards, level-ups, escape and death.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "shell/game_state.h"
#include "shell/platform.h"
#include "shell/shell.h"
#include "support/test_support.h"
#include "world/world.h"

namespace {

const int NOTHING = 0, ATTACK = 1, INVENTORY = 2, MAGIC = 3, RUN = 4;

// The values rand() is about to give after srand(seed), which stays in force.
std::vector<int> seeded_draws(unsigned seed, int count)
{
    std::srand(seed);
    std::vector<int> draws;
    for (int i = 0; i < count; i++)
        draws.push_back(std::rand());
    std::srand(seed);
    return draws;
}

// The first seed whose first draw suits the test.
template <class Wanted> unsigned seed_where(Wanted wanted)
{
    for (unsigned seed = 1; seed < 1000; seed++) {
        std::srand(seed);
        if (wanted(std::rand()))
            return seed;
    }
    ADD_FAILURE() << "no such seed";
    return 1;
}

class Battle : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_game_state();
        open_test_screen();
        init_monsters();
        player_hp = 25;
    }
    void TearDown() override { drain_events(); }

    // A battle begun as exploration begins one.
    void start_battle(int m)
    {
        current_monster = m;
        monster_hp = monster_max_hp[m];
        battle_message[0] = '\0';
        std::strcat(std::strcat(std::strcat(battle_message, "A "), monster_name[m]), " approaches.");
        message_chars = 0.0;
        battle_state = 0;
    }

    // One frame with a confirm button newly pressed (released next frame),
    // with the given directions held during it.
    void press(std::vector<int> held = {})
    {
        for (int b : held)
            push_button(b, true);
        push_button(GP2X_A, true);
        run_frame();
        push_button(GP2X_A, false);
        for (int b : held)
            push_button(b, false);
    }

    // Lets the message type out, then presses once.
    void dismiss(std::vector<int> held = {})
    {
        for (int i = 0; i < 500 && message_chars <= std::strlen(battle_message); i++)
            run_frame();
        press(held);
    }

    void choose(int entry)
    {
        ASSERT_EQ(battle_state, 1);
        static const std::vector<int> way[] = {{}, {}, {GP2X_RIGHT}, {GP2X_DOWN}, {GP2X_RIGHT, GP2X_DOWN}};
        press(way[entry]);
    }

    void expect_message(int state, const std::string& text)
    {
        EXPECT_EQ(battle_state, state);
        EXPECT_EQ(std::string(battle_message), text);
    }
};

TEST_F(Battle, WonFightRunsFromTheApproachBackToExploration)
{
    std::vector<int> r = seeded_draws(7, 5);
    start_battle(4); // Neo-Luddite: 10 HP, attack 5, 4 exp, gold below 10
    dismiss();
    expect_message(1, "A Neo-Luddite approaches.");

    choose(ATTACK);
    const int first = r[0] % 2 + 5;
    expect_message(5, "You did " + std::to_string(first) + " damage to the Neo-Luddite.");
    EXPECT_EQ(monster_hp, 10 - first);

    dismiss();
    const int bite = (r[1] % 5 + 5) / 2;
    expect_message(0, "The Neo-Luddite attacked and did " + std::to_string(bite) + " damage.");
    EXPECT_EQ(player_hp, 25 - bite);
    EXPECT_EQ(battle_amount, bite);

    dismiss();
    EXPECT_EQ(battle_state, 1);
    choose(ATTACK);
    EXPECT_EQ(monster_hp, 0);
    EXPECT_EQ(battle_amount, r[2] % 2 + 5);

    dismiss();
    const int won = r[3] % 10;
    expect_message(0, "You defeated the Neo-Luddite and gained 4 exp and " + std::to_string(won) + " gold!");
    EXPECT_EQ(exp, 4);
    EXPECT_EQ(gold, 5 + won);
    EXPECT_EQ(current_monster, 4);

    dismiss();
    EXPECT_EQ(current_monster, -1);
    EXPECT_EQ(level, 0);
    EXPECT_EQ(std::rand(), r[4]) << "exactly four draws: two attacks, one bite, one purse";
}

TEST_F(Battle, VictoryShowsEachLevelUpInTurn)
{
    // Beating the first monster pays 1 exp and no gold, and draws nothing for it.
    std::vector<int> r = seeded_draws(3, 2);
    start_battle(0);
    dismiss();
    choose(ATTACK);
    dismiss();
    expect_message(0, "You defeated the Non mutated pineapple and gained 1 exp and 0 gold!");
    EXPECT_EQ(std::rand(), r[1]);

    // 5 to 30 exp at level 0 crosses 10 and 20.
    start_battle(8);
    monster_hp = 1;
    exp = 5;
    dismiss();
    choose(ATTACK);
    dismiss();
    EXPECT_EQ(exp, 30);
    dismiss();
    expect_message(0, "Your level increased to 2!");
    EXPECT_EQ(level, 1);
    dismiss();
    expect_message(0, "Your level increased to 3!");
    EXPECT_EQ(level, 2);
    EXPECT_EQ(player_hp, 25) << "a level-up heals nothing";
    dismiss();
    EXPECT_EQ(current_monster, -1);
    EXPECT_EQ(level, 2);
}

TEST_F(Battle, NoLevelUpPastTheLastLevelNorFromABadOne)
{
    for (int from : {9, -1}) {
        level = from;
        exp = 100000;
        start_battle(1);
        monster_hp = 1;
        dismiss();
        choose(ATTACK);
        dismiss();
        dismiss();
        EXPECT_EQ(current_monster, -1) << "level " << from;
        EXPECT_EQ(level, from);
    }
}

TEST_F(Battle, SuccessfulEscapeEndsOnDismissalWithoutABite)
{
    unsigned seed = seed_where([](int v) { return v % 10 == 5; });
    std::vector<int> r = seeded_draws(seed, 2);
    start_battle(9);
    dismiss();
    choose(RUN);
    expect_message(0, "You successfully escaped!");
    EXPECT_EQ(escape_pending, 1);
    run_frames(100);
    EXPECT_EQ(current_monster, 9) << "the battle waits for the message to be dismissed";
    press();
    EXPECT_EQ(current_monster, -1);
    EXPECT_EQ(escape_pending, 0);
    EXPECT_EQ(player_hp, 25);
    EXPECT_EQ(std::rand(), r[1]);
}

TEST_F(Battle, FailedEscapeInventoryAndMagicCostTheTurn)
{
    unsigned failing = seed_where([](int v) { return v % 10 == 4; });
    struct Case {
        int entry;
        const char* text;
        int draws;
    };
    for (Case c : {Case{RUN, "You tried to escape but failed.", 2}, Case{INVENTORY, "You own nothing.", 1},
             Case{MAGIC, "There is no such thing as magic. Stop being so superstitious.", 1}}) {
        std::vector<int> r = seeded_draws(failing, 3);
        player_hp = 25;
        start_battle(2); // Rat: attack 2, always bites for 1
        dismiss();
        choose(c.entry);
        expect_message(5, c.text);
        dismiss();
        expect_message(0, "The Rat attacked and did 1 damage.");
        EXPECT_EQ(player_hp, 24);
        EXPECT_EQ(monster_hp, 4);
        EXPECT_EQ(std::rand(), r[c.draws]) << c.text;
        dismiss();
        EXPECT_EQ(battle_state, 1);
    }
}

TEST_F(Battle, DamageStaysWithinItsBounds)
{
    // Attack 0, 1 and 2 bite for 0, 0 and 1; the Giant mutant pineapple for 15 to 29.
    struct Case {
        int monster, low, high;
    };
    for (Case c : {Case{0, 0, 0}, Case{1, 0, 0}, Case{2, 1, 1}, Case{9, 15, 29}}) {
        std::srand(11 + c.monster);
        start_battle(c.monster);
        dismiss();
        for (int round = 0; round < 12; round++) {
            player_hp = 100;
            choose(INVENTORY);
            dismiss();
            const int bite = 100 - player_hp;
            EXPECT_GE(bite, c.low) << "monster " << c.monster;
            EXPECT_LE(bite, c.high) << "monster " << c.monster;
            EXPECT_EQ(battle_amount, bite);
            dismiss();
        }
    }

    // A 6 against the 3-HP Mouse is shown whole; its HP stops at 0.
    std::srand(seed_where([](int v) { return v % 2 == 1; }));
    start_battle(1);
    dismiss();
    choose(ATTACK);
    expect_message(5, "You did 6 damage to the Mouse.");
    EXPECT_EQ(battle_amount, 6);
    EXPECT_EQ(monster_hp, 0);

    std::srand(seed_where([](int v) { return v % 2 == 0; }));
    start_battle(4);
    dismiss();
    choose(ATTACK);
    EXPECT_EQ(monster_hp, 5) << "the level-0 player's other blow is 5";

    // A bite bigger than the player's HP leaves 0.
    player_hp = 3;
    start_battle(9);
    dismiss();
    choose(MAGIC);
    dismiss();
    EXPECT_EQ(player_hp, 0);
}

TEST_F(Battle, DeathRepeatsAndOnlyLOrRLeaves)
{
    player_hp = 1;
    start_battle(9);
    dismiss();
    choose(INVENTORY);
    dismiss();
    dismiss();
    expect_message(0, "You have died.");
    EXPECT_EQ(message_chars, 0.0);

    // Typed out in 35 calls to just below 14: the 36th call's press dismisses.
    run_frames(35);
    EXPECT_LT(message_chars, 14.0);
    EXPECT_GT(message_chars, 13.9);
    press();
    expect_message(0, "You have died.");
    EXPECT_EQ(message_chars, 0.0) << "written anew";

    // A press while typing shows it all and dismisses nothing.
    run_frames(3);
    press();
    EXPECT_EQ(message_chars, 14.0);
    run_frame();
    EXPECT_DOUBLE_EQ(message_chars, 14.4) << "still the same message";
    press();
    EXPECT_EQ(message_chars, 0.0);

    for (int i = 0; i < 5; i++)
        dismiss();
    push_button(GP2X_START, true);
    run_frame();
    expect_message(0, "You have died.");
    EXPECT_EQ(menu_state, 0);
    EXPECT_EQ(current_monster, 9);
    EXPECT_FALSE(quit_requested);
    push_button(GP2X_R, true);
    run_frame();
    EXPECT_TRUE(quit_requested);
}

TEST_F(Battle, DismissingPressChoosesNothingButHeldDirectionsMove)
{
    std::vector<int> r = seeded_draws(5, 1);
    start_battle(3);
    dismiss({GP2X_RIGHT});
    expect_message(2, "A Rabid dog approaches.");
    EXPECT_EQ(std::rand(), r[0]);

    // Back to Attack; then RIGHT and DOWN held together chain to Run in one
    // frame, and stay there.
    push_button(GP2X_LEFT, true);
    run_frame();
    EXPECT_EQ(battle_state, 1);
    push_button(GP2X_LEFT, false);
    push_button(GP2X_RIGHT, true);
    push_button(GP2X_DOWN, true);
    run_frame();
    EXPECT_EQ(battle_state, 4);
    run_frames(3);
    EXPECT_EQ(battle_state, 4);
}

TEST_F(Battle, OddStateEndsTheFightAndMessagesNeverOverrun)
{
    // A monster index outside the table ends the fight without reading it.
    std::vector<int> untouched = seeded_draws(1, 1);
    for (int odd : {10, -2, INT_MAX}) {
        start_battle(5);
        current_monster = odd;
        battle_state = 5;
        message_chars = 100.0;
        press();
        EXPECT_EQ(current_monster, -1);
        EXPECT_EQ(battle_state, 5);
    }
    EXPECT_EQ(std::rand(), untouched[0]);

    // A full 40-byte name without its terminator and the largest rewards:
    // the message is cut at 79 characters and the totals stop at INT_MAX.
    start_battle(7);
    std::memset(monster_name[7], 'x', MONSTER_NAME_SIZE);
    monster_exp[7] = INT_MAX;
    monster_gold[7] = INT_MAX;
    std::vector<int> r = seeded_draws(9, 3);
    level = 9;
    exp = 10;
    gold = INT_MAX - 1;
    monster_hp = 1;
    dismiss();
    choose(INVENTORY);
    dismiss();
    EXPECT_EQ(std::string(battle_message).substr(0, 4 + MONSTER_NAME_SIZE),
        "The " + std::string(MONSTER_NAME_SIZE - 1, 'x') + " ");
    dismiss();
    choose(ATTACK);
    EXPECT_EQ(std::string(battle_message), "You did " + std::to_string(r[1] % 2 + 14) + " damage to the " +
                                                 std::string(MONSTER_NAME_SIZE - 1, 'x') + ".");
    dismiss();
    const std::string whole = "You defeated the " + std::string(MONSTER_NAME_SIZE - 1, 'x') +
        " and gained 2147483647 exp and " + std::to_string(r[2] % INT_MAX) + " gold!";
    EXPECT_EQ(std::string(battle_message), whole.substr(0, TEXT_SIZE - 1));
    EXPECT_EQ(exp, INT_MAX);
    EXPECT_EQ(gold, r[2] % INT_MAX >= 1 ? INT_MAX : INT_MAX - 1);
}

} // namespace
