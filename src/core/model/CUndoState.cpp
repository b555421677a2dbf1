#include "core/model/CUndoState.h"
#include <algorithm>

namespace {
bool IsUndoKind(int kind)
{
    return kind > kUndoNone && kind <= kUndoActionCount;
}

UndoKind ActionOf(int kind)
{
    if (kind <= kUndoNone || kind > 2 * kUndoActionCount)
        return kUndoNone;
    return static_cast<UndoKind>(kind > kUndoActionCount ? kind - kUndoActionCount : kind);
}
} // namespace

void CUndoState::SetLevels(int levels)
{
    m_levels = std::clamp(levels, 1, kMaxLevels);
    // The steps nearest the present stay: the oldest done ones go first, then the undone
    // ones furthest from the present; one done step is kept before any undone one.
    const auto excess = [this] { return m_done.size() + m_undone.size() > static_cast<size_t>(m_levels); };
    while (excess() && m_done.size() > 1)
        m_done.erase(m_done.begin());
    while (excess())
        m_undone.erase(m_undone.begin());
    if (m_current == 2 && m_undone.empty())
        m_current = 0;
}

int CUndoState::Kind() const
{
    if (!m_done.empty())
        return m_done.back().kind;
    // The single step turned into its redo is what Undo acts on.
    if (m_levels == 1 && !m_undone.empty())
        return m_undone.back().kind;
    return kUndoNone;
}

UndoKind CUndoState::Action() const
{
    return ActionOf(Kind());
}

bool CUndoState::IsRedo() const
{
    return Action() != kUndoNone && Kind() > kUndoActionCount;
}

UndoKind CUndoState::RedoAction() const
{
    return m_undone.empty() ? kUndoNone : ActionOf(m_undone.back().kind);
}

void CUndoState::Record(UndoKind action, std::unique_ptr<CUndoMemo> memo)
{
    m_undone.clear();
    if (!IsUndoKind(action)) {
        m_done.clear();
        m_current = 0;
        return;
    }
    m_done.push_back({static_cast<uint8_t>(action), std::move(memo)});
    if (m_done.size() > static_cast<size_t>(m_levels))
        m_done.erase(m_done.begin(), m_done.end() - m_levels);
    m_current = 1;
}

UndoKind CUndoState::Move(List& from, List& to, int delta)
{
    if (from.empty() || ActionOf(from.back().kind) == kUndoNone)
        return kUndoNone;
    Entry e = std::move(from.back());
    from.pop_back();
    e.kind = static_cast<uint8_t>(e.kind + delta);
    to.push_back(std::move(e));
    m_current = &to == &m_done ? 1 : 2;
    return ActionOf(to.back().kind);
}

UndoKind CUndoState::StartUndo()
{
    if (IsRedo())
        return StartRedo();
    return Move(m_done, m_undone, kUndoActionCount);
}

UndoKind CUndoState::StartRedo()
{
    return Move(m_undone, m_done, -kUndoActionCount);
}

void CUndoState::Flip()
{
    if (m_current == 1)
        Move(m_done, m_undone, kUndoActionCount);
    else if (m_current == 2)
        Move(m_undone, m_done, -kUndoActionCount);
}

CUndoState::Entry* CUndoState::Current()
{
    if (m_current == 1 && !m_done.empty())
        return &m_done.back();
    if (m_current == 2 && !m_undone.empty())
        return &m_undone.back();
    return nullptr;
}

CUndoMemo* CUndoState::Memo()
{
    const Entry* e = Current();
    return e ? e->memo.get() : nullptr;
}

void CUndoState::SetMemo(std::unique_ptr<CUndoMemo> memo)
{
    if (Entry* e = Current())
        e->memo = std::move(memo);
}

void CUndoState::Forget()
{
    m_done.clear();
    m_undone.clear();
    m_current = 0;
}

template <typename Match> void CUndoState::ForgetThrough(List& list, Match match)
{
    // The step being carried out is the current one, on top of its list.
    const List* busyList = !m_busy ? nullptr : (m_current == 1 ? &m_done : m_current == 2 ? &m_undone : nullptr);
    size_t end = list.size();
    if (&list == busyList && end > 0)
        --end;
    for (size_t i = end; i-- > 0;) {
        if (!match(list[i]))
            continue;
        const bool top = i + 1 == list.size();
        list.erase(list.begin(), list.begin() + static_cast<long>(i) + 1);
        if (top && m_current == (&list == &m_done ? 1 : 2))
            m_current = 0;
        return;
    }
}

void CUndoState::ForgetAction(UndoKind action)
{
    ForgetUndoOf(action);
    ForgetRedoOf(action);
}

void CUndoState::ForgetUndoOf(UndoKind action)
{
    if (action != kUndoNone)
        ForgetThrough(m_done, [action](const Entry& e) { return e.kind == action; });
}

void CUndoState::ForgetRedoOf(UndoKind action)
{
    if (action != kUndoNone)
        ForgetThrough(m_undone, [action](const Entry& e) { return e.kind == action + kUndoActionCount; });
}

void CUndoState::ForgetReaching(int position)
{
    ForgetThrough(m_done, [position](const Entry& e) { return e.memo && e.memo->Reach() > position; });
}

void CUndoState::Restore(uint8_t kind)
{
    Forget();
    if (kind == kUndoNone)
        return;
    const bool redo = kind > kUndoActionCount && kind <= 2 * kUndoActionCount;
    (redo ? m_undone : m_done).push_back({kind, nullptr});
    m_current = redo ? 2 : 1;
}

size_t CUndoState::MemoBytes() const
{
    size_t n = 0;
    for (const List* list : {&m_done, &m_undone})
        for (const Entry& e : *list)
            n += e.memo ? e.memo->Bytes() : 0;
    return n;
}
