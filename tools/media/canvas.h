// The drawing kit of the media generator: an RGB picture with the cyan
// transparency key, a few shape and shading helpers, and the generator's own
// deterministic random numbers and noise, so every run draws the same bytes.
#ifndef MEDIA_CANVAS_H
#define MEDIA_CANVAS_H

#include <cstdint>
#include <string>
#include <vector>

struct Rgb {
    int r, g, b;
};

inline bool operator==(const Rgb& a, const Rgb& b)
{
    return a.r == b.r && a.g == b.g && a.b == b.b;
}
inline bool operator!=(const Rgb& a, const Rgb& b)
{
    return !(a == b);
}

// The transparent colour of every image.
const Rgb KEY = { 0, 255, 255 };

// `c` brightened (amount > 0) or darkened (amount < 0), clamped to 0..255.
Rgb shade(Rgb c, int amount);

// The colour a fraction t (0..1) of the way from a to b.
Rgb mix(Rgb a, Rgb b, double t);

class Canvas
{
public:
    Canvas(int w, int h, Rgb fill = KEY);

    int width() const { return w; }
    int height() const { return h; }
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }
    Rgb get(int x, int y) const { return px[(size_t)(y * w + x)]; }
    bool opaque(int x, int y) const { return inside(x, y) && get(x, y) != KEY; }

    // Pixels outside the canvas are ignored.
    void set(int x, int y, Rgb c);
    void fill_rect(int x, int y, int rw, int rh, Rgb c);
    void hline(int x0, int x1, int y, Rgb c);
    void vline(int x, int y0, int y1, Rgb c);
    void line(int x0, int y0, int x1, int y1, Rgb c);
    // Filled ellipse centred on (cx, cy) with radii rx, ry (pixel centres).
    void ellipse(double cx, double cy, double rx, double ry, Rgb c);
    // Every key pixel touching an opaque pixel on one of its four sides
    // becomes `c`.
    void outline(Rgb c);
    // Every opaque pixel of `other` copied with its top-left at (x, y).
    void paste(const Canvas& other, int x, int y);
    Canvas mirrored() const;

    // R, G, B bytes, rows top to bottom. Fails (returns false) if an opaque
    // pixel would turn into the key once reduced to 16 bits per pixel.
    bool rgb_bytes(std::vector<unsigned char>& out, std::string& problem) const;

private:
    int w, h;
    std::vector<Rgb> px;
};

// A hash of three integers, uniform over 32 bits.
uint32_t hash3(int x, int y, int seed);

// hash3 as a number in [0, 1).
double hash01(int x, int y, int seed);

// Smooth value noise in [0, 1), one lattice point per unit.
double value_noise(double x, double y, int seed);

// Three octaves of value noise, in [0, 1).
double fractal_noise(double x, double y, int seed);

// A small fixed-seed generator for the choices that follow each other.
class Random
{
public:
    explicit Random(uint32_t seed)
        : state(seed ? seed : 1)
    {
    }
    uint32_t next();
    // An integer in [0, n).
    int below(int n) { return (int)(next() % (uint32_t)n); }
    bool chance(double p) { return (next() & 0xFFFFFF) < (uint32_t)(p * 0x1000000); }

private:
    uint32_t state;
};

#endif
