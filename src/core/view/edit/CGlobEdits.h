#pragma once
#include "core/view/depth/CDepthRecolorer.h"

class CCutUndoStep;
class CDaubrixView;
class CDepthUndoStep;
class CPasteUndoStep;
struct CGlobBuffer;

// The edits of one view that work on runs of globs: Simulate Depth, Copy, Cut, Paste and
// Define Pattern. Registers their undo steps with the view's history and the document with
// the application's clipboard. Each returns true when it did something.
class CGlobEdits {
public:
    explicit CGlobEdits(CDaubrixView& view);
    ~CGlobEdits();
    CGlobEdits(const CGlobEdits&) = delete;
    CGlobEdits& operator=(const CGlobEdits&) = delete;

    // Copy, Cut, Define Pattern and Simulate Depth work on the globs shown.
    bool HasShownGlobs() const;
    bool CanPaste() const;

    bool SimulateDepth(const DepthChoice& choice);
    // entire: from the first glob, else the last section; always up to the history position.
    bool Copy(bool entire);
    bool Cut(bool entire);
    bool Paste(bool preserveColors);
    bool DefinePattern(bool entire);

private:
    // Fills buffer with the range; "Out of Memory" and false when it does not fit.
    bool CopyInto(CGlobBuffer& buffer, bool entire);

    CDaubrixView& m_view;
    CDepthUndoStep* m_depth;
    CCutUndoStep* m_cut;
    CPasteUndoStep* m_paste;
};
