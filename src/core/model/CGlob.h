#pragma once
#include <cstdint>

// One placed glob: its shape's table index and its centre. Stored in files as x, y (16 bits
// each) and the shape (8 bits).
//
// Centres up to 19 pixels left of or above the drawing are accepted so that edge globs show,
// so the 16-bit fields are read with their sign. Everything that reads a position goes through
// X() and Y() (drawing pixels) or StoredX() and StoredY() (the file's fields), so that every
// reader places a glob at the same point.
struct CGlob {
    uint8_t m_shape = 0;
    int16_t m_y = 0;
    int16_t m_x = 0;

    CGlob() = default;
    CGlob(int x, int y, int shape)
        : m_shape(static_cast<uint8_t>(shape)), m_y(static_cast<int16_t>(y)), m_x(static_cast<int16_t>(x))
    {
    }
    // A glob from the fields as a file stores them.
    static CGlob FromStored(uint16_t x, uint16_t y, uint8_t shape)
    {
        return CGlob(static_cast<int16_t>(x), static_cast<int16_t>(y), shape);
    }

    int X() const { return m_x; }
    int Y() const { return m_y; }
    uint16_t StoredX() const { return static_cast<uint16_t>(m_x); }
    uint16_t StoredY() const { return static_cast<uint16_t>(m_y); }

    bool operator==(const CGlob&) const = default;
};
