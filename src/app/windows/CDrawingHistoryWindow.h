#pragma once
#include "core/panels/CHistorySlider.h"
#include "core/panels/CPlayback.h"
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>

class CDaubrixView;
class CTickSlider;
class QToolButton;

// The Drawing History tool window: a slider over the active drawing's history position with a
// tick at each section boundary, buttons to jump to the previous and next boundary, and Play,
// which moves the position from the floor to the end in the playback length at the display's
// frame rate, each frame drawing only the globs it adds.
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
    // Play, or stop where it is; at the end it starts again from the floor.
    void TogglePlay();
    void StopPlaying();
    bool Playing() const { return m_playback.has_value(); }
    // The seconds Play takes from the floor to the end.
    std::function<int()> m_playbackSeconds;
    // One frame of the playback now, as the timer would (for tests, which never wait).
    void PlayFrame(double elapsed);

    CTickSlider* Slider() const { return m_slider; }
    QToolButton* PreviousButton() const { return m_prev; }
    QToolButton* NextButton() const { return m_nextButton; }
    QToolButton* PlayButton() const { return m_play; }
    const CHistorySlider& Logic() const { return m_logic; }

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    CDaubrixView* ActiveView() const;
    void OnAction();
    void OnDragged(int a);
    void OnValueChanged(int c);
    void JumpTo(int target);
    void Apply(CDaubrixView& view, int c);
    void StartPlaying();
    void OnFrame();
    double FrameRate() const;

    CHistorySlider m_logic;
    CTickSlider* m_slider = nullptr;
    QToolButton* m_prev = nullptr;
    QToolButton* m_nextButton = nullptr;
    QToolButton* m_play = nullptr;
    QPixmap m_playPicture;
    QPixmap m_stopPicture;
    std::optional<CPlayback> m_playback;
    // The drawing being played and its glob count: another drawing or a changed one stops it.
    CDaubrixView* m_playView = nullptr;
    int m_playEnd = 0;
    double m_frameRate = 60;
    QTimer m_frameTimer;
    QElapsedTimer m_clock;
};
