#pragma once
#include <cstdint>

// A colour as hue (degrees 0..360, 360 equals 0), saturation and value (0..255).
struct HsvColor {
    int16_t m_hue = 0;
    uint8_t m_saturation = 255;
    uint8_t m_value = 255;

    bool operator==(const HsvColor&) const = default;
};
