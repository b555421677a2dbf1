#pragma once
#include "core/colour/HsvColor.h"

class CShapePalette;
class CRandom;

// The palette's context menu. The numbers are the command ids the menu items carry.
enum class PaletteCommand : int {
    Small = 32803,
    Medium = 32804,
    Large = 32805,
    AllThisSize = 32813,
    AllRandomColors = 32841,
    AllThisColor = 32842,
    RandomColor = 32844,
    RandomHistoryColor = 32848,
    AllHistoryColors = 32849,
    SaveState = 32859,
    LoadState = 32860,
};

struct MenuItemState {
    bool enabled = true;
    bool checked = false;
};

// A random colour as the palette picks one: hue 0..359, saturation 50..254, value 100..254.
HsvColor RandomShapeColor(CRandom& random);

// What the context menu items do to the shapes. Saving and loading need a file name from the
// window and go through the palette itself.
class CPaletteCommands {
public:
    CPaletteCommands(CShapePalette& palette, CRandom& random) : m_palette(palette), m_random(random) {}

    // Size items are greyed when the current family lacks that size; the current size is checked.
    MenuItemState State(PaletteCommand cmd) const;
    // Runs a command and repaints the palette; false for commands it does not handle.
    bool Run(PaletteCommand cmd);

private:
    void SelectSize(int size);
    void RandomColor();
    void RandomHistoryColor();
    void AllThisSize();
    void AllThisColor();
    void AllRandomColors();
    void AllHistoryColors();

    CShapePalette& m_palette;
    CRandom& m_random;
};
