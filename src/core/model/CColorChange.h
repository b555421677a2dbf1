#pragma once
#include "core/colour/HsvColor.h"
#include <cstdint>

// From this sequence position on, the shape of the glob at this position has this colour.
struct CColorChange {
    uint32_t m_position = 0;
    int16_t m_hue = 0;
    uint8_t m_saturation = 255;
    uint8_t m_value = 255;

    CColorChange() = default;
    CColorChange(uint32_t position, int hue, int saturation, int value)
        : m_position(position), m_hue(static_cast<int16_t>(hue)), m_saturation(static_cast<uint8_t>(saturation)),
          m_value(static_cast<uint8_t>(value))
    {
    }
    HsvColor Color() const { return {m_hue, m_saturation, m_value}; }
    bool operator==(const CColorChange&) const = default;
};
