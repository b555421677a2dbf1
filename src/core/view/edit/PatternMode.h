#pragma once

class CDaubrixApp;
class CDaubrixView;

// Pattern mode on or off. Lines and Jitter cannot work with it and go off when it comes on;
// view (may be null) hides its rubber band then.
namespace PatternMode {
void Set(CDaubrixApp& app, CDaubrixView* view, bool on);
void Toggle(CDaubrixApp& app, CDaubrixView* view);
// The command works only once a pattern is defined.
bool Available(const CDaubrixApp& app);
} // namespace PatternMode
