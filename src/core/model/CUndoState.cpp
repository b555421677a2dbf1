#include "core/model/CUndoState.h"

UndoKind CUndoState::Action() const
{
    if (m_kind == kUndoNone || m_kind > 2 * kUndoActionCount)
        return kUndoNone;
    return static_cast<UndoKind>(m_kind > kUndoActionCount ? m_kind - kUndoActionCount : m_kind);
}

void CUndoState::Record(UndoKind action)
{
    m_kind = action >= kUndoNone && action <= kUndoActionCount ? action : kUndoNone;
}

void CUndoState::Flip()
{
    const UndoKind action = Action();
    if (action != kUndoNone)
        m_kind = static_cast<uint8_t>(IsRedo() ? action : action + kUndoActionCount);
}

void CUndoState::ForgetAction(UndoKind action)
{
    if (Action() == action)
        Forget();
}

void CUndoState::ForgetUndoOf(UndoKind action)
{
    if (action != kUndoNone && m_kind == action)
        Forget();
}

void CUndoState::ForgetRedoOf(UndoKind action)
{
    if (action != kUndoNone && m_kind == action + kUndoActionCount)
        Forget();
}
