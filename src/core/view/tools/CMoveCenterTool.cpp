#include "core/view/tools/CMoveCenterTool.h"
#include "core/model/CDaubrixDoc.h"
#include "core/model/UndoKind.h"
#include "core/view/CStrokeEngine.h"
#include "core/view/IStrokeTarget.h"
#include "core/view/undo/CMoveCenterUndoStep.h"

void CMoveCenterTool::ButtonDown(int x, int y, bool)
{
    IStrokeTarget& view = m_engine.Target();
    const CPoint old = view.Center();
    view.MoveCenter({x, y});
    view.Doc().Undo().Record(kUndoMoveCenter, CMoveCenterUndoStep::Keep(old));
    m_engine.m_ignoreButtonUp = true;
    m_engine.RestoreLineMode();
}
