#include "core/colour/ColorConversion.h"
#include <algorithm>
#include <cstring>

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

namespace {

using Float4 = float __attribute__((vector_size(16)));
using Int4 = int32_t __attribute__((vector_size(16)));
using Short4 = int16_t __attribute__((vector_size(8)));
using Byte4 = uint8_t __attribute__((vector_size(4)));

// Lane by lane: where mask is set a, elsewhere b.
Float4 Select(Int4 mask, Float4 a, Float4 b)
{
    return (Float4)((mask & (Int4)a) | (~mask & (Int4)b));
}

Float4 Channel(const int32_t* c)
{
    Int4 v;
    std::memcpy(&v, c, sizeof v);
    return __builtin_convertvector(v & 255, Float4) * kInv255;
}

// RgbToHsv step by step, every branch taken and the right one kept. Lanes that RgbToHsv leaves
// at 0 divide by 1 instead, so nothing is undefined. Inlined, so its constants stay in registers.
[[gnu::always_inline]] inline void FourToHsvBytes(const int32_t* r, const int32_t* g, const int32_t* b, HsvColumns out)
{
    const Float4 rr = Channel(r), gg = Channel(g), bb = Channel(b);
    const Float4 zero = {0, 0, 0, 0}, one = {1, 1, 1, 1};
    const Float4 max = Select(rr < Select(gg < bb, bb, gg), Select(gg < bb, bb, gg), rr);
    const Float4 min = Select(Select(bb < gg, bb, gg) < rr, Select(bb < gg, bb, gg), rr);
    const Float4 delta = max - min;
    const Float4 saturation = Select(max == zero, zero, delta / Select(max == zero, one, max));
    const Int4 grey = saturation == zero;
    const Int4 redMax = rr == max, greenMax = gg == max;
    const Float4 num = Select(redMax, gg - bb, Select(greenMax, bb - rr, rr - gg));
    const Float4 q = num / Select(grey, one, delta);
    const Float4 base = Select(greenMax, Float4{2, 2, 2, 2}, Float4{4, 4, 4, 4});
    Float4 hue = Select(redMax, q, base + q) * 60.0f;
    hue = Select(hue < zero, hue + 360.0f, hue);
    hue = Select(grey, zero, hue);
    const Short4 h = __builtin_convertvector(__builtin_convertvector(hue, Int4), Short4);
    const Byte4 s = __builtin_convertvector(__builtin_convertvector(saturation * 255.0f, Int4), Byte4);
    const Byte4 v = __builtin_convertvector(__builtin_convertvector(max * 255.0f, Int4), Byte4);
    std::memcpy(out.hue, &h, sizeof h);
    std::memcpy(out.saturation, &s, sizeof s);
    std::memcpy(out.value, &v, sizeof v);
}

} // namespace

void RgbToHsvBytes(const int32_t* r, const int32_t* g, const int32_t* b, size_t n, HsvColumns out)
{
    size_t i = 0;
    for (; i + 4 <= n; i += 4)
        FourToHsvBytes(r + i, g + i, b + i, {out.hue + i, out.saturation + i, out.value + i});
    if (i == n)
        return;
    // The last few through the same lanes, padded.
    int32_t pr[4] = {}, pg[4] = {}, pb[4] = {};
    int16_t hue[4];
    uint8_t saturation[4], value[4];
    std::copy(r + i, r + n, pr);
    std::copy(g + i, g + n, pg);
    std::copy(b + i, b + n, pb);
    FourToHsvBytes(pr, pg, pb, {hue, saturation, value});
    std::copy(hue, hue + (n - i), out.hue + i);
    std::copy(saturation, saturation + (n - i), out.saturation + i);
    std::copy(value, value + (n - i), out.value + i);
}
