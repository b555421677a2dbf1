#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// When each frame of an animation shows, in the format's delay units (1/100 s for GIF, 1/1000 s
// for WebP). Each start is frame number / fps rounded to the nearest unit, so rounding never
// adds up over a long movie; no frame shows shorter than minUnits (browsers slow GIF delays
// under 2/100 s down to 1/10 s). A frame equal to the one before is not shown again: its time
// goes to the frame before, which is how the held last frame costs nothing.
class CFrameTiming {
public:
    CFrameTiming() = default;
    CFrameTiming(int fps, int unitsPerSecond, int minUnits);

    // False when frame `index` repeats the one before; counts it either way.
    bool IsNew(int index, const uint8_t* pixels, size_t bytes);
    // The start of the frame IsNew last accepted.
    int64_t Start();
    // How long the last frame shows, up to the end of every frame counted.
    int64_t LastDuration() const;
    int64_t End() const;
    // Forgets the frames (a second pass over the same frames).
    void Restart();

private:
    int64_t Rounded(int index) const;

    int m_fps = 30;
    int m_units = 100;
    int m_min = 1;
    int m_index = 0;      // of the last frame accepted
    int m_count = 0;      // frames seen
    int64_t m_last = -1;  // start of the last frame accepted
    std::vector<uint8_t> m_previous;
};
