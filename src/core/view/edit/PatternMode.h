#pragma once

class CDaubrixView;
class CDrawingModes;
class CGlobClipboard;

// Pattern mode on or off. Lines and Jitter cannot work with it and go off when it comes on;
// view (may be null) hides its rubber band then.
namespace PatternMode {
void Set(CDrawingModes& modes, CDaubrixView* view, bool on);
void Toggle(CDrawingModes& modes, CDaubrixView* view);
// The command works only once a pattern is defined.
bool Available(const CGlobClipboard& clipboard);
} // namespace PatternMode
