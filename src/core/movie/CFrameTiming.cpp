#include "core/movie/CFrameTiming.h"
#include <algorithm>
#include <cstring>

CFrameTiming::CFrameTiming(int fps, int unitsPerSecond, int minUnits)
    : m_fps(std::max(fps, 1)), m_units(unitsPerSecond), m_min(std::max(minUnits, 1))
{
}

int64_t CFrameTiming::Rounded(int index) const
{
    return (static_cast<int64_t>(index) * m_units * 2 + m_fps) / (2 * static_cast<int64_t>(m_fps));
}

bool CFrameTiming::IsNew(int index, const uint8_t* pixels, size_t bytes)
{
    m_count = index + 1;
    if (m_previous.size() == bytes && std::memcmp(m_previous.data(), pixels, bytes) == 0)
        return false;
    m_previous.assign(pixels, pixels + bytes);
    m_index = index;
    return true;
}

int64_t CFrameTiming::Start()
{
    m_last = m_last < 0 ? 0 : std::max(Rounded(m_index), m_last + m_min);
    return m_last;
}

int64_t CFrameTiming::End() const
{
    return std::max(Rounded(m_count), std::max<int64_t>(m_last, 0) + m_min);
}

int64_t CFrameTiming::LastDuration() const { return End() - std::max<int64_t>(m_last, 0); }

void CFrameTiming::Restart()
{
    m_index = m_count = 0;
    m_last = -1;
    m_previous.clear();
}
