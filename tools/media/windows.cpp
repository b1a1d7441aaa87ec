// The window frames behind the panels, dialogs and the save/load menu: a
// deep blue panel shading darker towards the bottom, a bevelled light
// border and rounded corners cut out with the transparent key.
#include <cmath>

#include "media.h"

namespace
{

Canvas window_frame(int w, int h)
{
    Canvas c(w, h);
    const Rgb rim = { 16, 14, 36 }, border = { 226, 230, 250 }, border_shade = { 140, 150, 200 },
              inner = { 30, 34, 86 };
    const Rgb fill_top = { 58, 70, 156 }, fill_bottom = { 26, 30, 90 };
    const int r = 4;
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            // Distance inward from the rounded outline.
            int cx = x < r ? r : x >= w - r ? w - 1 - r : x;
            int cy = y < r ? r : y >= h - r ? h - 1 - r : y;
            double corner = std::hypot(x - cx, y - cy);
            if ((x < r || x >= w - r) && (y < r || y >= h - r) && corner > r + 0.3)
                continue;
            int edge = std::min(std::min(x, w - 1 - x), std::min(y, h - 1 - y));
            if ((x < r || x >= w - r) && (y < r || y >= h - r))
                edge = (int)std::lround(r - corner);
            Rgb p;
            if (edge <= 0)
                p = rim;
            else if (edge == 1)
                p = (x > w / 2 && y > h / 2) || y == h - 2 || x == w - 2 ? border_shade : border;
            else if (edge == 2)
                p = rim;
            else if (edge == 3)
                p = inner;
            else {
                double t = (double)(y - 3) / (h - 7);
                // An ordered dither between rows keeps the gradient smooth.
                static const int bayer[4][4]
                    = { { 0, 8, 2, 10 }, { 12, 4, 14, 6 }, { 3, 11, 1, 9 }, { 15, 7, 13, 5 } };
                double levels = 6;
                double v = t * levels + (bayer[y % 4][x % 4] / 16.0 - 0.5);
                int step = (int)std::lround(std::max(0.0, std::min(levels, v)));
                p = mix(fill_top, fill_bottom, step / levels);
                if (edge == 4 && y < h / 2)
                    p = shade(p, 14);
            }
            c.set(x, y, p);
        }
    return c;
}

} // namespace

Canvas draw_text_window()
{
    return window_frame(320, 31);
}

Canvas draw_tall_window()
{
    return window_frame(82, 150);
}
