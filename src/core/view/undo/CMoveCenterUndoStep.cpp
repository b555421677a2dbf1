#include "core/view/undo/CMoveCenterUndoStep.h"
#include <utility>

void CMoveCenterUndoStep::Exchange()
{
    std::swap(m_center, m_oldCenter);
    if (m_changed)
        m_changed();
}
