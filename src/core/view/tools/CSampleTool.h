#pragma once
#include "core/view/tools/ITool.h"

class CStrokeEngine;

// Sample Color and Sample Shape: the click picks from the drawing instead of drawing.
class CSampleTool : public ITool {
public:
    explicit CSampleTool(CStrokeEngine& engine) : m_engine(engine) {}
    bool Draws() const override { return false; }
    void ButtonDown(int x, int y, bool ctrl) override;

private:
    CStrokeEngine& m_engine;
};
