#pragma once
#include "core/colour/ColorRef.h"

// Hue in degrees [0, 360), saturation and value in [0, 1], all single precision.
struct HsvF {
    float hue = 0, saturation = 0, value = 0;
};

// The program's only RGB <-> HSV conversions. Both work in single precision with 1/255 and 1/60
// rounded to float and truncate, so a round trip may lose a unit in a channel.
HsvF RgbToHsv(int r, int g, int b);
ColorRef HsvToRgb(int hue, float s, float v);
