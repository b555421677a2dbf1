#pragma once
#include "core/view/IHistoryTarget.h"
#include <optional>
#include <vector>

class CDaubrixDoc;
class IHistoryTarget;

// The Drawing History slider: its range, thumb and tick marks for the active drawing, the snap
// to section boundaries while dragging, and what a finished move does to the view.
class CHistorySlider {
public:
    int Minimum() const { return m_min; }
    int Maximum() const { return m_max; }
    int Position() const { return m_pos; }
    const std::vector<int>& Ticks() const { return m_ticks; }

    // Range floor .. glob count, thumb at the history position, a tick at each boundary.
    void Rebuild(IHistoryTarget& view);
    // No drawing: range 0 .. 0, thumb at 0, no ticks.
    void Reset();
    void SetPosition(int pos);

    // Every slider move forgets an undo or redo of drawing.
    static void ForgetDrawingUndo(CDaubrixDoc& doc);
    // How near (exclusive) the dragged thumb must come to a boundary to jump onto it.
    static int SnapDistance(const CDaubrixDoc& doc);
    // The boundary the thumb at a snaps to, or a itself.
    static int Snap(const CDaubrixDoc& doc, int a);

    // A finished move to c: sets the history position and schedules the redraw.
    using Redraw = HistoryRedraw;
    Redraw EndMove(IHistoryTarget& view, int c);

    // Targets of the section buttons for history position p.
    static int PreviousTarget(const CDaubrixDoc& doc, int p);
    static std::optional<int> NextTarget(const CDaubrixDoc& doc, int p);

private:
    int m_min = 0;
    int m_max = 0;
    int m_pos = 0;
    std::vector<int> m_ticks;
};
