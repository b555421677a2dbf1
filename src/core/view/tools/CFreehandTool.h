#pragma once
#include "core/view/tools/ITool.h"

class CStrokeEngine;

// The default: one placement request per pointer move while the button is held.
class CFreehandTool : public ITool {
public:
    explicit CFreehandTool(CStrokeEngine& engine) : m_engine(engine) {}
    bool Draws() const override { return true; }
    void ButtonDown(int x, int y, bool ctrl) override;
    bool MouseMove(int x, int y, bool ctrl) override;

private:
    CStrokeEngine& m_engine;
};
