#include "core/model/SectionBoundaries.h"
#include <algorithm>

int SectionStart(const SectionArray& sections, int floor, int position)
{
    for (size_t i = 0; i < sections.size(); ++i)
        if (sections[i] >= position)
            return i == 0 ? floor : sections[i - 1];
    return 0;
}

bool AddSectionBoundary(SectionArray& sections, int32_t& count, int32_t& floor, int position)
{
    const int kMax = static_cast<int>(sections.size());
    for (int i = 0; i < count && i < kMax; ++i)
        if (sections[static_cast<size_t>(i)] == position)
            return false;
    if (count >= kMax) {
        // The lowest boundary becomes the floor; a paste below every boundary is that one.
        if (position < sections[0]) {
            floor = std::max<int>(floor, position);
            return false;
        }
        floor = sections[0];
        std::copy(sections.begin() + 1, sections.end(), sections.begin());
        count = kMax - 1;
    }
    int at = count;
    for (int i = 0; i < count; ++i)
        if (sections[static_cast<size_t>(i)] > position) {
            at = i;
            break;
        }
    for (int i = count; i > at; --i)
        sections[static_cast<size_t>(i)] = sections[static_cast<size_t>(i - 1)];
    sections[static_cast<size_t>(at)] = position;
    ++count;
    return true;
}
