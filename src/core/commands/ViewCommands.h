#pragma once
#include "core/colour/HsvColor.h"

class CDaubrixView;

// The view's commands that are not strokes: the sampling modes, the background colour, Clear.
namespace ViewCommands {

// Sample Color and Sample Shape: the next click in any drawing picks instead of drawing. On, the
// other one-shot modes go off and Lines waits; off, Lines comes back.
void ToggleSampleColor(CDaubrixView& view);
void ToggleSampleShape(CDaubrixView& view);
// Move Center, Sample Color and Sample Shape all off, Lines back as it was.
void LeaveOneShotModes(CDaubrixView& view);

// The background becomes the given colour. Not undoable.
void SetBackgroundColor(CDaubrixView& view, HsvColor c);

constexpr const char* kClearCaption = "Confirm";
constexpr const char* kClearQuestion = "Clear the drawing?";
// Asks first; true when the drawing was cleared.
bool Clear(CDaubrixView& view);
void ClearNow(CDaubrixView& view);

} // namespace ViewCommands
