#pragma once
#include "core/base/CPoint.h"
#include "core/colour/HsvColor.h"
#include "core/model/CGlobBuffer.h"

class CDaubrixDoc;

// Runs of globs between a drawing and a glob buffer (the clipboard or the pattern), and the
// section bookkeeping of taking a run out or putting one in.
namespace GlobRuns {
// Fills out with globs [s, e), the colour in force at s and the colour changes in (s, e],
// positions relative to s, taken around center. On running out of memory out is left as it
// was and false is returned.
bool CopyRange(const CDaubrixDoc& doc, int s, int e, CPoint center, CGlobBuffer& out);

// The buffer moved from its own centre to center, as it would be put into a drawing. A glob
// the move takes beyond what a stored coordinate can hold is left out rather than wrapped to
// the far side; colour changes follow the globs that remain.
CGlobBuffer MovedTo(const CGlobBuffer& buffer, CPoint center);

// A colour change at position holding the colour in force before it (current when there is
// none), so that the globs from there keep their colour once the globs before them move.
void KeepColourAt(CDaubrixDoc& doc, int position, HsvColor current);

// Section boundaries after globs [s, e) were deleted: those in (s, e] go, and with entire
// every one up to e and the floor. Later boundaries move down with the globs.
void SectionsAfterCut(CDaubrixDoc& doc, int s, int e, bool entire);
// Section boundaries after n globs were inserted at p: the inserted run is a section.
void SectionsAfterPaste(CDaubrixDoc& doc, int p, int n);
} // namespace GlobRuns
