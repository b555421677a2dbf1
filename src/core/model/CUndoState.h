#pragma once
#include "core/model/CUndoMemo.h"
#include "core/model/UndoKind.h"
#include <cstdint>
#include <memory>
#include <vector>

// The document's undoable actions: those done, waiting to be undone, and those undone, waiting
// to be redone, each with what it keeps (a CUndoMemo). With one level (the default) there is a
// single step that Undo turns into its redo and back; with more, Undo and Redo walk the two
// lists, a new action empties the redo list and the oldest step goes when the levels are full.
// Callers speak of actions only, never of levels or of the stored kind.
class CUndoState {
public:
    static constexpr int kMaxLevels = 100;

    void SetLevels(int levels);
    int Levels() const { return m_levels; }

    // The kind the Undo command acts on: kUndoNone, an undo kind, or (one level) a redo kind.
    int Kind() const;
    // The action Undo would act on (an undo kind), kUndoNone when none.
    UndoKind Action() const;
    // The single step waits to be redone, so Undo redoes it.
    bool IsRedo() const;
    UndoMenuState Menu() const { return UndoMenuFor(Kind()); }
    // The action Redo would act on, kUndoNone when none.
    UndoKind RedoAction() const;
    UndoMenuState RedoMenu() const { return RedoMenuFor(RedoAction()); }

    // A new undoable action: it is kept with what it saved, and nothing waits to be redone.
    void Record(UndoKind action, std::unique_ptr<CUndoMemo> memo = nullptr);
    // Undo or redo is starting: the step moves to the other list and becomes the current one.
    // Returns its action, kUndoNone when there is none.
    UndoKind StartUndo();
    UndoKind StartRedo();
    // The current step goes back across: a step that failed leaves things as they were.
    void Flip();
    // What the current step keeps (the one last recorded, undone or redone); nullptr when none.
    CUndoMemo* Memo();
    void SetMemo(std::unique_ptr<CUndoMemo> memo);
    // While a step is carried out, what it does cannot forget it.
    void SetBusy(bool busy) { m_busy = busy; }

    void Forget();
    // The nearest step of this action in either list goes, and with it every step it depends on:
    // the older done ones and the later undone ones.
    void ForgetAction(UndoKind action);
    void ForgetUndoOf(UndoKind action);
    void ForgetRedoOf(UndoKind action);
    // Globs from position on are deleted for good: the done steps that rely on them go.
    void ForgetReaching(int position);
    // A kind as stored, even one outside the table: it shows disabled and does nothing.
    void Restore(uint8_t kind);

    int UndoCount() const { return static_cast<int>(m_done.size()); }
    int RedoCount() const { return static_cast<int>(m_undone.size()); }
    size_t MemoBytes() const;

private:
    struct Entry {
        uint8_t kind = kUndoNone;
        std::unique_ptr<CUndoMemo> memo;
    };
    using List = std::vector<Entry>;

    // Moves the top of from onto to, turning undo kinds into redo kinds or back.
    UndoKind Move(List& from, List& to, int delta);
    // Forgets the entry nearest the top that matches, and all beneath it.
    template <typename Match> void ForgetThrough(List& list, Match match);
    Entry* Current();

    int m_levels = 1;
    // The top of each list is its back.
    List m_done;
    List m_undone;
    // Which list's top is the current step: 0 none, 1 done, 2 undone.
    int m_current = 0;
    bool m_busy = false;
};
