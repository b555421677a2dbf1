#include "core/view/undo/CMoveCenterUndoStep.h"
#include "core/model/CDaubrixDoc.h"
#include <utility>

namespace {
struct Memo : CUndoMemo {
    CPoint other;
};
} // namespace

std::unique_ptr<CUndoMemo> CMoveCenterUndoStep::Keep(CPoint old)
{
    auto memo = std::make_unique<Memo>();
    memo->other = old;
    return memo;
}

void CMoveCenterUndoStep::Undo()
{
    auto* memo = dynamic_cast<Memo*>(m_doc.Undo().Memo());
    if (!memo)
        return;
    std::swap(m_center, memo->other);
    if (m_changed)
        m_changed();
}
