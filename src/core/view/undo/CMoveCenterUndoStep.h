#pragma once
#include "core/base/CPoint.h"
#include "core/model/CUndoMemo.h"
#include "core/view/undo/IUndoStep.h"
#include <functional>
#include <memory>

class CDaubrixDoc;

// Undo and Redo of Move Center both exchange the centre with the one the step keeps: the one
// the click replaced, then the one the undo replaced.
class CMoveCenterUndoStep : public IUndoStep {
public:
    // center is the view's symmetry centre; changed is told after an exchange.
    CMoveCenterUndoStep(CDaubrixDoc& doc, CPoint& center, std::function<void()> changed)
        : m_doc(doc), m_center(center), m_changed(std::move(changed)) {}
    UndoKind Kind() const override { return kUndoMoveCenter; }
    void Undo() override;
    void Redo() override { Undo(); }

    // What a Move Center click keeps: the centre it replaced.
    static std::unique_ptr<CUndoMemo> Keep(CPoint old);

private:
    CDaubrixDoc& m_doc;
    CPoint& m_center;
    std::function<void()> m_changed;
};
