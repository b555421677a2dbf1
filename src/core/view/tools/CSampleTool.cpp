#include "core/view/tools/CSampleTool.h"
#include "core/view/CStrokeEngine.h"
#include "core/view/IStrokeTarget.h"
#include "core/view/IViewObserver.h"

void CSampleTool::ButtonDown(int x, int y, bool)
{
    m_engine.m_ignoreButtonUp = true;
    m_engine.Target().Observer().SampleClick(x, y);
}
