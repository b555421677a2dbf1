#include "core/settings/CDrawingModes.h"

namespace {
using M = CDrawingModes;
constexpr unsigned Bit(M::Mode m) { return 1u << m; }
constexpr unsigned kOneShots = Bit(M::kMoveCenter) | Bit(M::kSampleColor) | Bit(M::kSampleShape);

struct Rule {
    bool oneShot;
    unsigned switchesOff;
};
// One row per Mode, in its order.
constexpr Rule kRules[M::kModeCount] = {
    {false, Bit(M::kPattern) | kOneShots},            // Lines
    {false, Bit(M::kLines) | Bit(M::kJitter)},        // Pattern
    {false, Bit(M::kPattern)},                        // Jitter
    {false, Bit(M::kPattern)},                        // Skipping
    {true, kOneShots & ~Bit(M::kMoveCenter)},         // Move Center
    {true, kOneShots & ~Bit(M::kSampleColor)},        // Sample Color
    {true, kOneShots & ~Bit(M::kSampleShape)},        // Sample Shape
};
} // namespace

unsigned CDrawingModes::SwitchesOff(Mode mode)
{
    return kRules[mode].switchesOff;
}

bool CDrawingModes::IsOneShot(Mode mode)
{
    return kRules[mode].oneShot;
}

bool CDrawingModes::IsOn(Mode mode) const
{
    switch (mode) {
    case kLines: return m_drawing.m_lineMode != 0;
    case kPattern: return m_pattern;
    case kJitter: return m_drawing.m_jitter != 0;
    case kSkipping: return m_drawing.m_skipping != 0;
    case kMoveCenter: return m_moveCenter;
    case kSampleColor: return m_sampleColor;
    case kSampleShape: return m_sampleShape;
    case kModeCount: break;
    }
    return false;
}

bool& CDrawingModes::Flag(Mode mode)
{
    return mode == kPattern ? m_pattern : mode == kMoveCenter ? m_moveCenter : mode == kSampleColor ? m_sampleColor : m_sampleShape;
}

DrawingTool CDrawingModes::Tool() const
{
    if (m_moveCenter)
        return DrawingTool::MoveCenter;
    if (m_sampleColor || m_sampleShape)
        return DrawingTool::Sample;
    if (m_drawing.m_lineMode)
        return DrawingTool::Lines;
    if (m_pattern)
        return DrawingTool::Pattern;
    return DrawingTool::Freehand;
}

void CDrawingModes::Set(Mode mode, bool on)
{
    if (on)
        for (int m = 0; m < kModeCount; ++m)
            if (SwitchesOff(mode) & (1u << m))
                SwitchOff(static_cast<Mode>(m));
    switch (mode) {
    case kLines:
        m_drawing.m_lineMode = on ? 1 : 0;
        // Chosen while a one-shot mode waited (the table ended it): the choice stands.
        m_savedLines = 0;
        m_linesAside = false;
        break;
    case kJitter: m_drawing.m_jitter = on ? 1 : 0; break;
    case kSkipping: m_drawing.m_skipping = on ? 1 : 0; break;
    case kPattern: m_pattern = on; break;
    case kMoveCenter:
    case kSampleColor:
    case kSampleShape:
        if (on && !m_linesAside) {
            m_savedLines = m_drawing.m_lineMode;
            m_drawing.m_lineMode = 0;
            m_linesAside = true;
        }
        Flag(mode) = on;
        if (!AnyOneShot())
            GiveLinesBack();
        break;
    case kModeCount: break;
    }
}

void CDrawingModes::SwitchOff(Mode mode)
{
    if (IsOneShot(mode))
        Flag(mode) = false;   // by another one-shot mode: Lines stays aside
    else if (mode == kLines && m_linesAside)
        m_savedLines = 0;
    else if (IsOn(mode))
        Set(mode, false);
}

bool CDrawingModes::LeaveOneShot()
{
    if (!AnyOneShot())
        return false;
    m_moveCenter = m_sampleColor = m_sampleShape = false;
    GiveLinesBack();
    return true;
}

void CDrawingModes::GiveLinesBack()
{
    if (!m_linesAside)
        return;
    m_drawing.m_lineMode = m_savedLines;
    m_linesAside = false;
}
