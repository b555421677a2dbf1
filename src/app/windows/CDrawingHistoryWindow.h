#pragma once
#include "core/panels/CHistorySlider.h"
#include <QWidget>
#include <functional>

class CDaubrixView;
class CTickSlider;
class QToolButton;

// The Drawing History tool window: a slider over the active drawing's history position with a
// tick at each section boundary, and buttons to jump to the previous and next boundary.
class CDrawingHistoryWindow : public QWidget {
    Q_OBJECT
public:
    explicit CDrawingHistoryWindow(QWidget* parent = nullptr);

    // The view of the active drawing, or null; who to tell when shapes must show new colours;
    // who to tell when the window was closed (it only hides).
    std::function<CDaubrixView*()> m_activeView;
    std::function<void()> m_shapesChanged;
    std::function<void()> m_onClosed;
    // Who to tell when a move changed the drawing's position or its undo step.
    std::function<void()> m_moved;

    // Takes range, thumb and ticks from the active drawing (or empties the slider without one).
    void Reload();
    void PreviousSection();
    void NextSection();

    CTickSlider* Slider() const { return m_slider; }
    QToolButton* PreviousButton() const { return m_prev; }
    QToolButton* NextButton() const { return m_nextButton; }
    const CHistorySlider& Logic() const { return m_logic; }

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    CDaubrixView* ActiveView() const;
    void OnAction();
    void OnDragged(int a);
    void OnValueChanged(int c);
    void JumpTo(int target);
    void Apply(CDaubrixView& view, int c);

    CHistorySlider m_logic;
    CTickSlider* m_slider = nullptr;
    QToolButton* m_prev = nullptr;
    QToolButton* m_nextButton = nullptr;
};
