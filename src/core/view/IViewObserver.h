#pragma once
#include "core/base/CPoint.h"
#include "core/colour/HsvColor.h"

// What one drawing view tells the rest of the program. Every call has a default that ignores
// it, so an observer overrides only what it shows.
class IViewObserver {
public:
    virtual ~IViewObserver() = default;
    // The history position, the glob count or the sections changed: the slider is rebuilt.
    virtual void HistoryChanged() {}
    // A section boundary was added at position.
    virtual void SectionAdded(int /*position*/) {}
    // The current colour was stepped during a stroke.
    virtual void ColorShown(HsvColor /*c*/) {}
    // A stroke ended while a colour drift is on.
    virtual void StrokeEnded() {}
    // Move Center mode began: put the pointer on this drawing point.
    virtual void WarpPointer(CPoint /*p*/) {}
    // A sampling click gave the current shape this colour (and, for a shape, made another
    // shape current): the colour displays and the palette follow.
    virtual void ColorSampled(HsvColor /*c*/) {}
    virtual void ShapeSampled(HsvColor /*c*/) {}
};
