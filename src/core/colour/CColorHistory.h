#pragma once
#include "core/colour/HsvColor.h"
#include <cstdint>
#include <string>
#include <vector>

// The last colours used, oldest first, with one of them selected. Never empty, never more than
// kCapacity entries, and the selection always names an entry in use.
class CColorHistory {
public:
    static constexpr int kCapacity = 20;
    static constexpr const char* kHeader = "Daubrix Color History";
    static constexpr int kHeaderSize = 21;
    static constexpr int kMaxFileSize = kHeaderSize + 4 + 4 * kCapacity;

    // Starts with the given colour as the only entry, selected.
    explicit CColorHistory(HsvColor first = {});

    int Count() const { return m_histCount; }
    int Selected() const { return m_histSelected; }
    HsvColor Entry(int i) const;
    HsvColor SelectedColor() const { return Entry(m_histSelected); }

    // Appends c unless it equals the last entry; drops the oldest when full; selects the new one.
    void Add(HsvColor c);
    // False (and no change) when i is not an entry in use.
    bool Select(int i);
    bool SelectPrevious() { return Select(m_histSelected - 1); }
    bool SelectNext() { return Select(m_histSelected + 1); }
    // Removes the selected entry; the following one, or the new last one, becomes selected.
    // Refused when only one entry is left.
    bool RemoveSelected();
    // The history becomes c alone, selected.
    void Reset(HsvColor c);

    // The file image: header, count, then hue (16-bit), saturation, value per entry.
    std::vector<uint8_t> ToBytes() const;
    // Replaces the history from a file image and selects the last entry. A wrong header, a count
    // outside 1..kCapacity or beyond the data, or a hue outside 0..360 leaves it unchanged.
    enum class ParseResult { Ok, Invalid };
    ParseResult FromBytes(const std::string& bytes);

private:
    int16_t m_histHue[kCapacity] = {};
    uint8_t m_histSat[kCapacity] = {};
    uint8_t m_histVal[kCapacity] = {};
    int32_t m_histCount = 0;
    int32_t m_histSelected = 0;
};
