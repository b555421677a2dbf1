#include "app/widgets/CSwatchFrame.h"
#include <QPainter>

CSwatchFrame::CSwatchFrame(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
}

void CSwatchFrame::SetColor(const QColor& c)
{
    m_color = c;
    update();
}

void CSwatchFrame::paintEvent(QPaintEvent* e)
{
    QFrame::paintEvent(e);
    QPainter p(this);
    p.fillRect(rect().adjusted(2, 2, -2, -2), m_color);
}
