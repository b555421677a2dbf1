#include "app/view/PatternCursor.h"
#include <QPainter>
#include <QPixmap>

QCursor PatternCursor()
{
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing, false);
    auto figure = [&p](int width) {
        p.setPen(QPen(width == 3 ? Qt::black : Qt::white, width));
        p.drawLine(7, 1, 7, 13);
        p.drawLine(1, 7, 13, 7);
        for (int row = 0; row < 3; ++row)
            for (int col = 0; col < 3; ++col)
                p.drawPoint(17 + 5 * col, 17 + 5 * row);
        p.drawRect(14, 14, 16, 16);
    };
    figure(3);
    figure(1);
    p.end();
    return QCursor(pm, 7, 7);
}
