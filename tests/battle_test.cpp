// Battles driven frame by frame through run_frame with pushed buttons and a
// seeded rand(): turns, messages, rewards, level-ups, escape and death.
#include "support/test_support.h"

namespace
{

// A step of after(): let the message type out and dismiss it. The other steps
// are the menu's entries, BATTLE_ATTACK to BATTLE_RUN.
const int DISMISS = BATTLE_MESSAGE;
const int ATTACK = BATTLE_ATTACK, INVENTORY = BATTLE_INVENTORY, MAGIC = BATTLE_MAGIC, RUN = BATTLE_RUN;

// A battle state and its message as after() returns them.
std::string shown(int state, const std::string& message)
{
    return std::to_string(state) + ": " + message;
}

// The first seed whose first `count` draws suit `wanted`; rand() is left seeded with it.
unsigned seed_for(int count, bool (*wanted)(const Ints&))
{
    for (unsigned seed = 1;; seed++)
        if (wanted(seeded_draws(seed, count)))
            return seed;
}

// One frame with a confirm button newly pressed and `held` directions held during it.
void press(const Ints& held = {})
{
    for (int b : held)
        push_button(b, true);
    tap(GP2X_A);
    for (int b : held)
        push_button(b, false);
}

// Plays each step in turn: DISMISS lets the message type out and dismisses it,
// any other step chooses that menu entry. Returns the battle state and message
// that follow as "state: message".
std::string after(std::initializer_list<int> steps)
{
    for (int step : steps) {
        if (step == DISMISS) {
            for (int i = 0; i < 500 && message_chars <= std::strlen(battle_message); i++)
                run_frame();
            press();
        } else {
            EXPECT_EQ(battle_state, BATTLE_ATTACK) << "the menu is shown";
            static const Ints way[] = { {}, {}, { GP2X_RIGHT }, { GP2X_DOWN }, { GP2X_RIGHT, GP2X_DOWN } };
            press(way[step]);
        }
    }
    return shown(battle_state, battle_message);
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

    // Meets monster m as exploration does, from a seed that draws it.
    static void meet(int m)
    {
        unsigned seed = 0;
        do {
            std::srand(++seed);
            start_encounter();
        } while (current_monster != m);
    }
};

TEST_F(Battle, VictoryLevelsUpAtTheThresholdWithinTheTablesAndOpensNoMenu)
{
    // Level before, exp after the victory, level after.
    const int cases[][3] = { { 0, 10, 1 }, { 9, 100000, 9 }, { -1, 100000, -1 } };
    for (const auto& c : cases) {
        level = c[0];
        meet(1);
        exp = c[1] - monster_exp[1];
        monster_hp = 1;
        after({ DISMISS, ATTACK, DISMISS, DISMISS });
        EXPECT_EQ(level, c[2]) << "from level " << c[0];
    }

    // START pressed during a battle and held opens no menu once it is won.
    meet(1);
    monster_hp = 1;
    after({ DISMISS, ATTACK });
    push_button(GP2X_START, true);
    after({ DISMISS, DISMISS });
    run_frame();
    EXPECT_EQ(Ints({ current_monster, menu_state }), Ints({ NO_MONSTER, MENU_CLOSED }));
}

TEST_F(Battle, FailedEscapeInventoryAndMagicCostTheTurn)
{
    const unsigned failing = seed_where([](int v) { return v % 10 == 4; });
    const std::pair<int, const char*> cases[]
        = { { RUN, "You tried to escape but failed." }, { INVENTORY, "You own nothing." },
              { MAGIC, "There is no such thing as magic. Stop being so superstitious." } };
    for (const auto& c : cases) {
        player_hp = 25;
        meet(2); // Rat: attack 2, always bites for 1
        const Ints r = seeded_draws(failing, 3);
        EXPECT_EQ(after({ DISMISS, c.first }), shown(BATTLE_ACTION, c.second));
        EXPECT_EQ(after({ DISMISS }), shown(BATTLE_MESSAGE, "The Rat attacked and did 1 damage."));
        EXPECT_EQ(Ints({ player_hp, monster_hp }), Ints({ 24, 4 }));
        EXPECT_EQ(std::rand(), r[c.first == RUN ? 2 : 1]) << c.second;
        EXPECT_EQ(after({ DISMISS }), shown(BATTLE_ATTACK, "The Rat attacked and did 1 damage."));
    }
}

TEST_F(Battle, DeathRepeatsAndStartOpensNoMenu)
{
    player_hp = 1;
    meet(9);
    EXPECT_EQ(after({ DISMISS, INVENTORY, DISMISS, DISMISS }), shown(BATTLE_MESSAGE, "You have died."));
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

    frame({ GP2X_START });
    EXPECT_EQ(shown(battle_state, battle_message), shown(BATTLE_MESSAGE, "You have died."));
    EXPECT_EQ(
        Ints({ player_hp, menu_state, current_monster, quit_requested }), Ints({ 0, MENU_CLOSED, 9, 0 }))
        << "a bite bigger than the player's HP leaves 0";
}

TEST_F(Battle, OddStateEndsTheFightAndMessagesNeverOverrun)
{
    // A monster index outside the table ends the fight without reading it.
    for (int odd : { 10, -2, INT_MAX }) {
        meet(5);
        const Ints untouched = seeded_draws(1, 1);
        current_monster = odd;
        battle_state = BATTLE_ACTION;
        message_chars = 100.0;
        press();
        EXPECT_EQ(Ints({ current_monster, battle_state }), Ints({ NO_MONSTER, BATTLE_ACTION }));
        EXPECT_EQ(std::rand(), untouched[0]);
    }

    // A full 40-byte name without its terminator and the largest rewards:
    // the message is cut at 79 characters and the totals stop at INT_MAX.
    meet(7);
    monster_hp = 1;
    const std::string name(MONSTER_NAME_SIZE - 1, 'x');
    std::memset(monster_name[7], 'x', MONSTER_NAME_SIZE);
    monster_exp[7] = monster_gold[7] = INT_MAX;
    // Draws for a bite, a blow of 15 at level 9, and a purse of at least 1.
    const Ints r = seeded_draws(seed_for(3, [](const Ints& d) { return d[1] % 2 == 1 && d[2] >= 1; }), 3);
    level = 9;
    exp = 10;
    gold = INT_MAX - 1;
    EXPECT_EQ(
        after({ DISMISS, INVENTORY, DISMISS }).substr(0, 7 + MONSTER_NAME_SIZE), "0: The " + name + " ");
    EXPECT_EQ(after({ DISMISS, ATTACK }), shown(BATTLE_ACTION, "You did 15 damage to the " + name + "."));
    const std::string whole
        = "You defeated the " + name + " and gained 2147483647 exp and " + std::to_string(r[2]) + " gold!";
    EXPECT_EQ(after({ DISMISS }), shown(BATTLE_MESSAGE, whole.substr(0, TEXT_SIZE - 1)));
    EXPECT_EQ(Ints({ exp, gold }), Ints({ INT_MAX, INT_MAX }));
}

} // namespace
