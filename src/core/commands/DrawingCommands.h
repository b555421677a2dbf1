#pragma once

class CDaubrixView;
class CDrawingModes;
struct CDrawingSettings;

// The Drawing-menu mode commands. Each keeps the modes that cannot work together exclusive and
// lets the active view (may be null) show its rubber band with the new settings. The Toggle
// functions are what the command does with Ctrl held; the Apply functions take a dialog's OK.
namespace DrawingCommands {
void ToggleLines(CDrawingModes& modes, CDaubrixView* view);
void ApplyLines(CDrawingModes& modes, CDaubrixView* view, bool on, int density);
void ToggleJitter(CDrawingModes& modes);
void ApplyJitter(CDrawingModes& modes, bool on, int amount);
void ToggleSkipping(CDrawingModes& modes);
// slider 1..10 times multiplier 1..10 gives the amount.
void ApplySkipping(CDrawingModes& modes, bool on, int slider, int multiplier);
// The skipping slider's position for the stored amount.
int SkippingSliderPosition(const CDrawingSettings& drawing);

// The symmetries are settings only: no mode rule involves them.
void ToggleMirrorHorizontal(CDrawingSettings& drawing, CDaubrixView* view);
void ToggleMirrorVertical(CDrawingSettings& drawing, CDaubrixView* view);
void ToggleMirrorBoth(CDrawingSettings& drawing, CDaubrixView* view);
void TogglePolar(CDrawingSettings& drawing, CDaubrixView* view);
void ApplyPolar(CDrawingSettings& drawing, CDaubrixView* view, bool on, int count);
} // namespace DrawingCommands
