#include "app/view/CDrawingWidget.h"
#include "app/view/ViewCursors.h"
#include "core/shell/CDaubrixApp.h"
#include <QApplication>
#include <QMenu>
#include <QBitmap>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
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
    // Lines mode moves its rubber band without a button held.
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    m_view.SetObserver(this);
    UpdateCursor();
}

void CDrawingWidget::WarpPointer(CPoint p)
{
    if (isVisible())
        QCursor::setPos(mapToGlobal(ToWindow(p)));
    UpdateCursor();
}

CPoint CDrawingWidget::ToDrawing(QPoint p) const
{
    return {p.x() + m_view.OriginOffsetX(), p.y() + m_view.OriginOffsetY()};
}

QPoint CDrawingWidget::ToWindow(CPoint p) const
{
    return {p.x - m_view.OriginOffsetX(), p.y - m_view.OriginOffsetY()};
}

void CDrawingWidget::DrawRubberBand()
{
    // Called whenever the band or the modes that hide it change, so the cursor follows too.
    update();
    UpdateCursor();
}

QCursor CDrawingWidget::ShapeCursor(const CShapeCursor& c)
{
    // Bit 1 of the picture is black where the mask is set; an unset mask bit is transparent.
    QImage picture(CShapeCursor::kSize, CShapeCursor::kSize, QImage::Format_Mono);
    QImage mask(CShapeCursor::kSize, CShapeCursor::kSize, QImage::Format_Mono);
    const QList<QRgb> table = {qRgb(255, 255, 255), qRgb(0, 0, 0)};
    picture.setColorTable(table);
    mask.setColorTable(table);
    for (int y = 0; y < CShapeCursor::kSize; ++y)
        for (int x = 0; x < CShapeCursor::kSize; ++x) {
            const bool opaque = !c.And(x, y);
            mask.setPixel(x, y, opaque ? 1 : 0);
            picture.setPixel(x, y, opaque && !c.Xor(x, y) ? 1 : 0);
        }
    return QCursor(QBitmap::fromImage(picture), QBitmap::fromImage(mask), c.hotX, c.hotY);
}

QCursor CDrawingWidget::MoveCenterCursor()
{
    // Cross hairs through a ring, white on a black edge so they show on any drawing.
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing, false);
    auto figure = [&p] {
        p.drawLine(15, 1, 15, 11);
        p.drawLine(15, 19, 15, 29);
        p.drawLine(1, 15, 11, 15);
        p.drawLine(19, 15, 29, 15);
        p.drawEllipse(QPoint(15, 15), 7, 7);
    };
    p.setPen(QPen(Qt::black, 3));
    figure();
    p.setPen(QPen(Qt::white, 1));
    figure();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawRect(14, 14, 3, 3);
    p.setBrush(Qt::white);
    p.drawRect(15, 15, 1, 1);
    p.end();
    return QCursor(pm, 15, 15);
}

int CDrawingWidget::CursorKey() const
{
    CDaubrixApp& app = m_view.App();
    switch (m_view.Stroke().Cursor()) {
    case ToolCursor::MoveCenter: return -2;
    case ToolCursor::Sample: return -3;
    case ToolCursor::Pattern: return -4;
    case ToolCursor::CurrentShape: break;
    }
    CShapeTable& shapes = app.ShapeTable();
    return shapes.Count() > 0 && shapes.Current().HasCursor() ? shapes.m_currentShape : -1;
}

void CDrawingWidget::FollowCurrentShape()
{
    if (CursorKey() != m_cursorKey)
        UpdateCursor();
}

void CDrawingWidget::enterEvent(QEnterEvent* e)
{
    FollowCurrentShape();
    QWidget::enterEvent(e);
}

void CDrawingWidget::UpdateCursor()
{
    m_cursorKey = CursorKey();
    CDaubrixApp& app = m_view.App();
    switch (m_view.Stroke().Cursor()) {
    case ToolCursor::MoveCenter: setCursor(MoveCenterCursor()); return;
    case ToolCursor::Sample: setCursor(SampleCursor()); return;
    case ToolCursor::Pattern: setCursor(PatternCursor()); return;
    case ToolCursor::CurrentShape: break;
    }
    CShapeTable& shapes = app.ShapeTable();
    if (shapes.Count() > 0 && shapes.Current().HasCursor())
        setCursor(ShapeCursor(shapes.Current().Cursor()));
    else
        setCursor(Qt::ArrowCursor);
}

void CDrawingWidget::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::RightButton) {
        // The right button leaves a one-shot mode; otherwise it is the context menu's.
        if (m_view.Stroke().LeaveOneShotMode()) {
            UpdateCursor();
            emit commandsChanged();
            m_swallowContextMenu = true;
            e->accept();
            return;
        }
        e->ignore();
        return;
    }
    if (e->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(e);
        return;
    }
    if (m_menuOpen) {
        m_swallowRelease = true;
        e->accept();
        return;
    }
    const CPoint p = ToDrawing(e->position().toPoint());
    const Qt::KeyboardModifiers mods = e->modifiers();
    m_view.Stroke().ButtonDown(p.x, p.y, mods & Qt::ShiftModifier, mods & Qt::ControlModifier);
    UpdateCursor();
    // Undo and the edits are off until the release.
    emit commandsChanged();
}

void CDrawingWidget::mouseMoveEvent(QMouseEvent* e)
{
    FollowCurrentShape();
    const CPoint p = ToDrawing(e->position().toPoint());
    m_view.Stroke().MouseMove(p.x, p.y, e->modifiers() & Qt::ControlModifier);
}

void CDrawingWidget::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(e);
        return;
    }
    if (m_swallowRelease) {
        m_swallowRelease = false;
        return;
    }
    m_view.Stroke().ButtonUp();
    UpdateCursor();
    emit commandsChanged();
}

void CDrawingWidget::contextMenuEvent(QContextMenuEvent* e)
{
    if (m_swallowContextMenu) {
        m_swallowContextMenu = false;
        e->accept();
        return;
    }
    // Not in the middle of a freehand stroke.
    if (m_view.Stroke().m_buttonDown || receivers(SIGNAL(contextMenuWanted(QPoint))) == 0) {
        e->ignore();
        return;
    }
    e->accept();
    emit contextMenuWanted(e->globalPos());
}

namespace {
// Eats left presses (and their releases) for one widget while queued input is handed out.
class PressGate : public QObject {
public:
    explicit PressGate(QWidget* target) : m_target(target) {}
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (o != m_target)
            return false;
        if (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick)
            m_ate = static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton;
        else if (e->type() != QEvent::MouseButtonRelease || !m_ate)
            return false;
        return m_ate;
    }

private:
    QWidget* m_target;
    bool m_ate = false;
};
} // namespace

QAction* CDrawingWidget::RunContextMenu(QMenu& menu, QPoint globalPos)
{
    m_menuOpen = true;
    QAction* chosen = menu.exec(globalPos);
    // A press that closed the menu and still waits in the queue goes nowhere.
    PressGate gate(this);
    qApp->installEventFilter(&gate);
    QCoreApplication::processEvents();
    qApp->removeEventFilter(&gate);
    m_menuOpen = false;
    return chosen;
}

void CDrawingWidget::focusInEvent(QFocusEvent* e)
{
    QWidget::focusInEvent(e);
    emit focusTaken();
}

void CDrawingWidget::focusOutEvent(QFocusEvent* e)
{
    QWidget::focusOutEvent(e);
    emit focusLost();
}

bool CDrawingWidget::event(QEvent* e)
{
    // Shift+P is Play in a drawing; the window system may offer it to Polar Mirror's plain P.
    if (e->type() == QEvent::ShortcutOverride) {
        const auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == Qt::Key_P && k->modifiers() == Qt::ShiftModifier) {
            e->accept();
            return true;
        }
    }
    return QWidget::event(e);
}

void CDrawingWidget::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Shift && m_view.App().Drawing().m_lineMode && !e->isAutoRepeat()) {
        // Lets the band follow the pointer beyond the window.
        grabMouse();
        m_shiftCapture = true;
        return;
    }
    if (e->key() == Qt::Key_Escape && m_view.Stroke().LeaveOneShotMode()) {
        UpdateCursor();
        emit commandsChanged();
        return;
    }
    const bool plain = !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    const int ch = e->key() == Qt::Key_Tab ? '\t' : e->text().isEmpty() ? 0 : e->text().at(0).unicode();
    if (plain && ch > 0 && ch < 128 && m_typedKey && m_typedKey(ch)) {
        e->accept();
        return;
    }
    QWidget::keyPressEvent(e);
}

void CDrawingWidget::keyReleaseEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Shift && m_shiftCapture && !e->isAutoRepeat()) {
        releaseMouse();
        m_shiftCapture = false;
        return;
    }
    QWidget::keyReleaseEvent(e);
}

QSize CDrawingWidget::sizeHint() const
{
    return {m_view.Doc().Width(), m_view.Doc().Height()};
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
    // Engine work ends by telling what it changed; a whole-window update here would repaint
    // the full image on every pointer move of a stroke.
    if (!m_view.NeedsEngineWork())
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
        m_dirty = QRect();
    }
}

void CDrawingWidget::CopyToWindow(const CRect& r)
{
    // The engine calls this once per few hundred globs, so the clock is read as seldom.
    m_dirty |= QRect(r.left - m_view.OriginOffsetX(), r.top - m_view.OriginOffsetY(), r.Width(), r.Height());
    // During a long replay show what is drawn so far, at display rate.
    if (m_inEngine && m_sinceFlush.elapsed() >= kFlushMs && isVisible()) {
        repaint(m_dirty);
        m_dirty = QRect();
        m_sinceFlush.restart();
    }
}

void CDrawingWidget::paintEvent(QPaintEvent* e)
{
    if (m_view.NeedsEngineWork() && !m_inEngine && !m_engineQueued) {
        m_engineQueued = true;
        QTimer::singleShot(0, this, [this] { RunEngine(); });
    }
    // A paint with nothing left for the engine shows the image as it stands: the rubber band
    // may follow the pointer again.
    if (!m_view.NeedsEngineWork())
        m_view.Stroke().PaintDone();
    QPainter p(this);
    // On a dense screen each drawing pixel is a crisp block of screen pixels, never a blur.
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    QImage img = ImageView();
    if (img.isNull()) {
        p.fillRect(e->rect(), QColor::fromRgb(ColorRefToPixel(m_view.Doc().BackgroundColor())));
        return;
    }
    p.drawImage(QPoint(-m_view.OriginOffsetX(), -m_view.OriginOffsetY()), img);
    const auto band = m_view.Stroke().RubberBand();
    if (!band.empty()) {
        // Inverting the pixels under it keeps the band visible on every colour.
        p.setCompositionMode(QPainter::CompositionMode_Difference);
        p.setPen(QPen(Qt::white, 1));
        for (const auto& [a, b] : band)
            p.drawLine(ToWindow(a), ToWindow(b));
    }
}
