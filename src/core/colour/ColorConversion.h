#pragma once
#include "core/colour/ColorRef.h"
#include <cstddef>
#include <cstdint>

// Hue in degrees [0, 360), saturation and value in [0, 1], all single precision.
struct HsvF {
    float hue = 0, saturation = 0, value = 0;
};

// The program's only RGB <-> HSV conversions. Both work in single precision with 1/255 and 1/60
// rounded to float and truncate, so a round trip may lose a unit in a channel.
HsvF RgbToHsv(int r, int g, int b);
ColorRef HsvToRgb(int hue, float s, float v);

// RgbToHsv of n colours (channels 0..255) at once, four abreast, kept as callers keep it:
// whole degrees, saturation and value times 255, each truncated. The very same arithmetic, so
// the very same numbers, at a fraction of the cost (an import converts millions).
struct HsvColumns {
    int16_t* hue;
    uint8_t* saturation;
    uint8_t* value;
};
void RgbToHsvBytes(const int32_t* r, const int32_t* g, const int32_t* b, size_t n, HsvColumns out);
