#include "core/view/tools/CFreehandTool.h"
#include "core/view/CStrokeEngine.h"
#include "core/view/IStrokeTarget.h"

void CFreehandTool::ButtonDown(int x, int y, bool)
{
    m_engine.PlaceGlobs(x, y, false, -1);
    m_engine.m_buttonDown = true;
    m_engine.Target().FreehandStarted();
}

bool CFreehandTool::MouseMove(int x, int y, bool)
{
    if (!m_engine.m_buttonDown)
        return false;
    m_engine.PlaceGlobs(x, y, true, -1);
    m_engine.Target().Invalidate();
    return false;
}
