#pragma once
#include "core/imaging/CImage32.h"
#include <cmath>

// A picture with what photographs have and test patterns lack: smooth gradients, round shapes
// with soft edges and a little grain, so no two neighbouring pixels are alike.
inline CImage32 MakePhotoPicture(int w, int h)
{
    CImage32 img(w, h);
    auto disc = [](float x, float y, float cx, float cy, float r) {
        const float d = std::sqrt((x - cx) * (x - cx) + (y - cy) * (y - cy));
        return std::fmin(std::fmax(r - d, 0.0f), 1.0f);   // one pixel of soft edge
    };
    uint32_t grain = 12345;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const float fx = static_cast<float>(x) / w, fy = static_cast<float>(y) / h;
            // Sky to meadow.
            float r = 135 - 90 * fy, g = 206 - 100 * fy + 20 * fx, b = 235 - 190 * fy;
            const float sun = disc(fx * w, fy * h, 0.75f * w, 0.22f * h, 0.09f * w);
            r += (244 - r) * sun, g += (208 - g) * sun, b += (63 - b) * sun;
            const float crown = disc(fx * w, fy * h, 0.24f * w, 0.45f * h, 0.13f * w);
            r += (34 - r) * crown, g += (139 - g) * crown, b += (34 - b) * crown;
            const float stone = disc(fx * w, fy * h * 2.2f, 0.6f * w, 0.8f * h * 2.2f, 0.14f * w);
            r += (192 - r) * stone, g += (57 - g) * stone, b += (43 - b) * stone;
            grain = grain * 1103515245u + 12345u;
            const float n = static_cast<float>((grain >> 16) % 9) - 4.0f;
            auto c = [n](float v) { return static_cast<int>(std::fmin(std::fmax(v + n, 0.0f), 255.0f)); };
            img.Set(x, y, MakePixel(c(r), c(g), c(b)));
        }
    return img;
}
