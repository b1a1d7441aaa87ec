// The generator's drawing kit: pixels, shapes, outlines, hashing and noise.
#include "canvas.h"

#include <cmath>
#include <cstdio>

Rgb shade(Rgb c, int amount)
{
    auto clamp = [](int v) { return v < 0 ? 0 : v > 255 ? 255 : v; };
    return { clamp(c.r + amount), clamp(c.g + amount), clamp(c.b + amount) };
}

Rgb mix(Rgb a, Rgb b, double t)
{
    return { (int)std::lround(a.r + (b.r - a.r) * t), (int)std::lround(a.g + (b.g - a.g) * t),
        (int)std::lround(a.b + (b.b - a.b) * t) };
}

Canvas::Canvas(int w, int h, Rgb fill)
    : w(w)
    , h(h)
    , px((size_t)(w * h), fill)
{
}

void Canvas::set(int x, int y, Rgb c)
{
    if (inside(x, y))
        px[(size_t)(y * w + x)] = c;
}

void Canvas::fill_rect(int x, int y, int rw, int rh, Rgb c)
{
    for (int j = y; j < y + rh; j++)
        for (int i = x; i < x + rw; i++)
            set(i, j, c);
}

void Canvas::hline(int x0, int x1, int y, Rgb c)
{
    for (int x = x0; x <= x1; x++)
        set(x, y, c);
}

void Canvas::vline(int x, int y0, int y1, Rgb c)
{
    for (int y = y0; y <= y1; y++)
        set(x, y, c);
}

void Canvas::line(int x0, int y0, int x1, int y1, Rgb c)
{
    int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        set(x0, y0, c);
        if (x0 == x1 && y0 == y1)
            break;
        int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void Canvas::ellipse(double cx, double cy, double rx, double ry, Rgb c)
{
    for (int y = (int)std::floor(cy - ry); y <= (int)std::ceil(cy + ry); y++)
        for (int x = (int)std::floor(cx - rx); x <= (int)std::ceil(cx + rx); x++) {
            double nx = (x + 0.5 - cx) / rx, ny = (y + 0.5 - cy) / ry;
            if (nx * nx + ny * ny <= 1.0)
                set(x, y, c);
        }
}

void Canvas::outline(Rgb c)
{
    std::vector<Rgb> copy = px;
    auto solid = [&](int x, int y) { return inside(x, y) && copy[(size_t)(y * w + x)] != KEY; };
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++)
            if (!solid(x, y) && (solid(x - 1, y) || solid(x + 1, y) || solid(x, y - 1) || solid(x, y + 1)))
                px[(size_t)(y * w + x)] = c;
}

void Canvas::paste(const Canvas& other, int x, int y)
{
    for (int j = 0; j < other.h; j++)
        for (int i = 0; i < other.w; i++)
            if (other.get(i, j) != KEY)
                set(x + i, y + j, other.get(i, j));
}

Canvas Canvas::mirrored() const
{
    Canvas m(w, h);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++)
            m.set(w - 1 - x, y, get(x, y));
    return m;
}

bool Canvas::rgb_bytes(std::vector<unsigned char>& out, std::string& problem) const
{
    out.clear();
    out.reserve(px.size() * 3);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            Rgb c = get(x, y);
            // The game keeps 5 bits of red, 6 of green and 5 of blue.
            if (c != KEY && (c.r >> 3) == 0 && (c.g >> 2) == 63 && (c.b >> 3) == 31) {
                char where[64];
                std::snprintf(where, sizeof where, "pixel (%d, %d) turns into the key", x, y);
                problem = where;
                return false;
            }
            out.push_back((unsigned char)c.r);
            out.push_back((unsigned char)c.g);
            out.push_back((unsigned char)c.b);
        }
    return true;
}

uint32_t hash3(int x, int y, int seed)
{
    uint32_t h = (uint32_t)x * 0x8da6b343u ^ (uint32_t)y * 0xd8163841u ^ (uint32_t)seed * 0xcb1ab31fu;
    h ^= h >> 15;
    h *= 0x2c1b3c6du;
    h ^= h >> 12;
    h *= 0x297a2d39u;
    h ^= h >> 15;
    return h;
}

double hash01(int x, int y, int seed)
{
    return (hash3(x, y, seed) >> 8) / 16777216.0;
}

double value_noise(double x, double y, int seed)
{
    int x0 = (int)std::floor(x), y0 = (int)std::floor(y);
    double fx = x - x0, fy = y - y0;
    double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
    double a = hash01(x0, y0, seed), b = hash01(x0 + 1, y0, seed);
    double c = hash01(x0, y0 + 1, seed), d = hash01(x0 + 1, y0 + 1, seed);
    return (a + (b - a) * sx) * (1 - sy) + (c + (d - c) * sx) * sy;
}

double fractal_noise(double x, double y, int seed)
{
    return (value_noise(x, y, seed) * 4 + value_noise(x * 2, y * 2, seed + 1) * 2
               + value_noise(x * 4, y * 4, seed + 2))
        / 7;
}

uint32_t Random::next()
{
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
}
