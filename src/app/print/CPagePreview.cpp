#include "app/print/CPagePreview.h"
#include <QPainter>

namespace {
QRect ToQRect(const CRect& r)
{
    return {r.left, r.top, r.Width(), r.Height()};
}
} // namespace

CPagePreview::CPagePreview(CPrintSizeModel& model, QWidget* parent) : QWidget(parent), m_model(model)
{
    setFixedSize(kSide, kSide);
    // The frame's first place: the whole widget less a small margin.
    m_page = m_model.PageFrame({2, 2, kSide - 2, kSide - 2});
}

QRect CPagePreview::PageFrame() const
{
    return ToQRect(m_page);
}

QRect CPagePreview::DrawingFrame() const
{
    return ToQRect(m_model.DrawingFrame(m_page));
}

void CPagePreview::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect page = PageFrame();
    p.fillRect(page, Qt::white);
    p.setPen(Qt::black);
    p.drawRect(page.adjusted(0, 0, -1, -1));
    const QRect drawing = DrawingFrame();
    if (!drawing.isEmpty()) {
        p.fillRect(drawing, QColor(128, 128, 128));
        p.setPen(QColor(64, 64, 64));
        p.drawRect(drawing.adjusted(0, 0, -1, -1));
    }
}
