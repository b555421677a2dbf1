#pragma once
#include "core/base/CPoint.h"
#include "core/colour/ColorRef.h"
#include "core/colour/HsvColor.h"
#include <cstdint>

class CDaubrixDoc;
class IViewObserver;

// What the stroke engine and its tools need of a view.
class IStrokeTarget {
public:
    virtual ~IStrokeTarget() = default;
    virtual CDaubrixDoc& Doc() = 0;
    virtual int ShownCount() const = 0;
    // Start of a stroke at the history position: a pending Clear empties the document, the
    // undo image takes what is shown and the hidden globs are discarded.
    virtual void BeginStroke() = 0;
    // n globs were appended at the end: the position follows, they are drawn at the next paint.
    virtual void GlobsAppended(int n) = 0;
    // The last placement request was skipped: the next paint leaves out its full copy.
    virtual void SetPlacementSkipped(bool skipped) = 0;
    // A freehand stroke draws its globs without the wait cursor.
    virtual void FreehandStarted() = 0;
    // Ask the window for a paint.
    virtual void Invalidate() = 0;
    // The rubber band or the modes that hide it changed.
    virtual void BandChanged() = 0;
    // Symmetry centre; MoveCenter records the old one as the undo step.
    virtual CPoint Center() const = 0;
    virtual void MoveCenter(CPoint c) = 0;
    virtual void ResetCenter() = 0;
    virtual uint8_t* ColorTicks() = 0;
    virtual IViewObserver& Observer() = 0;
    // The shown picture's pixel at a drawing point; false outside the drawing.
    virtual bool DrawingPixel(int x, int y, Pixel& out) = 0;
    // The current shape takes c, recorded as a colour change at the history position.
    virtual void RecordCurrentColor(HsvColor c) = 0;
};
