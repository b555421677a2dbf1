#pragma once
#include "core/settings/CDrawingSettings.h"

// The tool a click in the drawing goes to.
enum class DrawingTool { Freehand, Lines, Pattern, MoveCenter, Sample, Count };

// The drawing modes and the rules between them: modes that cannot work together switch each
// other off, and a one-shot click mode (Move Center, the two samplings) puts Lines aside
// while it waits and gives it back when it ends, however it ends. Lines, Jitter and Skipping
// are stored settings; the one-shot modes and Pattern last for the run.
class CDrawingModes {
public:
    enum Mode { kLines, kPattern, kJitter, kSkipping, kMoveCenter, kSampleColor, kSampleShape, kModeCount };

    explicit CDrawingModes(CDrawingSettings& drawing) : m_drawing(drawing) {}
    CDrawingModes(const CDrawingModes&) = delete;
    CDrawingModes& operator=(const CDrawingModes&) = delete;

    // The stored settings the modes govern (their amounts are set there directly).
    CDrawingSettings& Settings() { return m_drawing; }
    const CDrawingSettings& Settings() const { return m_drawing; }

    bool IsOn(Mode mode) const;
    bool AnyOneShot() const { return m_moveCenter || m_sampleColor || m_sampleShape; }
    DrawingTool Tool() const;

    void Set(Mode mode, bool on);
    void Toggle(Mode mode) { Set(mode, !IsOn(mode)); }
    // Every one-shot mode off and Lines back; false when none was on.
    bool LeaveOneShot();
    // A one-shot click has begun: Lines comes back now, the mode ends with the release.
    void GiveLinesBack();
    // Back to how a run starts: every mode that lasts for the run off, nothing put aside.
    void ResetRunModes()
    {
        m_pattern = m_moveCenter = m_sampleColor = m_sampleShape = m_linesAside = false;
        m_savedLines = 0;
    }

    // Which modes switching mode on switches off (bit per Mode), and whether it is one-shot.
    static unsigned SwitchesOff(Mode mode);
    static bool IsOneShot(Mode mode);

private:
    bool& Flag(Mode mode);
    void SwitchOff(Mode mode);

    CDrawingSettings& m_drawing;
    bool m_pattern = false;
    bool m_moveCenter = false;
    bool m_sampleColor = false;
    bool m_sampleShape = false;
    // Lines while a one-shot mode has put it aside.
    bool m_linesAside = false;
    int32_t m_savedLines = 0;
};
