#include "core/shapes/ColorConversion.h"
#include <algorithm>

namespace {
constexpr float kInv255 = 0.003921569f;
constexpr float kInv60 = 0.016666668f;
}

HsvF RgbToHsv(int R, int G, int B)
{
    float r = static_cast<float>(R & 255) * kInv255;
    float g = static_cast<float>(G & 255) * kInv255;
    float b = static_cast<float>(B & 255) * kInv255;
    const float rr = r, gg = g, bb = b;
    float max = std::max(rr, std::max(gg, bb));
    float min = std::min(rr, std::min(gg, bb));
    HsvF out;
    out.value = max;
    if (max == 0.0f)
        return out;
    float delta = max - min;
    out.saturation = delta / max;
    if (out.saturation == 0.0f)
        return out;
    float h;
    if (rr == max)
        h = (gg - bb) / delta;
    else if (gg == max)
        h = 2.0f + (bb - rr) / delta;
    else
        h = 4.0f + (rr - gg) / delta;
    float hue = h * 60.0f;
    if (hue < 0.0f)
        hue += 360.0f;
    out.hue = hue;
    return out;
}

ColorRef HsvToRgb(int hue, float s, float v)
{
    float r, g, b;
    if (s == 0.0f) {
        r = g = b = v;
    } else {
        if (hue == 360)
            hue = 0;
        float hh = static_cast<float>(hue) * kInv60;
        int i = static_cast<int>(hh);
        float f = hh - static_cast<float>(i);
        float p = v * (1.0f - s);
        float q = v * (1.0f - s * f);
        float t = v * (1.0f - s * (1.0f - f));
        switch (i) {
        case 0: r = v, g = t, b = p; break;
        case 1: r = q, g = v, b = p; break;
        case 2: r = p, g = v, b = t; break;
        case 3: r = p, g = q, b = v; break;
        case 4: r = t, g = p, b = v; break;
        default: r = v, g = p, b = q; break;
        }
    }
    auto channel = [](float c) { return static_cast<int>(c * 255.0f) & 255; };
    return MakeColorRef(channel(r), channel(g), channel(b));
}
