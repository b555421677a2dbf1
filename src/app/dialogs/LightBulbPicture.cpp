#include "app/dialogs/LightBulbPicture.h"
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

QPixmap LightBulbPicture()
{
    QPixmap pm(40, 53);
    pm.fill(Qt::white);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    // Rays around the glass.
    p.setPen(QPen(QColor(240, 190, 20), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4, 18), QPointF(1, 17));
    p.drawLine(QPointF(36, 18), QPointF(39, 17));
    p.drawLine(QPointF(7, 6), QPointF(4, 3));
    p.drawLine(QPointF(33, 6), QPointF(36, 3));
    p.drawLine(QPointF(20, 1.5), QPointF(20, 0));
    // The glass: a round top narrowing into a neck.
    QPainterPath glass;
    glass.moveTo(14, 36);
    glass.cubicTo(14, 30, 6, 27, 6, 17);
    glass.arcTo(QRectF(6, 3, 28, 28), 180, -180);
    glass.cubicTo(34, 27, 26, 30, 26, 36);
    glass.closeSubpath();
    QRadialGradient glow(QPointF(17, 13), 18);
    glow.setColorAt(0, QColor(255, 255, 225));
    glow.setColorAt(0.6, QColor(255, 236, 120));
    glow.setColorAt(1, QColor(245, 200, 40));
    p.setBrush(glow);
    p.setPen(QPen(QColor(150, 110, 10), 1.2));
    p.drawPath(glass);
    // The filament.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(200, 90, 0), 1));
    QPainterPath wire;
    wire.moveTo(16, 34);
    wire.lineTo(17, 22);
    wire.cubicTo(18, 19, 19, 25, 20, 21);
    wire.cubicTo(21, 25, 22, 19, 23, 22);
    wire.lineTo(24, 34);
    p.drawPath(wire);
    // The screw base and its contact.
    p.setPen(QPen(QColor(70, 70, 80), 1));
    for (int i = 0; i < 4; ++i) {
        p.setBrush(i % 2 ? QColor(150, 150, 160) : QColor(195, 195, 205));
        p.drawRoundedRect(QRectF(13.5, 36 + i * 3.5, 13, 3.5), 1.5, 1.5);
    }
    p.setBrush(QColor(60, 60, 70));
    p.drawEllipse(QRectF(17, 49.5, 6, 3));
    return pm;
}
