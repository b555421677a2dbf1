#pragma once
#include "core/colour/HsvColor.h"
#include "core/view/tools/ITool.h"

class CDaubrixDoc;
class CStrokeEngine;

// Sample Color and Sample Shape: the click picks from the drawing instead of drawing. The
// glob under the pointer is the latest drawn one there; where there is none, Sample Color
// takes the picture's pixel.
class CSampleTool : public ITool {
public:
    explicit CSampleTool(CStrokeEngine& engine) : m_engine(engine) {}
    bool Draws() const override { return false; }
    void ButtonDown(int x, int y, bool ctrl) override;
    ToolCursor Cursor() const override { return ToolCursor::Sample; }

    // Index of the latest of the first `shown` globs whose centre lies less than 8 pixels
    // from (x, y) in both directions, or -1.
    static int HitTest(const CDaubrixDoc& doc, int shown, int x, int y);

private:
    void SampleColor(int x, int y);
    void SampleShape(int x, int y);

    CStrokeEngine& m_engine;
};
