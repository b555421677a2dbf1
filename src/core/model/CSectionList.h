#pragma once
#include "core/model/SectionBoundaries.h"
#include <cstddef>
#include <cstdint>

// A drawing's section boundaries: at most ten distinct ascending positions, all above a floor
// the history cannot go below, and a saved copy for the undo of a paste or cut. The .dbx
// header stores them, so every change goes through here.
class CSectionList {
public:
    static constexpr int kMax = static_cast<int>(SectionArray{}.size());

    int Count() const { return m_count < 0 ? 0 : (m_count > kMax ? kMax : m_count); }
    int At(int i) const { return m_sections[static_cast<size_t>(i)]; }
    int Floor() const { return m_floor; }
    // Where the section holding position starts: the boundary below it, or the floor.
    int StartFor(int position) const { return SectionStart(m_sections, m_floor, position); }
    bool Contains(int position) const;

    // False when position was already a boundary or only moved the floor.
    bool Add(int position);
    // The glob sequence now ends at position: the first boundary past it moves there, the
    // others go.
    void TruncateAt(int position);
    // Globs from..to went (entire: everything up to to): boundaries inside go, those past move down.
    void CutOut(int from, int to, bool entire);
    // count globs were inserted at position: boundaries from there on move up.
    void ShiftFrom(int position, int count);
    void Clear() { m_count = 0; m_floor = 0; }
    // Clear hides the boundaries and its undo shows them again.
    struct Hidden {
        int32_t floor = 0;
        int32_t count = 0;
    };
    Hidden Hide()
    {
        const Hidden h{m_floor, m_count};
        Clear();
        return h;
    }
    void Unhide(const Hidden& h) { m_floor = h.floor; m_count = h.count; }
    // Takes boundaries as a file stores them (count already within 0..kMax), unused entries zero.
    void Load(int floor, int count, const int32_t* sections);

    void Save();
    void Swap();

    // The boundaries as an undo step keeps them: exchanged whole on undo and redo.
    struct Copy {
        int32_t floor = 0;
        int32_t count = 0;
        SectionArray sections{};
    };
    Copy Take() const { return {m_floor, m_count, m_sections}; }
    void Exchange(Copy& c);

private:
    int32_t m_floor = 0;
    int32_t m_count = 0;
    SectionArray m_sections{};
    int32_t m_savedFloor = 0;
    int32_t m_savedCount = 0;
    SectionArray m_savedSections{};
};
