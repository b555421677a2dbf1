#include "core/view/tools/CPatternTool.h"
#include "core/view/CStrokeEngine.h"
#include "core/view/IStrokeTarget.h"
#include "core/view/IViewObserver.h"

void CPatternTool::ButtonDown(int x, int y, bool)
{
    m_engine.Target().Observer().PatternStamp(x, y);
}
