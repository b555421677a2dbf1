#pragma once
#include "core/colour/HsvColor.h"

class CDaubrixDoc;

// What the Simulate Depth dialog chose. Bottom and top are levels 0..25, top above bottom.
struct DepthChoice {
    bool entire = false;
    bool light = true;
    int bottom = 0;
    int top = 25;
};

// Rewrites the colour changes of a run of globs so that drawing order reads as depth: Light
// ramps the brightness from dark (deep, drawn first) to light; ChromaDepth walks the colour
// table from blue to red. The globs themselves are never touched.
class CDepthRecolorer {
public:
    // current: the current shape's colour, which the next stroke will draw in.
    CDepthRecolorer(CDaubrixDoc& doc, HsvColor current) : m_doc(doc), m_current(current) {}

    // Where the range ends at history position shown begins.
    static int RangeStart(const CDaubrixDoc& doc, bool entire, int shown);
    // Recolours globs [start, shown). An empty range is left alone; returns whether anything
    // was done.
    bool Apply(const DepthChoice& choice, int start, int shown);

private:
    struct Levels {
        int count;
        int interval;
        int step;
    };
    static Levels LevelsFor(const DepthChoice& choice, int n);
    void Light(const DepthChoice& choice, const Levels& lv, int start, int shown);
    void Chroma(const DepthChoice& choice, const Levels& lv, int start, int shown);
    // List index of the first colour change after position.
    int IndexAfter(int position) const;

    CDaubrixDoc& m_doc;
    HsvColor m_current;
};
