#pragma once
#include "core/view/tools/ITool.h"

class CStrokeEngine;

// Pattern mode: each click stamps the stored pattern, which the clipboard feature places.
class CPatternTool : public ITool {
public:
    explicit CPatternTool(CStrokeEngine& engine) : m_engine(engine) {}
    bool Draws() const override { return true; }
    void ButtonDown(int x, int y, bool ctrl) override;
    ToolCursor Cursor() const override { return ToolCursor::Pattern; }

private:
    CStrokeEngine& m_engine;
};
