// Battles driven frame by frame through run_frame with pushed buttons and a
// seeded rand(): turns, messages, rewards, level-ups, escape and death.
#include <cstdio>

#include "support/test_support.h"

namespace
{

const int DISMISS = 0, ATTACK = 1, INVENTORY = 2, MAGIC = 3, RUN = 4;

// One frame with a confirm button newly pressed and `held` directions held during it.
void press(const Ints& held = {})
{
    for (int b : held)
        push_button(b, true);
    tap(GP2X_A);
    for (int b : held)
        push_button(b, false);
}

// Plays each step in turn: DISMISS lets the message type out and dismisses it
// (with `held` directions held), any other step chooses that menu entry. Returns
// the battle state and message that follow as "state: message".
std::string after(std::initializer_list<int> steps, const Ints& held = {})
{
    for (int step : steps) {
        if (step == DISMISS) {
            for (int i = 0; i < 500 && message_chars <= std::strlen(battle_message); i++)
                run_frame();
            press(held);
        } else {
            EXPECT_EQ(battle_state, 1) << "the menu is shown";
            static const Ints way[] = { {}, {}, { GP2X_RIGHT }, { GP2X_DOWN }, { GP2X_RIGHT, GP2X_DOWN } };
            press(way[step]);
        }
    }
    return std::to_string(battle_state) + ": " + battle_message;
}

class Battle : public ::testing::Test
{
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
    static void start_battle(int m, int hp = -1)
    {
        current_monster = m;
        monster_hp = hp < 0 ? monster_max_hp[m] : hp;
        std::snprintf(battle_message, TEXT_SIZE, "A %s approaches.", monster_name[m]);
        message_chars = 0.0;
        battle_state = 0;
    }
};

TEST_F(Battle, WonFightRunsFromTheApproachBackToExploration)
{
    const Ints r = seeded_draws(4, 5); // a blow of 6, then one of 5
    const int bite = (r[1] % 5 + 5) / 2, won = r[3] % 10;
    start_battle(4); // Neo-Luddite: 10 HP, attack 5, 4 exp, gold below 10
    EXPECT_EQ(after({ DISMISS }), "1: A Neo-Luddite approaches.");
    EXPECT_EQ(
        after({ ATTACK }), "5: You did " + std::to_string(r[0] % 2 + 5) + " damage to the Neo-Luddite.");
    EXPECT_EQ(monster_hp, 5 - r[0] % 2);
    EXPECT_EQ(after({ DISMISS }), "0: The Neo-Luddite attacked and did " + std::to_string(bite) + " damage.");
    EXPECT_EQ(Ints({ player_hp, battle_amount }), Ints({ 25 - bite, bite }));
    after({ DISMISS, ATTACK });
    EXPECT_EQ(Ints({ monster_hp, battle_amount }), Ints({ 0, r[2] % 2 + 5 }));
    EXPECT_EQ(after({ DISMISS }),
        "0: You defeated the Neo-Luddite and gained 4 exp and " + std::to_string(won) + " gold!");
    EXPECT_EQ(Ints({ exp, gold, current_monster }), Ints({ 4, 5 + won, 4 }));
    after({ DISMISS });
    EXPECT_EQ(Ints({ current_monster, level }), Ints({ -1, 0 }));
    EXPECT_EQ(std::rand(), r[4]) << "exactly four draws: two attacks, one bite, one purse";
}

TEST_F(Battle, VictoryShowsEachLevelUpInTurnButNoneFromTheLastLevel)
{
    // Beating the first monster pays 1 exp and no gold, and draws nothing for it.
    const Ints r = seeded_draws(3, 2);
    start_battle(0);
    EXPECT_EQ(after({ DISMISS, ATTACK, DISMISS }),
        "0: You defeated the Non mutated pineapple and gained 1 exp and 0 gold!");
    EXPECT_EQ(std::rand(), r[1]);

    // 5 to 30 exp at level 0 crosses 10 and 20; a level-up heals nothing.
    start_battle(8, 1);
    exp = 5;
    after({ DISMISS, ATTACK, DISMISS });
    EXPECT_EQ(exp, 30);
    EXPECT_EQ(after({ DISMISS }), "0: Your level increased to 2!");
    EXPECT_EQ(level, 1);
    EXPECT_EQ(after({ DISMISS }), "0: Your level increased to 3!");
    EXPECT_EQ(Ints({ level, player_hp }), Ints({ 2, 25 }));
    after({ DISMISS });
    EXPECT_EQ(current_monster, -1);

    for (int from : { 9, -1 }) {
        level = from;
        exp = 100000;
        start_battle(1, 1);
        after({ DISMISS, ATTACK, DISMISS, DISMISS });
        EXPECT_EQ(Ints({ current_monster, level }), Ints({ -1, from }));
    }
}

TEST_F(Battle, SuccessfulEscapeEndsOnDismissalWithoutABite)
{
    const Ints r = seeded_draws(seed_where([](int v) { return v % 10 == 5; }), 2);
    start_battle(9);
    EXPECT_EQ(after({ DISMISS, RUN }), "0: You successfully escaped!");
    run_frames(100);
    EXPECT_EQ(current_monster, 9) << "the battle waits for the message to be dismissed";
    press();
    EXPECT_EQ(Ints({ current_monster, escape_pending, player_hp }), Ints({ -1, 0, 25 }));
    EXPECT_EQ(std::rand(), r[1]);
}

TEST_F(Battle, FailedEscapeInventoryAndMagicCostTheTurn)
{
    const unsigned failing = seed_where([](int v) { return v % 10 == 4; });
    const std::pair<int, const char*> cases[]
        = { { RUN, "You tried to escape but failed." }, { INVENTORY, "You own nothing." },
              { MAGIC, "There is no such thing as magic. Stop being so superstitious." } };
    for (const auto& c : cases) {
        const Ints r = seeded_draws(failing, 3);
        player_hp = 25;
        start_battle(2); // Rat: attack 2, always bites for 1
        EXPECT_EQ(after({ DISMISS, c.first }), std::string("5: ") + c.second);
        EXPECT_EQ(after({ DISMISS }), "0: The Rat attacked and did 1 damage.");
        EXPECT_EQ(Ints({ player_hp, monster_hp }), Ints({ 24, 4 }));
        EXPECT_EQ(std::rand(), r[c.first == RUN ? 2 : 1]) << c.second;
        EXPECT_EQ(after({ DISMISS })[0], '1');
    }
}

TEST_F(Battle, DamageStaysWithinItsBounds)
{
    // Attack 0, 1 and 2 bite for 0, 0 and 1; the Giant mutant pineapple for
    // 15 to 29. Only a positive attack draws a number.
    const int cases[][3] = { { 0, 0, 0 }, { 1, 0, 0 }, { 2, 1, 1 }, { 9, 15, 29 } };
    for (const auto& c : cases) {
        const Ints r = seeded_draws(11 + c[0], 1);
        start_battle(c[0]);
        after({ DISMISS });
        for (int round = 0; round < 12; round++) {
            player_hp = 100;
            after({ INVENTORY, DISMISS });
            EXPECT_TRUE(c[0] != 0 || round != 0 || std::rand() == r[0]) << "a draw for an attack of 0";
            EXPECT_TRUE(100 - player_hp >= c[1] && 100 - player_hp <= c[2])
                << "monster " << c[0] << ": " << player_hp;
            EXPECT_EQ(battle_amount, 100 - player_hp);
            after({ DISMISS });
        }
    }

    // A 6 against the 3-HP Mouse is shown whole; its HP stops at 0.
    seed_where([](int v) { return v % 2 == 1; });
    start_battle(1);
    EXPECT_EQ(after({ DISMISS, ATTACK }), "5: You did 6 damage to the Mouse.");
    EXPECT_EQ(Ints({ battle_amount, monster_hp }), Ints({ 6, 0 }));

    // A bite bigger than the player's HP leaves 0.
    player_hp = 3;
    start_battle(9);
    after({ DISMISS, MAGIC, DISMISS });
    EXPECT_EQ(player_hp, 0);
}

TEST_F(Battle, DeathRepeatsAndOnlyLOrRLeaves)
{
    player_hp = 1;
    start_battle(9);
    EXPECT_EQ(after({ DISMISS, INVENTORY, DISMISS, DISMISS }), "0: You have died.");
    EXPECT_EQ(message_chars, 0.0);

    // Typed out in 35 calls to just below 14: the 36th call's press dismisses.
    run_frames(35);
    EXPECT_TRUE(message_chars > 13.9 && message_chars < 14.0) << message_chars;
    press();
    EXPECT_EQ(std::string(battle_message), "You have died.");
    EXPECT_EQ(message_chars, 0.0) << "written anew";

    // A press in the 35th call shows it all and dismisses nothing.
    run_frames(34);
    press();
    EXPECT_EQ(message_chars, 14.0);
    run_frame();
    EXPECT_DOUBLE_EQ(message_chars, 14.4) << "still the same message";
    press();
    EXPECT_EQ(message_chars, 0.0);

    for (int i = 0; i < 5; i++)
        after({ DISMISS });
    frame({ GP2X_START });
    EXPECT_EQ(std::to_string(battle_state) + ": " + battle_message, "0: You have died.");
    EXPECT_EQ(Ints({ menu_state, current_monster, quit_requested }), Ints({ 0, 9, 0 }));
    frame({ GP2X_R });
    EXPECT_TRUE(quit_requested);
}

TEST_F(Battle, DismissingPressChoosesNothingButHeldDirectionsMove)
{
    const Ints r = seeded_draws(5, 1);
    start_battle(3);
    EXPECT_EQ(after({ DISMISS }, { GP2X_RIGHT }), "2: A Rabid dog approaches.");
    EXPECT_EQ(std::rand(), r[0]);

    // Back to Attack; then RIGHT and DOWN held together chain to Run in one
    // frame, and stay there.
    frame({ GP2X_LEFT });
    EXPECT_EQ(battle_state, 1);
    frame({ ~GP2X_LEFT, GP2X_RIGHT, GP2X_DOWN });
    EXPECT_EQ(battle_state, 4);
    run_frames(3);
    EXPECT_EQ(battle_state, 4);
}

TEST_F(Battle, OddStateEndsTheFightAndMessagesNeverOverrun)
{
    // A monster index outside the table ends the fight without reading it.
    const Ints untouched = seeded_draws(1, 1);
    for (int odd : { 10, -2, INT_MAX }) {
        start_battle(5);
        current_monster = odd;
        battle_state = 5;
        message_chars = 100.0;
        press();
        EXPECT_EQ(Ints({ current_monster, battle_state }), Ints({ -1, 5 }));
    }
    EXPECT_EQ(std::rand(), untouched[0]);

    // A full 40-byte name without its terminator and the largest rewards:
    // the message is cut at 79 characters and the totals stop at INT_MAX.
    start_battle(7, 1);
    const std::string name(MONSTER_NAME_SIZE - 1, 'x');
    std::memset(monster_name[7], 'x', MONSTER_NAME_SIZE);
    monster_exp[7] = monster_gold[7] = INT_MAX;
    const Ints r = seeded_draws(9, 3);
    level = 9;
    exp = 10;
    gold = INT_MAX - 1;
    EXPECT_EQ(
        after({ DISMISS, INVENTORY, DISMISS }).substr(0, 7 + MONSTER_NAME_SIZE), "0: The " + name + " ");
    EXPECT_EQ(after({ DISMISS, ATTACK }),
        "5: You did " + std::to_string(r[1] % 2 + 14) + " damage to the " + name + ".");
    const std::string whole = "You defeated the " + name + " and gained 2147483647 exp and "
        + std::to_string(r[2] % INT_MAX) + " gold!";
    EXPECT_EQ(after({ DISMISS }), "0: " + whole.substr(0, TEXT_SIZE - 1));
    EXPECT_EQ(exp, INT_MAX);
    EXPECT_EQ(gold, r[2] % INT_MAX >= 1 ? INT_MAX : INT_MAX - 1);
}

} // namespace
