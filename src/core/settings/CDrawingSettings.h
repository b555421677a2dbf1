#pragma once
#include <cstdint>

// How strokes place globs: skipping, lines, symmetry and jitter. Kept between runs; the 8-bit
// ones are held as uint8_t because the stored value is truncated to its low byte.
struct CDrawingSettings {
    int32_t m_skipMultiplier = 1;
    int32_t m_skippingAmount = 1;
    int32_t m_skipping = 0;
    int32_t m_lineMode = 0;
    uint8_t m_lineDensity = 4;
    int32_t m_polar = 1;
    int32_t m_polarCount = 5;
    int32_t m_mirrorBoth = 0;
    int32_t m_mirrorHorizontal = 0;
    int32_t m_mirrorVertical = 0;
    int32_t m_jitter = 1;
    uint8_t m_jitterAmount = 3;
};
