#pragma once
#include "core/base/CRect.h"

class CDaubrixDoc;
class CImage32;

// Told about a replay as it goes.
class IReplayProgress {
public:
    virtual ~IReplayProgress() = default;
    // Glob at position was drawn into rectangle r.
    virtual void GlobDrawn(int /*position*/, const CRect& /*r*/) {}
    // After each glob: false stops the replay there.
    virtual bool Continue(int /*position*/) { return true; }
};

// Draws a range of the drawing sequence onto an image, applying the colour changes at each
// position as it goes. The one replay loop of the program: paints, the undo image, rendering.
class CReplayer {
public:
    explicit CReplayer(CDaubrixDoc& doc) : m_doc(doc) {}

    // Recolours the shapes with the colour change in force just before position.
    void ApplyInForceBefore(int position);
    // Globs [first, end) in order; returns the position after the last glob drawn, which is
    // short of end only when the progress stopped it.
    int Draw(CImage32& image, int first, int end, IReplayProgress* progress = nullptr);

private:
    CDaubrixDoc& m_doc;
};
