#pragma once
#include "core/base/CRect.h"

// The window that shows one drawing view. Rectangles are in drawing coordinates.
class IViewWindow {
public:
    virtual ~IViewWindow() = default;
    // The given part of the drawing image changed and should reach the screen.
    virtual void CopyToWindow(const CRect& r) = 0;
    // Ask for a paint (the engine's Paint will be called soon).
    virtual void Invalidate() = 0;
    // Lines mode: draw the rubber-band preview on top of the shown image.
    virtual void DrawRubberBand() {}
};
