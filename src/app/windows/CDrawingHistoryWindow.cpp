#include "app/windows/CDrawingHistoryWindow.h"
#include "app/windows/CButtonPictures.h"
#include "app/widgets/CTickSlider.h"
#include "core/view/CDaubrixView.h"
#include <QCloseEvent>
#include <QScreen>
#include <algorithm>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QToolButton>

CDrawingHistoryWindow::CDrawingHistoryWindow(QWidget* parent) : QWidget(parent, Qt::Tool)
{
    setWindowTitle("Drawing History");
    setFixedSize(258, 26);
    const QColor ink = palette().color(QPalette::ButtonText);
    auto button = [&](const QPixmap& picture, const char* tip, const char* name) {
        auto* b = new QToolButton(this);
        b->setObjectName(name);
        b->setIcon(CButtonPictures::Icon(picture));
        b->setIconSize(picture.size());
        b->setToolTip(tip);
        b->setFocusPolicy(Qt::NoFocus);
        b->setFixedSize(22, 22);
        return b;
    };
    m_prev = button(CButtonPictures::PreviousSection(ink), "Previous section", "previousSection");
    m_nextButton = button(CButtonPictures::NextSection(ink), "Next section", "nextSection");
    m_playPicture = CButtonPictures::RightTriangle(ink);
    m_stopPicture = CButtonPictures::Stop(ink);
    m_play = button(m_playPicture, "Play", "play");
    m_slider = new CTickSlider(this);
    m_slider->setObjectName("historySlider");
    m_slider->setRange(0, 0);
    // The history position follows the thumb only when a move ends, not on every drag step.
    m_slider->setTracking(false);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(2, 2, 2, 2);
    row->setSpacing(2);
    row->addWidget(m_prev);
    row->addWidget(m_slider, 1);
    row->addWidget(m_nextButton);
    row->addWidget(m_play);

    connect(m_prev, &QToolButton::clicked, this, &CDrawingHistoryWindow::PreviousSection);
    connect(m_nextButton, &QToolButton::clicked, this, &CDrawingHistoryWindow::NextSection);
    connect(m_play, &QToolButton::clicked, this, &CDrawingHistoryWindow::TogglePlay);
    m_frameTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_frameTimer, &QTimer::timeout, this, &CDrawingHistoryWindow::OnFrame);
    // A click on the slider while playing only stops it.
    m_slider->installEventFilter(this);
    connect(m_slider, &QSlider::actionTriggered, this, &CDrawingHistoryWindow::OnAction);
    connect(m_slider, &QSlider::sliderMoved, this, &CDrawingHistoryWindow::OnDragged);
    connect(m_slider, &QSlider::valueChanged, this, &CDrawingHistoryWindow::OnValueChanged);
}

CDaubrixView* CDrawingHistoryWindow::ActiveView() const
{
    return m_activeView ? m_activeView() : nullptr;
}

void CDrawingHistoryWindow::Reload()
{
    CDaubrixView* view = ActiveView();
    if (view)
        m_logic.Rebuild(*view);
    else
        m_logic.Reset();
    const QSignalBlocker block(m_slider);
    m_slider->setRange(m_logic.Minimum(), m_logic.Maximum());
    m_slider->setValue(m_logic.Position());
    m_slider->SetTicks(m_logic.Ticks());
    update();
}

void CDrawingHistoryWindow::OnAction()
{
    if (CDaubrixView* view = ActiveView()) {
        CHistorySlider::ForgetDrawingUndo(view->Doc());
        if (m_moved)
            m_moved();
    }
}

void CDrawingHistoryWindow::OnDragged(int a)
{
    CDaubrixView* view = ActiveView();
    if (!view)
        return;
    const int b = CHistorySlider::Snap(view->Doc(), a);
    if (b != a)
        m_slider->setSliderPosition(b);
}

void CDrawingHistoryWindow::OnValueChanged(int c)
{
    if (m_slider->isSliderDown())
        return;
    if (CDaubrixView* view = ActiveView())
        Apply(*view, c);
}

void CDrawingHistoryWindow::Apply(CDaubrixView& view, int c)
{
    m_logic.EndMove(view, c);
    if (m_shapesChanged)
        m_shapesChanged();
    if (m_moved)
        m_moved();
}

void CDrawingHistoryWindow::JumpTo(int target)
{
    CDaubrixView* view = ActiveView();
    if (!view)
        return;
    CHistorySlider::ForgetDrawingUndo(view->Doc());
    {
        const QSignalBlocker block(m_slider);
        m_slider->setValue(target);
    }
    Apply(*view, m_slider->value());
}

void CDrawingHistoryWindow::PreviousSection()
{
    if (CDaubrixView* view = ActiveView())
        JumpTo(CHistorySlider::PreviousTarget(view->Doc(), view->ShownCount()));
}

void CDrawingHistoryWindow::NextSection()
{
    CDaubrixView* view = ActiveView();
    if (!view)
        return;
    if (const auto target = CHistorySlider::NextTarget(view->Doc(), view->ShownCount()))
        JumpTo(*target);
}

double CDrawingHistoryWindow::FrameRate() const
{
    const QScreen* s = screen();
    const double rate = s ? s->refreshRate() : 0;
    return rate >= 20 && rate <= 500 ? rate : 60;
}

void CDrawingHistoryWindow::TogglePlay()
{
    if (Playing())
        StopPlaying();
    else
        StartPlaying();
}

void CDrawingHistoryWindow::StartPlaying()
{
    CDaubrixView* view = ActiveView();
    if (!view || view->ClearPending())
        return;
    const int floor = view->Doc().Sections().Floor();
    const int end = view->Doc().GetGlobCount();
    const int shown = view->ShownCount();
    if (end <= floor)
        return;
    const int start = shown >= end || shown < floor ? floor : shown;
    // The whole from the floor takes the playback length; from midway the rest of it.
    m_frameRate = FrameRate();
    const int seconds = m_playbackSeconds ? m_playbackSeconds() : 10;
    const double length = seconds * static_cast<double>(end - start) / (end - floor);
    m_playback.emplace(start, end, CPlayback::FrameCount(length, m_frameRate));
    m_playView = view;
    m_playEnd = end;
    m_play->setIcon(CButtonPictures::Icon(m_stopPicture));
    m_play->setToolTip("Stop");
    // As a slider move: the undo of drawing goes.
    CHistorySlider::ForgetDrawingUndo(view->Doc());
    if (start != shown) {
        const QSignalBlocker block(m_slider);
        m_slider->setValue(start);
        Apply(*view, start);
    } else if (m_moved) {
        m_moved();
    }
    m_clock.start();
    m_frameTimer.start(std::max(1, static_cast<int>(1000.0 / m_frameRate)));
}

void CDrawingHistoryWindow::StopPlaying()
{
    if (!Playing())
        return;
    m_frameTimer.stop();
    m_playback.reset();
    m_play->setIcon(CButtonPictures::Icon(m_playPicture));
    m_play->setToolTip("Play");
    if (CDaubrixView* view = ActiveView(); view && view == m_playView) {
        if (m_shapesChanged)
            m_shapesChanged();
    }
    m_playView = nullptr;
    if (m_moved)
        m_moved();
}

void CDrawingHistoryWindow::OnFrame()
{
    PlayFrame(static_cast<double>(m_clock.nsecsElapsed()) / 1e9);
}

void CDrawingHistoryWindow::PlayFrame(double elapsed)
{
    CDaubrixView* view = ActiveView();
    if (!m_playback)
        return;
    // Another drawing, a stroke or a changed sequence ends the playback where it is.
    if (!view || view != m_playView || view->ButtonHeld() || view->Doc().GetGlobCount() != m_playEnd) {
        StopPlaying();
        return;
    }
    const CPlayback::Range r = m_playback->Advance(elapsed, m_frameRate);
    view->BrowseTo(r.to);
    {
        const QSignalBlocker block(m_slider);
        m_slider->setValue(r.to);
    }
    if (m_playback->Done())
        StopPlaying();
}

bool CDrawingHistoryWindow::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == m_slider && Playing() && e->type() == QEvent::MouseButtonPress) {
        StopPlaying();
        return true;
    }
    return QWidget::eventFilter(watched, e);
}

void CDrawingHistoryWindow::closeEvent(QCloseEvent* e)
{
    e->ignore();
    StopPlaying();
    hide();
    if (m_onClosed)
        m_onClosed();
}
