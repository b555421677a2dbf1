#pragma once
#include "core/colour/HsvColor.h"
#include "core/model/CGlobBuffer.h"
#include <cstdint>

class CAutoChange;
class CDaubrixDoc;
class IHost;
class IViewObserver;

// Puts a run of globs from a buffer into a drawing at a position, in one of the three colour
// ways: the buffer's own colours, the shapes' current colours, or colours stepped by the
// automatic colour change as if the run were drawn now. Only globs and colour changes; the
// caller keeps the sections and the history position.
//
// Two steps, so that a caller can save the colour changes for undo between them and nothing
// is changed when the globs do not fit in memory.
class CGlobPaster {
public:
    // ticks and observer: the view's colour-step counters and where a stepped colour is shown.
    // The shapes are the document's.
    CGlobPaster(IHost& host, CAutoChange& autoChange, CDaubrixDoc& doc, uint8_t* ticks, IViewObserver& observer)
        : m_host(host), m_autoChange(autoChange), m_doc(doc), m_ticks(ticks), m_observer(observer) {}

    // run must already stand at the drawing's centre (GlobRuns::MovedTo). Inserts its globs at
    // p; false, with the drawing unchanged, when memory runs out.
    bool InsertGlobs(const CGlobBuffer& run, int p, bool preserveColors);
    int Count() const { return static_cast<int>(m_run.m_globs.size()); }
    // Then the colour changes that colour the inserted run and keep the globs after it.
    void ColourRun();

private:
    enum class Way { Preserve, Stepped, Current };
    void Preserving();
    void Stepping();
    void Recolouring();
    // Colour changes for a shape switch within the run, in the shapes' current colours.
    void ShapeSwitches();
    // A colour change at m_at holding the colour in force before it, so that the globs after
    // the run keep their colour once it is shifted behind the run.
    void KeepColour();
    HsvColor ShapeColour(int shape) const;
    void SetColour(int position, HsvColor c);

    IHost& m_host;
    CAutoChange& m_autoChange;
    CDaubrixDoc& m_doc;
    uint8_t* m_ticks;
    IViewObserver& m_observer;
    CGlobBuffer m_run;
    int m_at = 0;
    bool m_atEnd = true;
    Way m_way = Way::Preserve;
};
