#pragma once
#include "core/view/CReplayer.h"

class CLongOperation;

// The paint that draws freshly imported globs: it tells the user so and looks for ESC every
// hundred globs, asking before it cancels.
class CImportReplay : public IReplayProgress {
public:
    // The pending globs come from an image import.
    void Begin() { m_importDrawing = true; }
    bool Active() const { return m_importDrawing; }

    // Around the paint's replay; shown is the history position being drawn to.
    void Start(CLongOperation& op, int shown);
    bool Continue(int position) override;
    // True when the replay was cancelled; the state is cleared for the next paint.
    bool Finish();

    static const char* CancelledText();

private:
    bool m_importDrawing = false;
    bool m_cancelled = false;
    CLongOperation* m_op = nullptr;
    int m_shown = 0;
};
