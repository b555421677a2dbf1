#include "core/model/CSectionList.h"
#include <utility>

bool CSectionList::Contains(int position) const
{
    for (int i = 0; i < m_count && i < kMax; ++i)
        if (m_sections[static_cast<size_t>(i)] == position)
            return true;
    return false;
}

bool CSectionList::Add(int position)
{
    return AddSectionBoundary(m_sections, m_count, m_floor, position);
}

void CSectionList::TruncateAt(int position)
{
    for (int i = 0; i < m_count && i < kMax; ++i) {
        if (m_sections[static_cast<size_t>(i)] > position) {
            m_sections[static_cast<size_t>(i)] = position;
            // A boundary already standing at the position is not doubled.
            const bool doubled = i > 0 && m_sections[static_cast<size_t>(i - 1)] == position;
            m_count = doubled ? i : i + 1;
            break;
        }
    }
}

void CSectionList::CutOut(int from, int to, bool entire)
{
    const int removed = entire ? to : to - from;
    int count = 0;
    for (int i = 0; i < m_count && i < kMax; ++i) {
        const int b = m_sections[static_cast<size_t>(i)];
        // Boundaries inside the cut run go with it.
        if ((b > from || entire) && b <= to)
            continue;
        m_sections[static_cast<size_t>(count++)] = b > to ? b - removed : b;
    }
    m_count = count;
    if (entire)
        m_floor = 0;
}

void CSectionList::ShiftFrom(int position, int count)
{
    for (int i = 0; i < m_count && i < kMax; ++i)
        if (m_sections[static_cast<size_t>(i)] >= position)
            m_sections[static_cast<size_t>(i)] += count;
}

void CSectionList::Load(int floor, int count, const int32_t* sections)
{
    m_floor = floor;
    m_count = count;
    m_sections.fill(0);
    for (int i = 0; i < count && i < kMax; ++i)
        m_sections[static_cast<size_t>(i)] = sections[i];
}

void CSectionList::Save()
{
    m_savedFloor = m_floor;
    m_savedCount = m_count;
    for (int i = 0; i < m_count && i < kMax; ++i)
        m_savedSections[static_cast<size_t>(i)] = m_sections[static_cast<size_t>(i)];
}

void CSectionList::Swap()
{
    std::swap(m_floor, m_savedFloor);
    std::swap(m_count, m_savedCount);
    // Exchange every entry: swapping only the first count entries loses boundaries on the
    // undo/redo round trip when the two counts differ.
    std::swap(m_sections, m_savedSections);
}

void CSectionList::Exchange(Copy& c)
{
    std::swap(m_floor, c.floor);
    std::swap(m_count, c.count);
    std::swap(m_sections, c.sections);
}
