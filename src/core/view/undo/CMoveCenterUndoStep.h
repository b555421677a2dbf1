#pragma once
#include "core/base/CPoint.h"
#include "core/view/undo/IUndoStep.h"
#include <functional>

// Undo and Redo of Move Center both exchange the centre with the one it replaced.
class CMoveCenterUndoStep : public IUndoStep {
public:
    // center is the view's symmetry centre; changed is told after an exchange.
    CMoveCenterUndoStep(CPoint& center, std::function<void()> changed)
        : m_center(center), m_changed(std::move(changed)) {}
    UndoKind Kind() const override { return kUndoMoveCenter; }
    void Undo() override { Exchange(); }
    void Redo() override { Exchange(); }

    // A Move Center click is about to replace the centre.
    void Remember(CPoint old) { m_oldCenter = old; }
    CPoint OldCenter() const { return m_oldCenter; }

private:
    void Exchange();

    CPoint& m_center;
    std::function<void()> m_changed;
    CPoint m_oldCenter;
};
