#include "core/panels/CColorsLayout.h"
#include <algorithm>

CRect CColorsLayout::FieldMarker(int hue, int saturation)
{
    const int x = std::min(hue / 3, 119) + 4;
    const int e = saturation < 4 ? 1 : saturation / 4;
    return {x, 67 - e, x + 3, 70 - e};
}

CRect CColorsLayout::StripMarker(int value)
{
    const int d = value < 4 ? 1 : value / 4;
    return {133, 67 - d, 143, 70 - d};
}

int CColorsLayout::HistoryIndexAt(int x, int y, int count)
{
    if (y < 101 || y > 108 || x < 4)
        return -1;
    const int i = (x - 4) / 7;
    return i < count ? i : -1;
}

int CColorsLayout::DragHueAt(int x)
{
    return std::clamp(HueAt(x), 0, 360);
}

int CColorsLayout::DragLevelAt(int y)
{
    return std::clamp(LevelAt(y), 0, 255);
}
