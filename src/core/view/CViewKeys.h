#pragma once
#include "core/colour/HsvColor.h"

class CDaubrixView;
class CPaletteCommands;

// What a key typed into a drawing asks the windows to show.
enum class KeyEffect {
    None,            // nothing changed
    CycleFullScreen, // TAB: the main frame's full-screen stages
    ModeLeft,        // ESC left a one-shot mode: cursor and check marks
    ShapeChanged,    // another shape or size is current: palette, colour displays, cursor
    ColorChanged,    // the current shape's colour changed: colour displays
    SettingChanged,  // polar copies, jitter or skipping amount: menus and rubber band
    Play,            // the Drawing History window's Play
};

// The single-key shortcuts of a drawing view: shape size and family, colour nudges, and the
// polar, jitter and skipping amounts, each within its limits. Shape and colour changes are
// recorded at the history position so the next stroke draws with them.
class CViewKeys {
public:
    // palette: the Shapes window's commands, which size keys go through (may be null).
    CViewKeys(CDaubrixView& view, CPaletteCommands* palette) : m_view(view), m_palette(palette) {}

    // A typed character (letters in either case; 9 is TAB, 27 ESC).
    KeyEffect Type(int ch);

    static constexpr int kMaxPolar = 50, kMinPolar = 2;
    static constexpr int kMaxJitter = 8, kMinJitter = 1;
    static constexpr int kMaxSkipping = 10, kMinSkipping = 1;

private:
    KeyEffect Size(int step);
    KeyEffect Family(int step);
    KeyEffect Nudge(int hue, int saturation, int value);
    void RecordShapeColor();

    CDaubrixView& m_view;
    CPaletteCommands* m_palette;
};
