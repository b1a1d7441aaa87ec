// The character sheet: eight rows of eight 20 x 40 walking frames (down,
// left, right and up, two steps each). Row 0 is the player's robot with its
// pink visor; rows 1 to 7 are the seven people of the island.
#include <cmath>

#include "media.h"

namespace
{

const int W = 20, H = 40;
const Rgb INK = { 26, 22, 34 };
const Rgb GROUND_SHADOW = { 36, 46, 34 };

enum Facing { DOWN, LEFT, UP };

enum Hair { SHORT, LONG, SPIKY, BUN, BALD, CAP, WIZARD_HAT, PONYTAIL };

struct Person {
    Rgb skin, hair, shirt, pants, shoes;
    Hair style;
    Rgb hat;
    bool beard;
    bool glasses;
    bool robe;
};

const Person PEOPLE[7] = {
    // Diz: short brown hair, white tee, jeans.
    { { 242, 204, 172 }, { 118, 76, 40 }, { 236, 236, 232 }, { 64, 92, 160 }, { 60, 44, 36 }, SHORT,
        { 0, 0, 0 }, false, false, false },
    // Zara: long black hair, purple top, dark skirt-like trousers.
    { { 140, 92, 62 }, { 30, 24, 30 }, { 150, 70, 190 }, { 60, 40, 80 }, { 30, 24, 30 }, LONG, { 0, 0, 0 },
        false, false, false },
    // Veza: spiky magenta hair, teal jacket, black trousers.
    { { 214, 160, 120 }, { 236, 70, 170 }, { 40, 170, 160 }, { 44, 44, 54 }, { 240, 240, 240 }, SPIKY,
        { 0, 0, 0 }, false, false, false },
    // Zaviveve: a green bun like a pineapple's crown, yellow shirt.
    { { 176, 120, 80 }, { 70, 160, 60 }, { 250, 206, 60 }, { 120, 86, 50 }, { 70, 50, 30 }, BUN, { 0, 0, 0 },
        false, false, false },
    // Dav17: red cap, orange shirt, grey trousers.
    { { 226, 176, 134 }, { 90, 60, 36 }, { 236, 130, 40 }, { 120, 124, 134 }, { 50, 50, 60 }, CAP,
        { 210, 40, 40 }, false, false, false },
    // Ved19: an old sage with a white beard, a blue pointed hat and a robe.
    { { 236, 196, 164 }, { 236, 236, 236 }, { 60, 80, 170 }, { 60, 80, 170 }, { 70, 50, 40 }, WIZARD_HAT,
        { 50, 64, 150 }, true, false, true },
    // Ruv14: bald, glasses, red jacket, green trousers.
    { { 110, 70, 48 }, { 110, 70, 48 }, { 200, 44, 50 }, { 60, 120, 70 }, { 40, 30, 30 }, BALD, { 0, 0, 0 },
        false, true, false },
};

// Draws the hair (or hat) of a person over the head centred at (10, 17).
void draw_hair(Canvas& c, const Person& p, Facing f)
{
    const Rgb hair = p.hair, hair_dark = shade(p.hair, -34), hair_light = shade(p.hair, 30);
    auto cap_top = [&](Rgb colour, Rgb dark) {
        for (int y = 11; y <= 14; y++)
            for (int x = 4; x <= 15; x++)
                if (c.opaque(x, y))
                    c.set(x, y, y == 11 ? shade(colour, 20) : colour);
        c.hline(5, 14, 14, dark);
    };
    switch (p.style) {
    case BALD:
        c.set(f == LEFT ? 11 : 7, 13, shade(p.skin, 40));
        if (f == UP)
            c.hline(6, 13, 19, shade(p.skin, -20));
        return;
    case CAP:
        cap_top(p.hat, shade(p.hat, -40));
        if (f == DOWN)
            c.hline(4, 15, 15, shade(p.hat, -50));
        if (f == LEFT) {
            c.hline(2, 8, 14, shade(p.hat, -50));
            for (int y = 15; y <= 18; y++)
                c.hline(12, 15, y, hair);
        }
        if (f == UP)
            for (int y = 15; y <= 19; y++)
                c.hline(6, 13, y, hair);
        return;
    case WIZARD_HAT:
        for (int y = 2; y <= 13; y++) {
            int half = (y - 2) / 2;
            int lean = y < 6 ? 1 : 0;
            c.hline(10 - half + lean, 9 + half + lean, y, y == 10 ? Rgb { 240, 210, 80 } : p.hat);
        }
        c.hline(3, 16, 13, shade(p.hat, -30));
        c.hline(3, 16, 14, shade(p.hat, -50));
        c.set(11, 5, { 255, 240, 150 });
        c.set(8, 9, { 255, 240, 150 });
        if (f != DOWN)
            for (int y = 15; y <= 20; y++)
                c.hline(f == UP ? 5 : 11, 14, y, hair);
        else {
            c.vline(5, 15, 18, hair);
            c.vline(14, 15, 18, hair);
        }
        return;
    default: break;
    }
    // Hair that covers the crown of the head.
    for (int y = 11; y <= 15; y++)
        for (int x = 4; x <= 15; x++)
            if (c.opaque(x, y))
                c.set(x, y, y <= 12 ? hair_light : hair);
    if (f == DOWN) {
        c.vline(5, 15, 17, hair);
        c.vline(14, 15, 17, hair);
        c.set(8, 15, hair_dark);
        c.set(11, 15, hair_dark);
    }
    if (f == LEFT)
        for (int y = 15; y <= 19; y++)
            c.hline(11 - (y > 17 ? 0 : 1), 15, y, hair);
    if (f == UP)
        for (int y = 15; y <= 21; y++)
            for (int x = 5; x <= 14; x++)
                if (c.opaque(x, y))
                    c.set(x, y, y == 21 ? hair_dark : hair);
    switch (p.style) {
    case LONG:
        if (f == DOWN) {
            c.fill_rect(3, 15, 3, 11, hair);
            c.fill_rect(14, 15, 3, 11, hair);
            c.vline(3, 18, 25, hair_dark);
            c.vline(16, 18, 25, hair_dark);
        } else if (f == LEFT) {
            c.fill_rect(11, 15, 5, 11, hair);
            c.vline(15, 17, 25, hair_dark);
        } else {
            c.fill_rect(4, 15, 12, 11, hair);
            c.vline(10, 18, 25, hair_dark);
        }
        break;
    case SPIKY:
        for (int x = 5; x <= 14; x += 3) {
            c.set(x, 10, hair);
            c.set(x + 1, 9, hair_light);
            c.set(x + 1, 10, hair);
        }
        break;
    case BUN:
        c.ellipse(10, 9, 3.2, 2.8, hair);
        c.set(9, 8, hair_light);
        for (int i = -1; i <= 1; i++)
            c.line(10, 6, 10 + i * 2, 3, shade(hair, 20 - std::abs(i) * 20));
        break;
    case PONYTAIL:
        if (f == LEFT)
            c.fill_rect(15, 14, 2, 6, hair);
        if (f == UP)
            c.fill_rect(9, 20, 2, 5, hair_dark);
        break;
    default: break;
    }
}

// Legs and feet for step 0 or 1; `side` draws a striding profile.
void draw_legs(Canvas& c, Rgb pants, Rgb shoes, int step, bool side, bool robe)
{
    const Rgb pants_dark = shade(pants, -30);
    if (!side) {
        int left_lift = step == 0 ? 0 : 1, right_lift = step == 0 ? 1 : 0;
        c.fill_rect(6, 30, 4, 5 - left_lift, pants);
        c.fill_rect(10, 30, 4, 5 - right_lift, pants_dark);
        c.fill_rect(6, 35 - left_lift, 4, 2, shoes);
        c.fill_rect(10, 35 - right_lift, 4, 2, shoes);
        if (robe)
            c.fill_rect(5, 28, 10, 5, pants);
        return;
    }
    if (step == 0) {
        // Striding: front leg ahead (to the left), back leg behind.
        c.fill_rect(11, 30, 3, 5, pants_dark);
        c.fill_rect(12, 35, 3, 2, shoes);
        c.fill_rect(6, 30, 3, 5, pants);
        c.fill_rect(5, 35, 3, 2, shoes);
        c.fill_rect(8, 30, 4, 2, pants);
    } else {
        c.fill_rect(8, 30, 4, 5, pants);
        c.vline(10, 31, 34, pants_dark);
        c.fill_rect(7, 35, 5, 2, shoes);
    }
    if (robe)
        c.fill_rect(6, 28, 9, 5, pants);
}

Canvas person_frame(const Person& p, Facing f, int step)
{
    Canvas c(W, H);
    const Rgb shirt_dark = shade(p.shirt, -36), shirt_light = shade(p.shirt, 24);
    const bool side = f == LEFT;
    draw_legs(c, p.pants, p.shoes, step, side, p.robe);
    // Body.
    if (!side) {
        c.fill_rect(6, 22, 8, 8, p.shirt);
        c.vline(6, 22, 29, shirt_light);
        c.vline(13, 22, 29, shirt_dark);
        c.hline(6, 13, 29, shirt_dark);
        int swing = step == 0 ? 1 : 0;
        c.fill_rect(4, 22 + swing, 2, 5, p.shirt);
        c.fill_rect(4, 27 + swing, 2, 2, p.skin);
        c.fill_rect(14, 23 - swing, 2, 5, shirt_dark);
        c.fill_rect(14, 28 - swing, 2, 2, p.skin);
    } else {
        c.fill_rect(7, 22, 6, 8, p.shirt);
        c.vline(12, 22, 29, shirt_dark);
        c.hline(7, 12, 29, shirt_dark);
        if (step == 0) {
            c.fill_rect(7, 23, 2, 4, shirt_light);
            c.fill_rect(5, 26, 2, 2, p.skin);
            c.set(7, 26, shirt_light);
        } else {
            c.fill_rect(10, 23, 2, 5, shirt_light);
            c.fill_rect(11, 28, 2, 2, p.skin);
        }
    }
    // Head.
    c.ellipse(10, 16.5, 5.6, 5.3, p.skin);
    c.hline(6, 13, 21, shade(p.skin, -24));
    if (f == DOWN) {
        c.fill_rect(7, 17, 1, 2, INK);
        c.fill_rect(12, 17, 1, 2, INK);
        c.set(6, 19, shade(p.skin, -10));
        c.set(13, 19, shade(p.skin, -10));
        c.hline(9, 10, 20, shade(p.skin, -46));
        if (p.glasses) {
            c.hline(6, 8, 16, INK);
            c.hline(11, 13, 16, INK);
            c.hline(6, 13, 17, INK);
            c.set(7, 17, { 200, 230, 255 });
            c.set(12, 17, { 200, 230, 255 });
        }
    }
    if (side) {
        c.fill_rect(6, 17, 1, 2, INK);
        c.set(4, 18, p.skin);
        c.set(7, 20, shade(p.skin, -46));
        if (p.glasses) {
            c.hline(5, 8, 16, INK);
            c.hline(5, 8, 17, INK);
            c.set(6, 17, { 200, 230, 255 });
            c.hline(9, 11, 16, INK);
        }
    }
    draw_hair(c, p, f);
    if (p.beard) {
        if (f == DOWN) {
            for (int y = 19; y <= 25; y++)
                c.hline(6 + (y - 19) / 2, 13 - (y - 19) / 2, y, p.hair);
            c.hline(9, 10, 20, shade(p.hair, -60));
        }
        if (side)
            for (int y = 19; y <= 24; y++)
                c.hline(5, 9 - (y - 19) / 2, y, p.hair);
    }
    c.outline(INK);
    return c;
}

// The robot: a round steel head with a wide pink visor, an antenna, a
// barrel body with a glowing core and stubby legs.
Canvas robot_frame(Facing f, int step)
{
    Canvas c(W, H);
    const Rgb steel = { 174, 188, 206 }, steel_dark = { 116, 130, 156 }, steel_light = { 222, 230, 240 };
    const Rgb visor = { 255, 92, 188 }, visor_light = { 255, 176, 222 }, visor_dark = { 186, 44, 136 };
    const Rgb joint = { 70, 78, 96 };
    const bool side = f == LEFT;
    // Legs.
    if (!side) {
        int left_lift = step == 0 ? 0 : 1, right_lift = step == 0 ? 1 : 0;
        c.fill_rect(6, 30, 3, 5 - left_lift, joint);
        c.fill_rect(11, 30, 3, 5 - right_lift, joint);
        c.fill_rect(5, 34 - left_lift, 4, 3, steel_dark);
        c.fill_rect(11, 34 - right_lift, 4, 3, steel_dark);
        c.hline(5, 8, 34 - left_lift, steel);
        c.hline(11, 14, 34 - right_lift, steel);
    } else if (step == 0) {
        c.fill_rect(6, 30, 2, 4, joint);
        c.fill_rect(12, 30, 2, 4, joint);
        c.fill_rect(4, 34, 5, 3, steel_dark);
        c.fill_rect(11, 34, 5, 3, steel_dark);
        c.hline(4, 8, 34, steel);
    } else {
        c.fill_rect(9, 30, 2, 4, joint);
        c.fill_rect(7, 34, 6, 3, steel_dark);
        c.hline(7, 12, 34, steel);
    }
    // Body.
    int bx0 = side ? 6 : 5, bx1 = side ? 13 : 14;
    c.fill_rect(bx0, 22, bx1 - bx0 + 1, 9, steel);
    c.vline(bx0, 22, 30, steel_light);
    c.vline(bx1, 22, 30, steel_dark);
    c.hline(bx0, bx1, 30, steel_dark);
    c.hline(bx0, bx1, 23, steel_light);
    if (f == DOWN) {
        c.fill_rect(8, 25, 4, 3, { 60, 40, 70 });
        c.fill_rect(9, 25, 2, 2, visor);
        c.set(9, 25, visor_light);
    }
    if (f == UP) {
        c.fill_rect(7, 24, 6, 5, steel_dark);
        c.hline(8, 11, 25, { 120, 220, 140 });
        c.hline(8, 10, 27, { 120, 220, 140 });
    }
    if (side)
        c.fill_rect(7, 25, 2, 3, visor_dark);
    // Arms.
    if (!side) {
        int swing = step == 0 ? 1 : 0;
        c.fill_rect(3, 23 + swing, 2, 4, joint);
        c.fill_rect(2, 27 + swing, 3, 2, steel_dark);
        c.fill_rect(15, 24 - swing, 2, 4, joint);
        c.fill_rect(15, 28 - swing, 3, 2, steel_dark);
    } else if (step == 0) {
        c.fill_rect(8, 24, 2, 3, joint);
        c.fill_rect(5, 27, 4, 2, steel_dark);
    } else {
        c.fill_rect(11, 24, 2, 4, joint);
        c.fill_rect(11, 28, 3, 2, steel_dark);
    }
    // Head.
    c.fill_rect(4, 12, 12, 10, steel);
    c.set(4, 12, KEY);
    c.set(15, 12, KEY);
    c.set(4, 21, KEY);
    c.set(15, 21, KEY);
    c.hline(5, 14, 12, steel_light);
    c.vline(4, 13, 20, steel_light);
    c.vline(15, 13, 20, steel_dark);
    c.hline(5, 14, 21, steel_dark);
    c.vline(10, 8, 11, joint);
    c.fill_rect(9, 6, 2, 2, visor);
    c.set(9, 6, visor_light);
    if (f == DOWN) {
        c.fill_rect(5, 15, 10, 4, visor);
        c.hline(5, 14, 15, visor_light);
        c.hline(5, 14, 18, visor_dark);
        c.set(6, 16, { 255, 255, 255 });
        c.set(7, 16, visor_light);
        c.set(3, 16, joint);
        c.set(16, 16, joint);
    }
    if (side) {
        c.fill_rect(3, 15, 6, 4, visor);
        c.hline(3, 8, 15, visor_light);
        c.hline(3, 8, 18, visor_dark);
        c.set(4, 16, { 255, 255, 255 });
        c.fill_rect(11, 15, 2, 3, joint);
    }
    if (f == UP) {
        for (int y = 15; y <= 19; y += 2)
            c.hline(7, 12, y, steel_dark);
        c.set(3, 16, joint);
        c.set(16, 16, joint);
    }
    c.outline(INK);
    return c;
}

// A dithered oval under the feet, on the transparent pixels only.
void add_shadow(Canvas& c)
{
    for (int y = 35; y <= 39; y++)
        for (int x = 2; x <= 17; x++) {
            double nx = (x + 0.5 - 10) / 7.5, ny = (y + 0.5 - 37.5) / 2.2;
            if (nx * nx + ny * ny <= 1 && (x + y) % 2 == 0 && !c.opaque(x, y))
                c.set(x, y, GROUND_SHADOW);
        }
}

} // namespace

Canvas draw_characters()
{
    Canvas sheet(8 * W, 8 * H);
    for (int row = 0; row < 8; row++)
        for (int column = 0; column < 8; column++) {
            int direction = column / 2, step = column % 2;
            // Columns: down, left, right (the left frames mirrored), up.
            Facing f = direction == 0 ? DOWN : direction == 3 ? UP : LEFT;
            Canvas frame = row == 0 ? robot_frame(f, step) : person_frame(PEOPLE[row - 1], f, step);
            if (direction == 2)
                frame = frame.mirrored();
            add_shadow(frame);
            sheet.paste(frame, column * W, row * H);
        }
    return sheet;
}
