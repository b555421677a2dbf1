#pragma once
#include "core/view/tools/ITool.h"

class CStrokeEngine;

// Move Center mode: the click becomes the symmetry centre, undoably.
class CMoveCenterTool : public ITool {
public:
    explicit CMoveCenterTool(CStrokeEngine& engine) : m_engine(engine) {}
    bool Draws() const override { return false; }
    void ButtonDown(int x, int y, bool ctrl) override;
    ToolCursor Cursor() const override { return ToolCursor::MoveCenter; }

private:
    CStrokeEngine& m_engine;
};
