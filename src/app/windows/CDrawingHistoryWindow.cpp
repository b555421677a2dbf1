#include "app/windows/CDrawingHistoryWindow.h"
#include "app/windows/CButtonPictures.h"
#include "app/widgets/CTickSlider.h"
#include "core/view/CDaubrixView.h"
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QToolButton>

CDrawingHistoryWindow::CDrawingHistoryWindow(QWidget* parent) : QWidget(parent, Qt::Tool)
{
    setWindowTitle("Drawing History");
    setFixedSize(234, 26);
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

    connect(m_prev, &QToolButton::clicked, this, &CDrawingHistoryWindow::PreviousSection);
    connect(m_nextButton, &QToolButton::clicked, this, &CDrawingHistoryWindow::NextSection);
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

void CDrawingHistoryWindow::closeEvent(QCloseEvent* e)
{
    e->ignore();
    hide();
    if (m_onClosed)
        m_onClosed();
}
