#include "app/view/ViewCursors.h"
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace {
// The figure twice: a wide black stroke, then a thin white one on top.
QPixmap Outlined(const std::function<void(QPainter&)>& figure, const std::function<void(QPainter&)>& fill)
{
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    figure(p);
    p.setPen(QPen(Qt::white, 1));
    figure(p);
    if (fill)
        fill(p);
    return pm;
}
} // namespace

QCursor SampleCursor()
{
    // A dropper lying from the top right down to its tip at the bottom left.
    auto figure = [](QPainter& p) {
        QPolygon body;
        body << QPoint(8, 19) << QPoint(19, 8) << QPoint(23, 12) << QPoint(12, 23);
        p.drawPolygon(body);
        p.drawLine(1, 30, 8, 23);
        p.drawLine(21, 6, 25, 2);
        p.drawLine(25, 2, 29, 6);
        p.drawLine(29, 6, 25, 10);
    };
    auto fill = [](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawRect(0, 30, 2, 2);
    };
    return QCursor(Outlined(figure, fill), 1, 30);
}

QCursor PatternCursor()
{
    auto figure = [](QPainter& p) {
        // Handle, block and the stamp's face, over the cross hair of its centre.
        p.drawEllipse(QPoint(15, 5), 3, 3);
        p.drawLine(15, 8, 15, 12);
        p.drawRect(8, 12, 14, 5);
        p.drawRect(5, 17, 20, 4);
        p.drawLine(15, 23, 15, 30);
        p.drawLine(8, 27, 22, 27);
    };
    return QCursor(Outlined(figure, {}), 15, 27);
}
