#pragma once
#include <cstdint>

// One placed glob: its shape's table index and its centre. Stored in files as x, y (16 bits
// each) and the shape (8 bits).
struct CGlob {
    uint8_t m_shape = 0;
    int16_t m_y = 0;
    int16_t m_x = 0;

    CGlob() = default;
    CGlob(int x, int y, int shape)
        : m_shape(static_cast<uint8_t>(shape)), m_y(static_cast<int16_t>(y)), m_x(static_cast<int16_t>(x))
    {
    }
    bool operator==(const CGlob&) const = default;
};
