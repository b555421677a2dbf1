#pragma once
#include "core/settings/CWindowPlacement.h"
#include <cstdint>

// Application shell: window placements, start-up flags, New Drawing choices. Placement copies
// are read at start-up, updated by the frames when they close and written back at exit.
struct CShellSettings {
    CWindowPlacement m_shapesWindow{1, 0, 1, 10, 110, 105, 235};
    CWindowPlacement m_colorsWindow{1, 0, 1, 10, 0, 250, 0};
    CWindowPlacement m_undoSlider{1, 0, 1, 10, 0, 400, 0};
    CWindowPlacement m_appWindow{1, 0, 1, 0, 639, 0, 479};
    int32_t m_noSettingsWrite = 0;
    int32_t m_newLockAspect = 0;
    int32_t m_newWidth = 400;
    int32_t m_newHeight = 400;
    // Minutes between the copies of unsaved drawings kept against a crash; 0 or less: none.
    int32_t m_autoSaveMinutes = 2;
    // Undo steps kept per drawing (1: the single step that Undo turns into its redo).
    int32_t m_undoLevels = 1;
    // How long the Drawing History window's Play takes from the floor to the end.
    int32_t m_playbackSeconds = 10;
    static constexpr int kMaxPlaybackSeconds = 600;
};
