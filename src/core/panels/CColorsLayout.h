#pragma once
#include "core/base/CRect.h"

// Where everything sits in the Colors window (client pixels, right and bottom exclusive) and how
// a pointer position maps to a colour.
class CColorsLayout {
public:
    static constexpr int kClientWidth = 149;
    static constexpr int kClientHeight = 113;
    static constexpr int kFieldWidth = 120;
    static constexpr int kFieldHeight = 63;
    static constexpr int kStripWidth = 10;

    static constexpr CRect kField{5, 5, 125, 68};
    static constexpr CRect kFieldBorder{4, 4, 126, 69};
    static constexpr CRect kStrip{133, 5, 143, 68};
    static constexpr CRect kStripBorder{132, 4, 144, 69};
    static constexpr CRect kSwatch{52, 74, 82, 95};
    static constexpr CRect kSwatchBorder{51, 73, 83, 96};
    static constexpr CRect kHistoryBorder{3, 100, 145, 109};
    // The three buttons, mapped from their dialog-unit boxes with an 8-point dialog font.
    static constexpr CRect kValuesButton{5, 73, 44, 96};
    static constexpr CRect kLastButton{90, 73, 114, 96};
    static constexpr CRect kNextButton{120, 73, 144, 96};

    static CRect HistoryEntry(int i) { return {4 + 7 * i, 101, 11 + 7 * i, 108}; }
    // The part of the row right of the entries in use (empty when the row is full).
    static CRect HistoryRest(int count) { return {4 + 7 * count, 101, 144, 108}; }
    // Frame k (0 = outermost) of the marker around selected entry m.
    static CRect SelectionFrame(int m, int k) { return {7 * m + 3 + k, 100 + k, 7 * m + 11 - k, 109 - k}; }
    static CRect FieldMarker(int hue, int saturation);
    static CRect StripMarker(int value);

    static bool InField(int x, int y) { return x >= 5 && x < 125 && y >= 5 && y < 68; }
    static bool InStrip(int x, int y) { return x >= 133 && x < 143 && y >= 5 && y < 68; }
    // The history entry under (x, y), or -1.
    static int HistoryIndexAt(int x, int y, int count);

    // A click maps straight through; a drag is clamped to the colour ranges.
    static int HueAt(int x) { return 3 * x - 15; }
    static int LevelAt(int y) { return 275 - 4 * y; }
    static int DragHueAt(int x);
    static int DragLevelAt(int y);
};
