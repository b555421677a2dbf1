#pragma once
#include "core/base/CPoint.h"
#include <utility>
#include <vector>

struct CDrawingSettings;

// The k-th of count copies of p rotated around centre c, truncated toward zero.
CPoint PolarCopy(CPoint p, CPoint c, int k, int count);

// The points a placement at p appends, in append order, for the application's mirror and
// polar settings: p itself (unless polar), the mirror copies, then the ring.
void SymmetricPoints(const CDrawingSettings& drawing, CPoint c, CPoint p, std::vector<CPoint>& out);

// The same rule for a segment a-e (the Lines rubber band and its copies).
void SymmetricSegments(const CDrawingSettings& drawing, CPoint c, CPoint a, CPoint e,
                       std::vector<std::pair<CPoint, CPoint>>& out);

// The drawing centre a reset gives for a drawing of w x h pixels.
CPoint DefaultCenter(int w, int h);
