#pragma once
#include "core/settings/CDrawingSettings.h"

// The tool a click in the drawing goes to.
enum class DrawingTool { Freehand, Lines, Pattern, MoveCenter, Sample, Count };

// The drawing modes and the rules between them: modes that cannot work together switch each
// other off, and a one-shot click mode (Move Center, the two samplings) puts Lines aside
// while it waits and gives it back when it ends, however it ends. Lines, Jitter and Skipping
// are stored settings; the others last for the run. A new mode is an entry in Mode and a row
// in kRules.
class CDrawingModes {
public:
    enum Mode { kLines, kPattern, kJitter, kSkipping, kMoveCenter, kSampleColor, kSampleShape, kModeCount };

    static constexpr unsigned Bit(Mode m) { return 1u << m; }
    // The modes that end after one click, or with ESC.
    static constexpr unsigned kOneShots = (1u << kMoveCenter) | (1u << kSampleColor) | (1u << kSampleShape);

    struct Rule {
        unsigned switchesOff;   // the modes switching this one on switches off (bit per Mode)
        DrawingTool tool;       // the tool of its clicks; Count for none (a way of drawing)
        int32_t CDrawingSettings::*stored;   // the setting it is kept in; null: for the run only
    };
    // One row per Mode, in its order. A click goes to the tool of the first one-shot mode on,
    // else to the first other mode on that has a tool, else to Freehand.
    static constexpr Rule kRules[kModeCount] = {
        {(1u << kPattern) | kOneShots, DrawingTool::Lines, &CDrawingSettings::m_lineMode},   // Lines
        {(1u << kLines) | (1u << kJitter), DrawingTool::Pattern, nullptr},                  // Pattern
        {1u << kPattern, DrawingTool::Count, &CDrawingSettings::m_jitter},                  // Jitter
        {1u << kPattern, DrawingTool::Count, &CDrawingSettings::m_skipping},                // Skipping
        {kOneShots & ~(1u << kMoveCenter), DrawingTool::MoveCenter, nullptr},               // Move Center
        {kOneShots & ~(1u << kSampleColor), DrawingTool::Sample, nullptr},                  // Sample Color
        {kOneShots & ~(1u << kSampleShape), DrawingTool::Sample, nullptr},                  // Sample Shape
    };

    explicit CDrawingModes(CDrawingSettings& drawing) : m_drawing(drawing) {}
    CDrawingModes(const CDrawingModes&) = delete;
    CDrawingModes& operator=(const CDrawingModes&) = delete;

    // The stored settings the modes govern (their amounts are set there directly).
    CDrawingSettings& Settings() { return m_drawing; }
    const CDrawingSettings& Settings() const { return m_drawing; }

    bool IsOn(Mode mode) const;
    bool AnyOneShot() const { return (m_runModes & kOneShots) != 0; }
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
        m_runModes = 0;
        m_linesAside = false;
        m_savedLines = 0;
    }

    static unsigned SwitchesOff(Mode mode) { return kRules[mode].switchesOff; }
    static bool IsOneShot(Mode mode) { return (kOneShots & Bit(mode)) != 0; }

private:
    void Store(Mode mode, bool on);
    void SwitchOff(Mode mode);

    CDrawingSettings& m_drawing;
    unsigned m_runModes = 0;   // the modes kept for the run that are on (bit per Mode)
    // Lines while a one-shot mode has put it aside.
    bool m_linesAside = false;
    int32_t m_savedLines = 0;
};
