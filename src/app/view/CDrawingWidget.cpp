#include "CDrawingWidget.h"
#include <QPainter>
#include <QPaintEvent>
#include <QTimer>

namespace {
constexpr int kFlushMs = 16;
}

CDrawingWidget::CDrawingWidget(CDaubrixView& view, QWidget* parent) : QWidget(parent), m_view(view)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_view.SetWindow(this);
    m_sinceFlush.start();
}

QSize CDrawingWidget::sizeHint() const
{
    return {m_view.Doc().m_width, m_view.Doc().m_height};
}

QImage CDrawingWidget::ImageView() const
{
    const CImage32& img = m_view.DrawingImage();
    if (img.IsNull())
        return {};
    return QImage(reinterpret_cast<const uchar*>(img.Data()), img.Width(), img.Height(),
                  img.Width() * 4, QImage::Format_RGB32);
}

void CDrawingWidget::Invalidate()
{
    if (!m_engineQueued) {
        m_engineQueued = true;
        QTimer::singleShot(0, this, [this] { RunEngine(); });
    }
    update();
}

void CDrawingWidget::RunEngine()
{
    m_engineQueued = false;
    if (m_inEngine || !m_view.NeedsEngineWork())
        return;
    m_inEngine = true;
    m_sinceFlush.restart();
    m_view.Paint();
    m_inEngine = false;
    if (!m_dirty.isEmpty()) {
        update(m_dirty);
        m_dirty = QRegion();
    }
}

void CDrawingWidget::CopyToWindow(const CRect& r)
{
    m_dirty += QRect(r.left - m_view.m_originOffsetX, r.top - m_view.m_originOffsetY, r.Width(), r.Height());
    // During a long replay show what is drawn so far, at display rate rather than per glob.
    if (m_inEngine && m_sinceFlush.elapsed() >= kFlushMs && isVisible()) {
        repaint(m_dirty);
        m_dirty = QRegion();
        m_sinceFlush.restart();
    }
}

void CDrawingWidget::paintEvent(QPaintEvent* e)
{
    if (m_view.NeedsEngineWork() && !m_inEngine && !m_engineQueued) {
        m_engineQueued = true;
        QTimer::singleShot(0, this, [this] { RunEngine(); });
    }
    QPainter p(this);
    QImage img = ImageView();
    if (img.isNull()) {
        p.fillRect(e->rect(), QColor::fromRgb(ColorRefToPixel(m_view.Doc().m_backgroundColor)));
        return;
    }
    p.drawImage(QPoint(-m_view.m_originOffsetX, -m_view.m_originOffsetY), img);
}
