// The five tile sheets, twenty 20 x 20 tiles each: ground, shore edges,
// obstacles, objects and the overhead pieces drawn over the characters.
#include <cmath>

#include "media.h"

namespace
{

const int T = 20;

// Palette.
const Rgb WATER = { 44, 98, 180 };
const Rgb WATER_DARK = { 36, 84, 162 };
const Rgb WATER_LIGHT = { 84, 142, 214 };
const Rgb FOAM = { 226, 242, 250 };
const Rgb GRASS_BASE = { 88, 158, 64 };
const Rgb DIRT = { 180, 140, 92 };
const Rgb SAND_BASE = { 232, 212, 152 };
const Rgb WOOD = { 170, 116, 68 };
const Rgb WOOD_DARK = { 112, 72, 42 };
const Rgb WOOD_LIGHT = { 200, 148, 90 };
const Rgb STONE = { 142, 142, 152 };
const Rgb STONE_DARK = { 98, 98, 112 };
const Rgb STONE_LIGHT = { 182, 182, 190 };
const Rgb OUTLINE = { 34, 30, 38 };
const Rgb SHADOW = { 40, 52, 36 };
const Rgb LEAF = { 64, 138, 58 };
const Rgb LEAF_DARK = { 40, 100, 46 };
const Rgb LEAF_LIGHT = { 104, 176, 74 };
const Rgb LEAF_DEEP = { 28, 70, 36 };
const Rgb BARK = { 116, 78, 46 };
const Rgb BARK_DARK = { 78, 50, 30 };
const Rgb BARK_LIGHT = { 150, 104, 62 };
const Rgb ROOF_RED = { 178, 72, 52 };
const Rgb ROOF_DARK = { 128, 46, 38 };
const Rgb ROOF_LIGHT = { 214, 108, 74 };
const Rgb METAL = { 160, 176, 196 };
const Rgb METAL_DARK = { 96, 110, 134 };

int wrap(int v)
{
    return ((v % T) + T) % T;
}

void set_wrapped(Canvas& c, int x, int y, Rgb colour)
{
    c.set(wrap(x), wrap(y), colour);
}

// Fills the tile with `base` speckled with `dark` and `light` pixels.
void speckle(Canvas& c, Rgb base, Rgb dark, Rgb light, double dark_share, double light_share, int seed)
{
    for (int y = 0; y < T; y++)
        for (int x = 0; x < T; x++) {
            double h = hash01(x, y, seed);
            c.set(x, y, h < dark_share ? dark : h < dark_share + light_share ? light : base);
        }
}

// A soft dithered shadow on the ground under a standing thing.
void ground_shadow(Canvas& c, double cx, double cy, double rx, double ry)
{
    for (int y = 0; y < T; y++)
        for (int x = 0; x < T; x++) {
            double nx = (x + 0.5 - cx) / rx, ny = (y + 0.5 - cy) / ry;
            if (nx * nx + ny * ny <= 1.0 && (x + y) % 2 == 0 && !c.opaque(x, y))
                c.set(x, y, SHADOW);
        }
}

// Shades the opaque pixels of a round shape: lit from the top left.
void shade_round(
    Canvas& c, double cx, double cy, double radius, Rgb dark, Rgb base, Rgb light, Rgb deep, int seed)
{
    for (int y = 0; y < c.height(); y++)
        for (int x = 0; x < c.width(); x++) {
            if (!c.opaque(x, y))
                continue;
            double lit = (-(x + 0.5 - cx) * 0.6 - (y + 0.5 - cy) * 0.8) / radius;
            lit += (hash01(x, y, seed) - 0.5) * 0.5;
            c.set(x, y, lit > 0.45 ? light : lit > -0.15 ? base : lit > -0.65 ? dark : deep);
        }
}

// Grass of any tone, with little blades that stay inside the tile's wrap.
void grass(Canvas& c, Rgb base, int seed, int blades)
{
    speckle(c, base, shade(base, -16), shade(base, 14), 0.2, 0.14, seed);
    Random r((uint32_t)seed * 7919u + 3);
    for (int i = 0; i < blades; i++) {
        int x = r.below(T), y = r.below(T);
        set_wrapped(c, x, y, shade(base, 34));
        set_wrapped(c, x, y + 1, shade(base, 22));
        set_wrapped(c, x + 1, y + 2, shade(base, -26));
        set_wrapped(c, x, y + 2, shade(base, -20));
    }
}

void flower(Canvas& c, int x, int y, Rgb petal, Rgb heart)
{
    c.set(x, y - 1, petal);
    c.set(x - 1, y, petal);
    c.set(x + 1, y, petal);
    c.set(x, y + 1, petal);
    c.set(x, y, heart);
    c.set(x + 1, y + 1, shade(GRASS_BASE, -30));
}

void water(Canvas& c, int frame)
{
    for (int y = 0; y < T; y++)
        for (int x = 0; x < T; x++) {
            double h = hash01(x, y / 2, 91);
            c.set(x, y, h < 0.16 ? WATER_DARK : WATER);
        }
    // Wave crests: a short lit arc over a dark trough; the second frame
    // moves every crest along so the water rolls.
    const int crests[][2] = { { 2, 3 }, { 12, 5 }, { 7, 10 }, { 16, 13 }, { 3, 16 }, { 11, 18 } };
    for (const auto& crest : crests) {
        int x = crest[0] + frame * 2, y = crest[1] + frame;
        set_wrapped(c, x, y + 1, WATER_LIGHT);
        set_wrapped(c, x + 1, y, WATER_LIGHT);
        set_wrapped(c, x + 2, y, WATER_LIGHT);
        set_wrapped(c, x + 3, y + 1, WATER_LIGHT);
        set_wrapped(c, x + 1, y + 1, WATER_DARK);
        set_wrapped(c, x + 2, y + 1, WATER_DARK);
    }
    const int glints[][2] = { { 6, 1 }, { 17, 8 }, { 1, 12 }, { 14, 16 } };
    for (int i = 0; i < 4; i++)
        if ((i + frame) % 2 == 0)
            c.set(glints[i][0], glints[i][1], FOAM);
        else
            c.set(wrap(glints[i][0] + 3), wrap(glints[i][1] + 2), { 170, 206, 240 });
}

// Boards of a wooden floor, bridge or pier. `across` lays the seams
// horizontally.
void planks(Canvas& c, bool across, int board, int seed)
{
    for (int y = 0; y < T; y++)
        for (int x = 0; x < T; x++) {
            int along = across ? x : y, side = across ? y : x;
            int row = side / board;
            int joint = (row * 7 + 3) % T;
            Rgb colour = WOOD;
            double h = hash01(along / 3, row, seed);
            if (h < 0.25)
                colour = shade(WOOD, -10);
            else if (h > 0.8)
                colour = shade(WOOD, 8);
            if (hash01(along, side, seed + 1) < 0.08)
                colour = shade(colour, -14);
            if (side % board == 0)
                colour = WOOD_LIGHT;
            if (side % board == board - 1 || along == joint)
                colour = WOOD_DARK;
            c.set(x, y, colour);
        }
}

// Irregular stones set in dark joints.
void stones(Canvas& c, Rgb base, int w, int h, int seed)
{
    c.fill_rect(0, 0, T, T, shade(base, -54));
    for (int row = 0; row * h < T; row++) {
        int offset = (row % 2) * (w / 2);
        for (int col = -1; col * w < T + w; col++) {
            int x0 = col * w + offset, y0 = row * h;
            Rgb tone = shade(base, (int)(hash01(col, row, seed) * 30) - 15);
            for (int y = y0; y < y0 + h - 1; y++)
                for (int x = x0; x < x0 + w - 1; x++) {
                    bool corner = (x == x0 || x == x0 + w - 2) && (y == y0 || y == y0 + h - 2);
                    if (corner)
                        continue;
                    Rgb p = tone;
                    if (y == y0 || x == x0)
                        p = shade(tone, 22);
                    else if (y == y0 + h - 2 || x == x0 + w - 2)
                        p = shade(tone, -22);
                    else if (hash01(x, y, seed + 5) < 0.1)
                        p = shade(tone, -10);
                    set_wrapped(c, x, y, p);
                }
        }
    }
}

Canvas ground_tile(int n)
{
    Canvas c(T, T);
    switch (n) {
    case WATER_A: water(c, 0); break;
    case WATER_B: water(c, 1); break;
    case GRASS: grass(c, GRASS_BASE, 11, 6); break;
    case GRASS_TUFTS:
        grass(c, GRASS_BASE, 12, 4);
        for (auto p : { std::make_pair(4, 6), std::make_pair(13, 14) }) {
            for (int i = -2; i <= 2; i++) {
                c.set(p.first + i, p.second - 2 + std::abs(i), shade(GRASS_BASE, 40 - std::abs(i) * 6));
                c.set(p.first + i, p.second - 1 + std::abs(i), shade(GRASS_BASE, 24));
            }
            c.hline(p.first - 2, p.first + 2, p.second + 1, shade(GRASS_BASE, -28));
        }
        break;
    case FLOWERS_WARM:
        grass(c, GRASS_BASE, 13, 4);
        flower(c, 4, 4, { 236, 72, 64 }, { 255, 220, 90 });
        flower(c, 14, 7, { 255, 206, 60 }, { 226, 120, 40 });
        flower(c, 8, 14, { 244, 120, 170 }, { 255, 240, 200 });
        flower(c, 16, 16, { 236, 72, 64 }, { 255, 220, 90 });
        break;
    case FLOWERS_COOL:
        grass(c, GRASS_BASE, 14, 4);
        flower(c, 5, 6, { 240, 240, 250 }, { 250, 210, 80 });
        flower(c, 15, 4, { 112, 128, 236 }, { 236, 236, 255 });
        flower(c, 11, 13, { 172, 104, 220 }, { 250, 220, 120 });
        flower(c, 3, 16, { 112, 128, 236 }, { 236, 236, 255 });
        break;
    case PATH:
    case PATH_PEBBLES: {
        speckle(c, DIRT, shade(DIRT, -18), shade(DIRT, 16), 0.18, 0.12, 20 + n);
        Random r(n == PATH ? 5 : 6);
        for (int i = 0; i < (n == PATH ? 3 : 8); i++) {
            int x = r.below(T - 2), y = r.below(T - 1);
            Rgb pebble = r.chance(0.5) ? Rgb { 190, 184, 172 } : Rgb { 150, 140, 128 };
            c.set(x, y, shade(pebble, 20));
            c.set(x + 1, y, pebble);
            c.set(x, y + 1, shade(DIRT, -40));
            c.set(x + 1, y + 1, shade(DIRT, -40));
        }
        break;
    }
    case SAND: speckle(c, SAND_BASE, shade(SAND_BASE, -20), shade(SAND_BASE, 14), 0.16, 0.12, 30); break;
    case SAND_RIPPLES:
        speckle(c, SAND_BASE, shade(SAND_BASE, -20), shade(SAND_BASE, 14), 0.12, 0.1, 31);
        for (int x = 0; x < T; x++) {
            int y = 5 + (int)std::lround(std::sin(x * 3.14159 / 10) * 1.5);
            c.set(x, y, shade(SAND_BASE, -26));
            c.set(x, wrap(y + 9), shade(SAND_BASE, -26));
            c.set(x, y - 1, shade(SAND_BASE, 14));
        }
        c.set(13, 11, { 238, 160, 150 });
        c.set(14, 11, { 250, 200, 190 });
        c.set(13, 12, { 214, 130, 120 });
        break;
    case WOOD_FLOOR: planks(c, true, 5, 40); break;
    case COBBLES: stones(c, STONE, 6, 5, 41); break;
    case FOREST_FLOOR:
    case FOREST_LEAVES: {
        Rgb base = { 70, 112, 52 };
        speckle(c, base, shade(base, -14), shade(base, 12), 0.3, 0.12, 50 + n);
        Random r(n == FOREST_FLOOR ? 8 : 9);
        int leaves = n == FOREST_FLOOR ? 4 : 10;
        for (int i = 0; i < leaves; i++) {
            int x = r.below(T - 1), y = r.below(T);
            Rgb leaf = r.chance(0.5) ? Rgb { 150, 110, 50 } : Rgb { 120, 90, 46 };
            if (n == FOREST_LEAVES && r.chance(0.4))
                leaf = { 196, 120, 48 };
            c.set(x, y, leaf);
            c.set(x + 1, y, shade(leaf, -24));
        }
        if (n == FOREST_LEAVES) {
            c.set(14, 13, { 210, 60, 50 });
            c.set(15, 13, { 230, 90, 70 });
            c.set(13, 13, { 190, 50, 44 });
            c.set(14, 14, { 236, 226, 210 });
        }
        break;
    }
    case SOIL:
        for (int y = 0; y < T; y++)
            for (int x = 0; x < T; x++) {
                Rgb base = (y % 5 < 3) ? Rgb { 118, 82, 54 } : Rgb { 92, 62, 42 };
                if (y % 5 == 0)
                    base = { 138, 98, 64 };
                if (hash01(x, y, 60) < 0.12)
                    base = shade(base, -12);
                c.set(x, y, base);
            }
        break;
    case WHEAT:
        for (int y = 0; y < T; y++)
            for (int x = 0; x < T; x++) {
                Rgb base = { 212, 178, 82 };
                double h = hash01(x, y / 3, 61);
                if (h < 0.3)
                    base = { 186, 150, 64 };
                else if (h > 0.8)
                    base = { 236, 206, 112 };
                if ((x + (y / 5) * 2) % 4 == 0)
                    base = shade(base, -34);
                c.set(x, y, base);
            }
        break;
    case BRIDGE:
        planks(c, true, 4, 70);
        c.vline(0, 0, T - 1, WOOD_DARK);
        c.vline(T - 1, 0, T - 1, WOOD_DARK);
        break;
    case PIER:
        planks(c, false, 4, 71);
        c.hline(0, T - 1, 0, WOOD_DARK);
        c.hline(0, T - 1, T - 1, WOOD_DARK);
        break;
    case FLAGSTONES: stones(c, { 170, 160, 140 }, 10, 10, 80); break;
    case DARK_GRASS: grass(c, { 78, 146, 60 }, 19, 7); break;
    }
    return c;
}

// Edge tiles: sides open to the water in the order the game numbers them
// (left, right, above, below).
struct Sides {
    bool left, right, above, below;
};

const Sides EDGE_SIDES[15] = {
    { true, true, false, false },
    { false, false, true, true },
    { false, true, false, false },
    { false, false, false, true },
    { true, false, false, false },
    { false, false, true, false },
    { false, true, true, false },
    { false, true, false, true },
    { true, false, false, true },
    { true, false, true, false },
    { true, true, true, false },
    { false, true, true, true },
    { true, true, false, true },
    { true, false, true, true },
    { true, true, true, true },
};

// A rim of surf and wet bank along each open side; where two open sides
// meet, the land's corner is rounded off into the water.
Canvas edge_tile(int n)
{
    const Sides s = EDGE_SIDES[n];
    const double R = 6;
    Canvas c(T, T);
    for (int y = 0; y < T; y++)
        for (int x = 0; x < T; x++) {
            double px = x + 0.5, py = y + 0.5;
            double d = 99;
            if (s.left)
                d = std::min(d, px);
            if (s.right)
                d = std::min(d, T - px);
            if (s.above)
                d = std::min(d, py);
            if (s.below)
                d = std::min(d, T - py);
            // A corner square whose two sides are open: the shore follows a
            // quarter circle of radius R there.
            auto corner = [&](bool a, bool b, double ccx, double ccy) {
                if (a && b && std::abs(px - ccx) < R && std::abs(py - ccy) < R
                    && (px - ccx) * (ccx - T / 2.0) >= 0 && (py - ccy) * (ccy - T / 2.0) >= 0)
                    d = std::min(d, R - std::hypot(px - ccx, py - ccy));
            };
            corner(s.left, s.above, R, R);
            corner(s.right, s.above, T - R, R);
            corner(s.left, s.below, R, T - R);
            corner(s.right, s.below, T - R, T - R);
            double wobble = (hash01(x + y, 0, 100 + n) - 0.5) * 0.6;
            d += wobble;
            if (d < 0)
                c.set(x, y, hash01(x, y, 101) < 0.16 ? WATER_DARK : WATER);
            else if (d < 1.3)
                c.set(x, y, hash01(x, y, 102) < 0.25 ? Rgb { 178, 214, 238 } : FOAM);
            else if (d < 2.2)
                c.set(x, y, (x + y) % 2 ? Rgb { 150, 196, 226 } : Rgb { 96, 84, 62 });
            else if (d < 3.4)
                c.set(x, y, Rgb { 96, 84, 62 });
            else if (d < 4.6 && (x + y) % 2 == 0)
                c.set(x, y, Rgb { 120, 106, 74 });
        }
    return c;
}

// A two-cell-tall picture (20 x 40) split into its upper and lower tiles.
Canvas upper_half(const Canvas& tall)
{
    Canvas c(T, T);
    for (int y = 0; y < T; y++)
        for (int x = 0; x < T; x++)
            c.set(x, y, tall.get(x, y));
    return c;
}

Canvas lower_half(const Canvas& tall)
{
    Canvas c(T, T);
    for (int y = 0; y < T; y++)
        for (int x = 0; x < T; x++)
            c.set(x, y, tall.get(x, y + T));
    return c;
}

// An oak's crown over two cells, bumpy and lit from the top left.
Canvas oak_crown()
{
    Canvas c(T, 2 * T);
    c.ellipse(10, 21, 9.6, 16.5, LEAF);
    const double blobs[][3] = { { 4, 10, 4.5 }, { 10, 6, 5 }, { 16, 11, 4.5 }, { 3, 22, 4.5 },
        { 17, 23, 4.5 }, { 6, 32, 5 }, { 14, 32, 5 }, { 10, 35, 4.5 } };
    for (const auto& b : blobs)
        c.ellipse(b[0], b[1], b[2], b[2], LEAF);
    shade_round(c, 10, 20, 16, LEAF_DARK, LEAF, LEAF_LIGHT, LEAF_DEEP, 200);
    // Leaf clusters: a lit rim over a shaded underside.
    const int clusters[][2]
        = { { 6, 9 }, { 12, 13 }, { 5, 19 }, { 14, 21 }, { 8, 26 }, { 12, 31 }, { 4, 29 } };
    for (const auto& k : clusters) {
        for (int i = -2; i <= 2; i++) {
            if (c.opaque(k[0] + i, k[1] - 1 + (i * i) / 3))
                c.set(k[0] + i, k[1] - 1 + (i * i) / 3, LEAF_LIGHT);
            if (c.opaque(k[0] + i, k[1] + 1 + (i * i) / 3))
                c.set(k[0] + i, k[1] + 1 + (i * i) / 3, LEAF_DARK);
        }
    }
    c.outline(LEAF_DEEP);
    return c;
}

Canvas pine_crown()
{
    Canvas c(T, 2 * T);
    const Rgb base = { 40, 112, 74 }, light = { 74, 148, 94 }, dark = { 26, 80, 56 }, deep = { 18, 52, 40 };
    const int tiers[][3] = { { 3, 14, 5 }, { 10, 25, 7 }, { 18, 37, 10 } };
    for (const auto& t : tiers)
        for (int y = t[0]; y <= t[1]; y++) {
            double half = 1 + (t[2] - 1) * (double)(y - t[0]) / (t[1] - t[0]);
            for (int x = 0; x < T; x++)
                if (std::abs(x + 0.5 - 10) <= half)
                    c.set(x, y, base);
        }
    for (int y = 0; y < 2 * T; y++)
        for (int x = 0; x < T; x++) {
            if (!c.opaque(x, y))
                continue;
            bool edge_below = !c.opaque(x, y + 1) || !c.opaque(x, y + 2);
            double h = hash01(x, y, 210);
            Rgb p = x < 10 ? (h < 0.6 ? light : base) : (h < 0.6 ? dark : base);
            if (edge_below)
                p = dark;
            c.set(x, y, p);
        }
    c.outline(deep);
    return c;
}

Canvas palm_crown()
{
    Canvas c(T, 2 * T);
    const Rgb trunk = { 176, 136, 86 }, ring = { 130, 96, 58 };
    for (int y = 26; y < 2 * T; y++) {
        int x = 9 + (y < 33 ? 1 : 0);
        c.set(x, y, y % 3 == 0 ? ring : trunk);
        c.set(x + 1, y, y % 3 == 0 ? ring : shade(trunk, -20));
    }
    const Rgb frond = { 70, 152, 66 }, frond_dark = { 42, 108, 50 };
    // Each frond: reach in x and y, and whether it droops.
    const double leaves[][3] = { { -9, 8, 1 }, { 9, 8, 1 }, { -8, -3, 0 }, { 8, -3, 0 }, { 0, -10, 0 } };
    for (const auto& l : leaves) {
        for (int i = 0; i <= 12; i++) {
            double t = i / 12.0;
            // Drooping fronds fall away along a curve; rising ones arch up.
            double x = 10 + l[0] * t;
            double y = l[2] > 0 ? 24 + l[1] * t * t - 3 * std::sin(t * 3.14159)
                                : 24 + l[1] * t - 3.6 * std::sin(t * 3.14159);
            int xi = (int)std::lround(x), yi = (int)std::lround(y);
            c.set(xi, yi, frond);
            c.set(xi, yi + 1, frond_dark);
            if (i % 2 == 0 && i > 2) {
                c.set(xi, yi + 2, frond_dark);
                c.set(xi + (l[0] > 0 ? -1 : 1), yi + 2, frond);
            }
        }
    }
    c.ellipse(9.5, 25, 2, 1.6, { 110, 74, 40 });
    c.set(9, 24, { 150, 104, 60 });
    c.outline({ 24, 60, 30 });
    return c;
}

// A wooden crate standing across two cells.
Canvas box_picture()
{
    Canvas c(T, 2 * T);
    const Rgb wood = { 196, 142, 74 }, dark = { 142, 94, 46 }, light = { 226, 180, 110 },
              iron = { 90, 90, 104 };
    // Lid seen from above, then the front face.
    c.fill_rect(2, 9, 16, 6, light);
    c.hline(2, 17, 9, shade(light, 16));
    c.hline(3, 16, 12, shade(light, -20));
    c.fill_rect(2, 15, 16, 22, wood);
    for (int y = 15; y < 37; y += 5)
        c.hline(3, 16, y, dark);
    c.vline(2, 15, 36, dark);
    c.vline(17, 15, 36, dark);
    c.line(4, 34, 15, 17, light);
    c.line(4, 35, 16, 18, dark);
    c.fill_rect(2, 15, 2, 2, iron);
    c.fill_rect(16, 15, 2, 2, iron);
    c.fill_rect(2, 35, 2, 2, iron);
    c.fill_rect(16, 35, 2, 2, iron);
    c.outline(OUTLINE);
    for (int x = 1; x < 19; x++)
        if ((x % 2) == 0)
            c.set(x, 38, SHADOW);
    return c;
}

// The repair station: a robot's service cabinet with a lit sign.
Canvas repair_picture()
{
    Canvas c(T, 2 * T);
    const Rgb body = { 64, 148, 176 }, body_dark = { 40, 104, 132 }, body_light = { 120, 196, 214 };
    // Sign on a mast.
    c.vline(9, 8, 14, METAL_DARK);
    c.vline(10, 8, 14, METAL);
    c.ellipse(10, 6, 5.5, 5.5, { 250, 250, 250 });
    c.fill_rect(9, 2, 2, 8, { 226, 50, 60 });
    c.fill_rect(6, 5, 8, 2, { 226, 50, 60 });
    // Cabinet.
    c.fill_rect(2, 14, 16, 23, body);
    c.vline(2, 14, 36, body_light);
    c.hline(2, 17, 14, body_light);
    c.vline(17, 14, 36, body_dark);
    // Screen with a green plus.
    c.fill_rect(5, 17, 10, 7, { 24, 40, 36 });
    c.fill_rect(9, 18, 2, 5, { 90, 240, 120 });
    c.fill_rect(7, 20, 6, 1, { 90, 240, 120 });
    // Socket and cable.
    c.fill_rect(6, 27, 8, 4, METAL_DARK);
    c.set(8, 28, { 20, 20, 24 });
    c.set(11, 28, { 20, 20, 24 });
    c.line(14, 29, 18, 32, { 30, 30, 36 });
    c.line(18, 32, 18, 37, { 30, 30, 36 });
    // Hazard stripes at the foot.
    for (int x = 2; x < 18; x++)
        for (int y = 33; y < 37; y++)
            c.set(x, y, ((x + y) / 2) % 2 ? Rgb { 240, 200, 40 } : Rgb { 40, 36, 30 });
    c.outline(OUTLINE);
    for (int x = 1; x < 20; x += 2)
        c.set(x, 38, SHADOW);
    return c;
}

Canvas obstacle_tile(int n)
{
    Canvas c(T, T);
    switch (n) {
    case OAK_TRUNK: {
        ground_shadow(c, 10, 16, 9, 3.5);
        c.fill_rect(7, 0, 6, 16, BARK);
        c.vline(7, 0, 15, BARK_DARK);
        c.vline(12, 0, 15, BARK_LIGHT);
        c.set(9, 5, BARK_DARK);
        c.set(10, 9, BARK_DARK);
        c.set(9, 12, BARK_LIGHT);
        c.fill_rect(5, 14, 10, 3, BARK);
        c.hline(5, 8, 16, BARK_DARK);
        c.set(4, 16, BARK_DARK);
        c.set(15, 16, BARK);
        // Leaves hanging down from the crown above.
        for (int x = 2; x < 18; x++) {
            int hang = (int)(hash01(x, 0, 300) * 3);
            for (int y = 0; y <= hang; y++)
                c.set(x, y, y == hang ? LEAF_DEEP : LEAF_DARK);
        }
        Canvas shaped = c;
        shaped.outline(OUTLINE);
        for (int y = 0; y < T; y++)
            for (int x = 0; x < T; x++)
                if (shaped.get(x, y) == OUTLINE && y > 2 && !c.opaque(x, y))
                    c.set(x, y, OUTLINE);
        break;
    }
    case PINE_TRUNK:
        ground_shadow(c, 10, 15, 8, 3.5);
        for (int y = 0; y < 4; y++)
            for (int x = 0; x < T; x++)
                if (std::abs(x + 0.5 - 10) < 10 - y * 2)
                    c.set(x, y, y == 3 || hash01(x, y, 310) < 0.4 ? Rgb { 26, 80, 56 } : Rgb { 40, 112, 74 });
        c.fill_rect(8, 4, 4, 12, { 96, 62, 40 });
        c.vline(8, 4, 15, { 66, 42, 28 });
        c.vline(11, 4, 15, { 128, 88, 56 });
        c.hline(7, 12, 15, { 66, 42, 28 });
        c.outline(OUTLINE);
        break;
    case PALM_TRUNK: {
        ground_shadow(c, 10, 16, 7, 3);
        const Rgb trunk = { 176, 136, 86 }, ring = { 130, 96, 58 };
        for (int y = 0; y < 16; y++) {
            c.fill_rect(8, y, 3, 1, y % 3 == 0 ? ring : trunk);
            c.set(10, y, shade(trunk, -24));
        }
        c.fill_rect(7, 15, 5, 2, ring);
        c.outline(OUTLINE);
        break;
    }
    case BOULDER:
        c.ellipse(10, 11, 9, 7.5, STONE);
        c.ellipse(13, 6, 4, 3, STONE);
        shade_round(c, 9, 9, 9, STONE_DARK, STONE, STONE_LIGHT, { 76, 76, 90 }, 320);
        c.line(8, 8, 11, 12, STONE_DARK);
        c.line(11, 12, 10, 15, STONE_DARK);
        c.outline(OUTLINE);
        ground_shadow(c, 10, 18, 9, 2);
        break;
    case ROCKS:
        c.ellipse(6, 12, 4.5, 3.5, STONE);
        c.ellipse(14, 9, 4, 3.5, STONE);
        c.ellipse(13, 15, 3, 2.5, STONE);
        shade_round(c, 10, 10, 6, STONE_DARK, STONE, STONE_LIGHT, { 76, 76, 90 }, 330);
        c.outline(OUTLINE);
        ground_shadow(c, 10, 17, 8, 2);
        break;
    case BUSH:
        c.ellipse(10, 11, 9, 7, LEAF);
        c.ellipse(5, 9, 4, 4, LEAF);
        c.ellipse(14, 8, 4.5, 4, LEAF);
        shade_round(c, 9, 9, 9, LEAF_DARK, LEAF, LEAF_LIGHT, LEAF_DEEP, 340);
        for (auto p :
            { std::make_pair(6, 10), std::make_pair(12, 12), std::make_pair(9, 7), std::make_pair(15, 10) }) {
            c.set(p.first, p.second, { 220, 40, 60 });
            c.set(p.first, p.second - 1, { 255, 140, 150 });
        }
        c.outline(LEAF_DEEP);
        ground_shadow(c, 10, 18, 9, 2);
        break;
    case FENCE_ACROSS:
    case FENCE_POST:
    case FENCE_DOWN: {
        const Rgb rail = { 200, 160, 104 }, rail_dark = { 138, 100, 58 };
        if (n == FENCE_ACROSS) {
            c.fill_rect(0, 8, T, 2, rail);
            c.hline(0, T - 1, 10, rail_dark);
            c.fill_rect(0, 13, T, 2, rail);
            c.hline(0, T - 1, 15, rail_dark);
        }
        if (n == FENCE_DOWN) {
            c.fill_rect(9, 0, 2, T, rail);
            c.vline(11, 0, T - 1, rail_dark);
        }
        c.fill_rect(8, 4, 4, 14, rail);
        c.vline(11, 4, 17, rail_dark);
        c.set(8, 4, KEY);
        c.set(11, 4, KEY);
        c.set(9, 3, rail);
        c.set(10, 3, rail);
        Canvas o = c;
        o.outline(WOOD_DARK);
        for (int y = 0; y < T; y++)
            for (int x = 0; x < T; x++)
                if (o.get(x, y) == WOOD_DARK && !c.opaque(x, y))
                    c.set(x, y, { 86, 58, 34 });
        ground_shadow(c, 10, 18.5, 4, 1.5);
        break;
    }
    case HOUSE_WALL:
    case HOUSE_WINDOW:
    case HOUSE_DOOR: {
        const Rgb plaster = { 232, 214, 176 }, beam = { 112, 74, 46 };
        speckle(c, plaster, shade(plaster, -12), shade(plaster, 8), 0.1, 0.08, 350);
        c.fill_rect(0, 0, 2, T, beam);
        c.hline(0, T - 1, 0, { 60, 40, 30 });
        c.hline(0, T - 1, 1, { 150, 120, 90 });
        c.fill_rect(0, 16, T, 4, STONE);
        c.hline(0, T - 1, 16, STONE_LIGHT);
        c.hline(0, T - 1, 19, STONE_DARK);
        c.vline(7, 17, 18, STONE_DARK);
        c.vline(15, 17, 18, STONE_DARK);
        if (n == HOUSE_WINDOW) {
            c.fill_rect(5, 4, 10, 9, beam);
            c.fill_rect(6, 5, 8, 7, { 124, 176, 210 });
            c.fill_rect(6, 5, 3, 2, { 206, 232, 244 });
            c.vline(10, 5, 11, beam);
            c.hline(6, 13, 8, beam);
            c.fill_rect(4, 13, 12, 2, { 150, 100, 58 });
            c.set(5, 12, { 230, 70, 80 });
            c.set(8, 12, { 250, 200, 60 });
            c.set(12, 12, { 230, 70, 80 });
        }
        if (n == HOUSE_DOOR) {
            c.fill_rect(5, 3, 10, 17, { 60, 40, 30 });
            c.fill_rect(6, 4, 8, 16, { 142, 90, 50 });
            c.set(6, 4, { 60, 40, 30 });
            c.set(13, 4, { 60, 40, 30 });
            c.vline(8, 5, 19, { 112, 70, 40 });
            c.vline(11, 5, 19, { 112, 70, 40 });
            c.set(12, 12, { 240, 200, 80 });
            c.fill_rect(4, 19, 12, 1, STONE_DARK);
        }
        break;
    }
    case STONE_WALL:
        stones(c, { 150, 146, 138 }, 10, 5, 360);
        c.hline(0, T - 1, 0, { 196, 192, 184 });
        for (auto p : { std::make_pair(3, 7), std::make_pair(15, 13), std::make_pair(8, 17) }) {
            c.set(p.first, p.second, { 90, 130, 60 });
            c.set(p.first + 1, p.second, { 110, 150, 70 });
        }
        break;
    case BROKEN_WALL: {
        Canvas full(T, T);
        stones(full, { 150, 146, 138 }, 10, 5, 361);
        for (int x = 0; x < T; x++) {
            int top = 6 + (int)(std::abs(std::sin(x * 0.7)) * 6) + (x > 12 ? 3 : 0);
            for (int y = top; y < T; y++)
                c.set(x, y, full.get(x, y));
            c.set(x, top, { 196, 192, 184 });
        }
        c.outline(OUTLINE);
        break;
    }
    case PILLAR:
        ground_shadow(c, 11, 18, 8, 2);
        c.fill_rect(6, 3, 8, 14, { 196, 190, 176 });
        c.vline(6, 3, 16, { 226, 222, 210 });
        c.vline(12, 3, 16, { 150, 144, 132 });
        c.vline(13, 3, 16, { 130, 124, 114 });
        c.vline(9, 4, 15, { 170, 164, 150 });
        c.fill_rect(4, 1, 12, 3, { 210, 204, 192 });
        c.fill_rect(4, 16, 12, 3, { 176, 170, 158 });
        c.outline(OUTLINE);
        break;
    case LOG_PILE: {
        const double logs[][2] = { { 5, 14 }, { 11, 14 }, { 17, 14 }, { 8, 8 }, { 14, 8 } };
        for (const auto& l : logs)
            c.ellipse(l[0], l[1], 3.4, 3.4, BARK);
        for (const auto& l : logs) {
            c.ellipse(l[0], l[1], 2.4, 2.4, { 214, 176, 120 });
            c.set((int)l[0], (int)l[1], { 170, 130, 84 });
        }
        c.outline(OUTLINE);
        break;
    }
    case REEDS:
        for (int i = 0; i < 7; i++) {
            int x = 2 + i * 2 + (i % 2);
            int top = 3 + (int)(hash01(i, 0, 370) * 6);
            c.vline(x, top, 18, i % 2 ? Rgb { 70, 140, 60 } : Rgb { 96, 160, 70 });
            if (i % 2 == 0)
                c.fill_rect(x, top, 1, 3, { 120, 74, 40 });
        }
        c.outline({ 30, 60, 30 });
        break;
    case STUMP:
        ground_shadow(c, 10, 15, 8, 3);
        c.fill_rect(5, 9, 10, 6, BARK);
        c.vline(5, 9, 14, BARK_DARK);
        c.ellipse(10, 9, 5, 2.5, { 206, 168, 112 });
        c.ellipse(10, 9, 2.5, 1.2, { 170, 130, 84 });
        c.outline(OUTLINE);
        break;
    case LAMP_POST:
        ground_shadow(c, 10, 18, 4, 1.5);
        c.vline(9, 0, 17, { 50, 50, 60 });
        c.vline(10, 0, 17, { 90, 90, 104 });
        c.fill_rect(7, 16, 6, 2, { 60, 60, 70 });
        c.outline(OUTLINE);
        break;
    case HAY_BALE:
        c.ellipse(10, 11, 8.5, 7, { 222, 186, 90 });
        for (int y = 5; y < 18; y += 3)
            for (int x = 2; x < 19; x++)
                if (c.opaque(x, y) && hash01(x, y, 380) < 0.6)
                    c.set(x, y, { 186, 150, 64 });
        c.ellipse(10, 11, 3, 2.5, { 244, 214, 130 });
        c.outline({ 110, 80, 40 });
        ground_shadow(c, 10, 18.5, 8, 1.5);
        break;
    }
    return c;
}

Canvas object_tile(int n)
{
    Canvas c(T, T);
    switch (n) {
    case BARREL:
        c.fill_rect(4, 4, 12, 14, WOOD);
        c.ellipse(10, 4.5, 6, 2.2, { 140, 96, 56 });
        for (int x = 4; x < 16; x += 3)
            c.vline(x, 6, 17, shade(WOOD, -16));
        c.hline(4, 15, 7, { 80, 80, 92 });
        c.hline(4, 15, 14, { 80, 80, 92 });
        c.vline(5, 6, 16, shade(WOOD, 20));
        c.outline(OUTLINE);
        ground_shadow(c, 10, 18.5, 7, 1.5);
        break;
    case BOX_BOTTOM: c = lower_half(box_picture()); break;
    case REPAIR_BOTTOM: c = lower_half(repair_picture()); break;
    case SIGNPOST:
        c.fill_rect(9, 6, 2, 12, BARK);
        c.fill_rect(3, 3, 14, 7, { 196, 150, 96 });
        c.hline(3, 16, 3, { 226, 184, 126 });
        c.hline(5, 13, 5, { 110, 76, 44 });
        c.hline(5, 11, 7, { 110, 76, 44 });
        c.set(17, 5, { 196, 150, 96 });
        c.set(17, 6, { 196, 150, 96 });
        c.set(18, 6, { 196, 150, 96 });
        c.set(17, 7, { 196, 150, 96 });
        c.outline(OUTLINE);
        ground_shadow(c, 10, 18.5, 5, 1.5);
        break;
    case WELL:
        c.fill_rect(2, 7, 16, 11, STONE);
        c.ellipse(10, 7, 8, 3, STONE_LIGHT);
        c.ellipse(10, 7, 6, 2, { 30, 50, 90 });
        for (int y = 10; y < 18; y += 3)
            for (int x = 2 + (y % 2) * 2; x < 18; x += 4)
                c.vline(x, y, y + 1, STONE_DARK);
        c.fill_rect(2, 0, 2, 8, BARK);
        c.fill_rect(16, 0, 2, 8, BARK);
        c.vline(10, 0, 6, { 180, 160, 120 });
        c.outline(OUTLINE);
        break;
    case SACKS:
        c.ellipse(6, 12, 5, 5.5, { 206, 188, 146 });
        c.ellipse(14, 13, 5, 5, { 190, 170, 128 });
        c.ellipse(10, 7, 4.5, 4.5, { 216, 200, 160 });
        c.hline(8, 12, 4, { 150, 130, 90 });
        shade_round(
            c, 10, 9, 7, { 170, 150, 108 }, { 206, 188, 146 }, { 230, 216, 180 }, { 140, 120, 84 }, 400);
        c.outline(OUTLINE);
        break;
    case CAMPFIRE:
        c.ellipse(10, 14, 8, 4, STONE_DARK);
        c.ellipse(10, 14, 6, 2.6, { 60, 40, 30 });
        c.line(5, 15, 15, 12, BARK);
        c.line(5, 12, 15, 16, BARK_LIGHT);
        c.ellipse(10, 9, 4, 6, { 240, 120, 40 });
        c.ellipse(10, 10, 2.5, 4, { 255, 200, 60 });
        c.set(10, 4, { 240, 120, 40 });
        c.set(8, 5, { 240, 120, 40 });
        c.set(10, 11, { 255, 246, 200 });
        c.outline(OUTLINE);
        break;
    case PINEAPPLE: {
        for (int i = 0; i < 5; i++)
            c.line(10, 17, 3 + i * 3 + (i > 2 ? 1 : 0), 12 - (i == 2 ? 2 : 0), { 60, 130, 60 });
        c.ellipse(10, 12, 3.6, 5, { 222, 168, 52 });
        for (int y = 8; y < 17; y++)
            for (int x = 6; x < 14; x++)
                if (c.get(x, y) == Rgb { 222, 168, 52 } && (x + y) % 3 == 0)
                    c.set(x, y, { 168, 118, 36 });
        for (int i = -2; i <= 2; i++)
            c.line(10, 7, 10 + i * 2, 2 + std::abs(i), { 70, 160, 70 });
        c.outline(OUTLINE);
        ground_shadow(c, 10, 18.5, 6, 1.5);
        break;
    }
    case FLOWER_POT:
        c.fill_rect(6, 11, 8, 7, { 200, 100, 60 });
        c.hline(5, 14, 11, { 226, 130, 84 });
        c.ellipse(7, 7, 2.2, 2.2, { 236, 72, 64 });
        c.ellipse(13, 6, 2.2, 2.2, { 255, 206, 60 });
        c.ellipse(10, 4, 2.2, 2.2, { 244, 120, 170 });
        c.vline(10, 6, 10, { 60, 130, 60 });
        c.outline(OUTLINE);
        break;
    case BENCH:
        c.fill_rect(1, 7, 18, 3, WOOD_LIGHT);
        c.fill_rect(1, 10, 18, 2, WOOD);
        c.fill_rect(2, 12, 2, 5, WOOD_DARK);
        c.fill_rect(16, 12, 2, 5, WOOD_DARK);
        c.outline(OUTLINE);
        ground_shadow(c, 10, 17.5, 9, 1.5);
        break;
    case PUMPKIN:
        c.ellipse(10, 12, 7.5, 5.5, { 232, 120, 32 });
        for (int x : { 7, 10, 13 })
            c.vline(x, 8, 16, { 196, 90, 24 });
        c.fill_rect(9, 5, 2, 3, { 90, 120, 50 });
        c.set(6, 9, { 255, 170, 80 });
        c.outline(OUTLINE);
        break;
    case ANVIL:
        c.fill_rect(7, 12, 6, 6, BARK);
        c.fill_rect(3, 7, 14, 3, { 70, 70, 84 });
        c.fill_rect(6, 10, 8, 2, { 54, 54, 64 });
        c.hline(3, 16, 7, { 120, 120, 136 });
        c.set(2, 8, { 70, 70, 84 });
        c.outline(OUTLINE);
        break;
    case GRAVESTONE:
        c.fill_rect(5, 6, 10, 12, { 150, 150, 160 });
        c.ellipse(10, 6, 5, 3, { 150, 150, 160 });
        c.vline(5, 5, 17, { 190, 190, 198 });
        c.fill_rect(9, 7, 2, 7, { 90, 90, 104 });
        c.fill_rect(7, 9, 6, 2, { 90, 90, 104 });
        c.outline(OUTLINE);
        ground_shadow(c, 10, 18.5, 7, 1.5);
        break;
    case ROWBOAT:
        c.ellipse(10, 10, 6, 9, WOOD);
        c.ellipse(10, 10, 4, 7, WOOD_DARK);
        c.hline(6, 14, 7, WOOD_LIGHT);
        c.hline(6, 14, 13, WOOD_LIGHT);
        c.line(3, 4, 16, 16, { 200, 170, 120 });
        c.outline(OUTLINE);
        break;
    case MUSHROOMS:
        c.fill_rect(6, 11, 3, 6, { 236, 226, 210 });
        c.ellipse(7.5, 10, 5, 3.5, { 210, 50, 50 });
        c.set(6, 9, { 255, 255, 255 });
        c.set(9, 8, { 255, 255, 255 });
        c.fill_rect(14, 13, 2, 4, { 236, 226, 210 });
        c.ellipse(15, 12.5, 3, 2.2, { 210, 50, 50 });
        c.set(15, 12, { 255, 255, 255 });
        c.outline(OUTLINE);
        break;
    case TENT:
        for (int y = 3; y < 18; y++) {
            int half = (y - 3) * 8 / 14;
            c.hline(10 - half - 1, 10 + half, y, y % 4 == 0 ? Rgb { 200, 180, 140 } : Rgb { 226, 206, 160 });
        }
        for (int y = 9; y < 18; y++) {
            int half = (y - 9) * 3 / 8;
            c.hline(10 - half, 10 + half - 1, y, { 70, 50, 40 });
        }
        c.outline(OUTLINE);
        break;
    case CRATE_STACK:
        c.ellipse(6, 12, 4.5, 5.5, { 190, 110, 70 });
        c.ellipse(14, 13, 4, 4.5, { 170, 96, 60 });
        c.fill_rect(5, 5, 3, 2, { 190, 110, 70 });
        c.fill_rect(13, 8, 3, 2, { 170, 96, 60 });
        shade_round(c, 9, 10, 7, { 150, 84, 52 }, { 190, 110, 70 }, { 220, 146, 100 }, { 120, 66, 42 }, 410);
        c.outline(OUTLINE);
        break;
    case BUCKET:
        c.fill_rect(6, 9, 8, 8, WOOD);
        c.ellipse(10, 9, 4, 1.6, { 70, 120, 200 });
        c.hline(6, 13, 12, { 80, 80, 92 });
        c.line(6, 8, 10, 4, { 80, 80, 92 });
        c.line(10, 4, 13, 8, { 80, 80, 92 });
        c.outline(OUTLINE);
        break;
    case STATUE:
        c.fill_rect(3, 8, 14, 10, { 176, 170, 160 });
        c.hline(3, 16, 8, { 210, 204, 194 });
        c.vline(16, 8, 17, { 136, 130, 122 });
        c.fill_rect(5, 0, 10, 8, { 200, 160, 60 });
        for (int y = 0; y < 8; y++)
            for (int x = 5; x < 15; x++)
                if ((x + y) % 3 == 0)
                    c.set(x, y, { 160, 120, 40 });
        c.outline(OUTLINE);
        break;
    case MARKET_STALL:
        c.fill_rect(1, 8, 18, 9, WOOD);
        c.hline(1, 18, 8, WOOD_LIGHT);
        c.ellipse(5, 7, 2.5, 2, { 222, 60, 50 });
        c.ellipse(10, 6.5, 2.5, 2, { 250, 190, 50 });
        c.ellipse(15, 7, 2.5, 2, { 120, 190, 70 });
        c.fill_rect(2, 17, 2, 2, WOOD_DARK);
        c.fill_rect(16, 17, 2, 2, WOOD_DARK);
        c.outline(OUTLINE);
        break;
    }
    return c;
}

// The three rows of a pitched roof, each with a left end, a middle and a
// right end.
Canvas roof_tile(int row, int column)
{
    Canvas c(T, T);
    for (int y = 0; y < T; y++)
        for (int x = 0; x < T; x++) {
            int gy = row * T + y;
            int scallop = (gy % 5), offset = (gy / 5) % 2 * 3;
            Rgb p = ROOF_RED;
            if (scallop == 4)
                p = ROOF_DARK;
            else if (scallop == 0)
                p = ROOF_LIGHT;
            if ((x + offset) % 6 == 0 && scallop != 0)
                p = shade(ROOF_DARK, 10);
            c.set(x, y, p);
        }
    if (row == 0) {
        for (int y = 0; y < 8; y++)
            c.hline(0, T - 1, y, KEY);
        c.hline(0, T - 1, 8, { 90, 34, 30 });
        c.hline(0, T - 1, 9, { 150, 60, 46 });
        c.hline(0, T - 1, 10, ROOF_DARK);
    }
    if (row == 2) {
        c.hline(0, T - 1, 15, { 90, 34, 30 });
        c.fill_rect(0, 16, T, 2, { 120, 80, 50 });
        c.fill_rect(0, 18, T, 2, { 70, 50, 40 });
    }
    int top = row == 0 ? 8 : 0;
    if (column == 0) {
        c.vline(0, top, T - 1, { 90, 34, 30 });
        c.vline(1, top, T - 1, ROOF_LIGHT);
    }
    if (column == 2) {
        c.vline(T - 1, top, T - 1, { 90, 34, 30 });
        c.vline(T - 2, top, T - 1, ROOF_DARK);
    }
    return c;
}

Canvas overhead_tile(int n)
{
    switch (n) {
    case OAK_CROWN_TOP: return upper_half(oak_crown());
    case OAK_CROWN_BOTTOM: return lower_half(oak_crown());
    case BOX_TOP: return upper_half(box_picture());
    case REPAIR_TOP: return upper_half(repair_picture());
    case PINE_TOP: return upper_half(pine_crown());
    case PINE_BOTTOM: return lower_half(pine_crown());
    case PALM_TOP: return upper_half(palm_crown());
    case PALM_BOTTOM: return lower_half(palm_crown());
    case ROOF_RIDGE_LEFT:
    case ROOF_RIDGE:
    case ROOF_RIDGE_RIGHT:
    case ROOF_LEFT:
    case ROOF:
    case ROOF_RIGHT:
    case ROOF_EAVE_LEFT:
    case ROOF_EAVE:
    case ROOF_EAVE_RIGHT: return roof_tile((n - ROOF_RIDGE_LEFT) / 3, (n - ROOF_RIDGE_LEFT) % 3);
    case WELL_ROOF: {
        Canvas c(T, T);
        for (int y = 6; y < 14; y++) {
            int half = 3 + (y - 6);
            c.hline(10 - half, 9 + half, y, y % 2 ? ROOF_RED : ROOF_DARK);
        }
        c.hline(0, T - 1, 14, { 90, 34, 30 });
        c.fill_rect(2, 15, 2, 5, BARK);
        c.fill_rect(16, 15, 2, 5, BARK);
        c.hline(4, 15, 16, { 140, 110, 80 });
        c.outline(OUTLINE);
        return c;
    }
    case LAMP_TOP: {
        Canvas c(T, T);
        c.vline(9, 12, 19, { 50, 50, 60 });
        c.vline(10, 12, 19, { 90, 90, 104 });
        c.fill_rect(7, 4, 6, 8, { 40, 40, 50 });
        c.fill_rect(8, 5, 4, 6, { 255, 226, 120 });
        c.set(8, 5, { 255, 250, 220 });
        c.hline(6, 13, 3, { 40, 40, 50 });
        c.outline(OUTLINE);
        return c;
    }
    case STATUE_TOP: {
        Canvas c(T, T);
        c.ellipse(10, 12, 5, 7, { 200, 160, 60 });
        for (int y = 5; y < T; y++)
            for (int x = 5; x < 15; x++)
                if (c.opaque(x, y) && (x + y) % 3 == 0)
                    c.set(x, y, { 160, 120, 40 });
        c.fill_rect(5, 17, 10, 3, { 200, 160, 60 });
        for (int i = -2; i <= 2; i++)
            c.line(10, 6, 10 + i * 2, 1 + std::abs(i), { 120, 160, 90 });
        c.outline(OUTLINE);
        return c;
    }
    }
    return Canvas(T, T);
}

} // namespace

Canvas draw_tileset(int layer)
{
    Canvas sheet(T * 20, T);
    for (int n = 0; n < 20; n++) {
        Canvas tile(T, T);
        switch (layer) {
        case 0: tile = ground_tile(n); break;
        case 1:
            if (n < 15)
                tile = edge_tile(n);
            break;
        case 2: tile = obstacle_tile(n); break;
        case 3: tile = object_tile(n); break;
        case 4: tile = overhead_tile(n); break;
        }
        for (int y = 0; y < T; y++)
            for (int x = 0; x < T; x++)
                sheet.set(n * T + x, y, tile.get(x, y));
    }
    return sheet;
}
