#include "core/panels/CPlayback.h"
#include <algorithm>
#include <cmath>

CPlayback::CPlayback(int start, int end, int frames)
    : m_start(start), m_end(std::max(start, end)), m_frames(std::max(frames, 1))
{
}

int CPlayback::FrameCount(double seconds, double framesPerSecond)
{
    const double n = std::round(seconds * framesPerSecond);
    return n < 1 ? 1 : (n > 1e8 ? 100000000 : static_cast<int>(n));
}

int CPlayback::PositionAt(int frame) const
{
    frame = std::clamp(frame, 0, m_frames);
    return m_start + static_cast<int>(int64_t{m_end - m_start} * frame / m_frames);
}

CPlayback::Range CPlayback::MoveTo(int frame)
{
    const int from = PositionAt(m_frame);
    m_frame = std::clamp(frame, m_frame, m_frames);
    return {from, PositionAt(m_frame)};
}

CPlayback::Range CPlayback::Advance(double elapsed, double framesPerSecond)
{
    const double due = std::floor(std::max(elapsed, 0.0) * framesPerSecond);
    const int frame = due >= m_frames ? m_frames : std::max(static_cast<int>(due), m_frame + 1);
    return MoveTo(frame);
}

CPlayback::Range CPlayback::Next()
{
    return MoveTo(m_frame + 1);
}
