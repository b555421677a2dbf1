#include "core/settings/CDrawingModes.h"
#include <initializer_list>

bool CDrawingModes::IsOn(Mode mode) const
{
    if (mode < 0 || mode >= kModeCount)
        return false;
    if (const auto field = kRules[mode].stored)
        return m_drawing.*field != 0;
    return (m_runModes & Bit(mode)) != 0;
}

DrawingTool CDrawingModes::Tool() const
{
    for (const bool oneShot : {true, false})
        for (int m = 0; m < kModeCount; ++m) {
            const Rule& rule = kRules[m];
            if (IsOneShot(static_cast<Mode>(m)) == oneShot && rule.tool != DrawingTool::Count && IsOn(static_cast<Mode>(m)))
                return rule.tool;
        }
    return DrawingTool::Freehand;
}

void CDrawingModes::Store(Mode mode, bool on)
{
    if (const auto field = kRules[mode].stored)
        m_drawing.*field = on ? 1 : 0;
    else if (on)
        m_runModes |= Bit(mode);
    else
        m_runModes &= ~Bit(mode);
}

void CDrawingModes::Set(Mode mode, bool on)
{
    if (mode < 0 || mode >= kModeCount)
        return;
    if (on)
        for (int m = 0; m < kModeCount; ++m)
            if (SwitchesOff(mode) & (1u << m))
                SwitchOff(static_cast<Mode>(m));
    if (mode == kLines) {
        Store(mode, on);
        // Chosen while a one-shot mode waited (the table ended it): the choice stands.
        m_savedLines = 0;
        m_linesAside = false;
    } else if (IsOneShot(mode)) {
        if (on && !m_linesAside) {
            m_savedLines = m_drawing.m_lineMode;
            m_drawing.m_lineMode = 0;
            m_linesAside = true;
        }
        Store(mode, on);
        if (!AnyOneShot())
            GiveLinesBack();
    } else {
        Store(mode, on);
    }
}

void CDrawingModes::SwitchOff(Mode mode)
{
    if (IsOneShot(mode))
        Store(mode, false);   // by another one-shot mode: Lines stays aside
    else if (mode == kLines && m_linesAside)
        m_savedLines = 0;
    else if (IsOn(mode))
        Set(mode, false);
}

bool CDrawingModes::LeaveOneShot()
{
    if (!AnyOneShot())
        return false;
    m_runModes &= ~kOneShots;
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
