#pragma once

class CDaubrixApp;
class CDaubrixView;

// The Drawing-menu mode commands. Each keeps the modes that cannot work together exclusive and
// lets the active view (may be null) show its rubber band with the new settings. The Toggle
// functions are what the command does with Ctrl held; the Apply functions take a dialog's OK.
namespace DrawingCommands {
void ToggleLines(CDaubrixApp& app, CDaubrixView* view);
void ApplyLines(CDaubrixApp& app, CDaubrixView* view, bool on, int density);
void ToggleJitter(CDaubrixApp& app);
void ApplyJitter(CDaubrixApp& app, bool on, int amount);
void ToggleSkipping(CDaubrixApp& app);
// slider 1..10 times multiplier 1..10 gives the amount.
void ApplySkipping(CDaubrixApp& app, bool on, int slider, int multiplier);
// The skipping slider's position for the stored amount.
int SkippingSliderPosition(const CDaubrixApp& app);

void ToggleMirrorHorizontal(CDaubrixApp& app, CDaubrixView* view);
void ToggleMirrorVertical(CDaubrixApp& app, CDaubrixView* view);
void ToggleMirrorBoth(CDaubrixApp& app, CDaubrixView* view);
void TogglePolar(CDaubrixApp& app, CDaubrixView* view);
void ApplyPolar(CDaubrixApp& app, CDaubrixView* view, bool on, int count);
} // namespace DrawingCommands
