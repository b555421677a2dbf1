#pragma once

class CDaubrixDoc;
class IViewObserver;

// How a move of the history position is redrawn.
enum class HistoryRedraw { Regenerate, ShowPending, FromUndoImage, FromCheckpoint };

// What the history, its undo steps and the history slider need of a view: the document, the
// position, and the two ways of moving it.
class IHistoryTarget {
public:
    virtual ~IHistoryTarget() = default;
    virtual CDaubrixDoc& Doc() = 0;
    virtual int ShownCount() const = 0;
    // A move by the user: when going forward only the globs it adds are drawn, where the
    // picture allows it. Returns how the redraw was scheduled.
    virtual HistoryRedraw BrowseTo(int position) = 0;
    // A return to a remembered position: from the undo image, a kept picture below it, or a
    // full replay.
    virtual HistoryRedraw RestoreTo(int position) = 0;
    // The slider should be rebuilt from the document and the position.
    virtual void NotifyHistoryChanged() = 0;
    // A Clear hides everything until the next stroke: the slider then has nothing to offer.
    virtual bool ClearPending() const { return false; }
    // The button is down in the drawing: a stroke is being drawn from the history position,
    // which nothing may move nor change the sequence under until it ends.
    virtual bool ButtonHeld() const { return false; }
};
