#pragma once
#include "core/colour/HsvColor.h"

// What the shape palette needs of the Colors window: its current colour, its colour history,
// and the step that hands the current colour to the current shape and the active drawing.
class IColorsLink {
public:
    virtual ~IColorsLink() = default;

    virtual HsvColor CurrentColor() const = 0;
    // Sets the window's copy of the current colour and redraws its field and strip.
    virtual void SetCurrentColor(HsvColor c) = 0;
    // Appends the current colour unless it equals the last entry.
    virtual void AddCurrentToHistory() = 0;
    // Gives the current colour to the current shape, records it in the active drawing and
    // repaints the palette.
    virtual void ApplyCurrentColor() = 0;

    virtual int HistoryCount() const = 0;
    virtual HsvColor HistoryEntry(int i) const = 0;
    virtual void SelectHistoryEntry(int i) = 0;
};
