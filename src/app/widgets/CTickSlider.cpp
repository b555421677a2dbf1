#include "app/widgets/CTickSlider.h"
#include <QPainter>
#include <QStyleOptionSlider>

namespace {
constexpr int kTickLength = 4;
}

CTickSlider::CTickSlider(QWidget* parent) : QSlider(Qt::Horizontal, parent)
{
    // The ticks are ours; the style's evenly spaced ones would mislead.
    setTickPosition(QSlider::NoTicks);
}

void CTickSlider::SetTicks(std::vector<int> ticks)
{
    m_ticks = std::move(ticks);
    update();
}

int CTickSlider::TickX(int v) const
{
    QStyleOptionSlider opt;
    initStyleOption(&opt);
    const QRect groove = style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderGroove, this);
    const QRect handle = style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, this);
    const int span = groove.width() - handle.width();
    return groove.x() + handle.width() / 2 + QStyle::sliderPositionFromValue(minimum(), maximum(), v, span);
}

void CTickSlider::paintEvent(QPaintEvent* e)
{
    QSlider::paintEvent(e);
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    const int bottom = height() - 1;
    for (int v : m_ticks)
        if (v >= minimum() && v <= maximum()) {
            const int x = TickX(v);
            p.drawLine(x, bottom - kTickLength + 1, x, bottom);
        }
}
