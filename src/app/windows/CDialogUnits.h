#pragma once
#include <QFontMetrics>
#include <QRect>

// Converts dialog-template units to pixels for a font: a horizontal unit is a quarter of the
// average character width, a vertical unit an eighth of the line height.
class CDialogUnits {
public:
    explicit CDialogUnits(const QFontMetrics& fm)
        : m_baseX((fm.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") + 26) / 52),
          m_baseY(fm.height())
    {
    }
    int X(int du) const { return (du * m_baseX + 2) / 4; }
    int Y(int du) const { return (du * m_baseY + 4) / 8; }
    QRect Rect(int x, int y, int w, int h) const { return {X(x), Y(y), X(w), Y(h)}; }

private:
    int m_baseX;
    int m_baseY;
};
