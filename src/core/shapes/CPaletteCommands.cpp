#include "core/shapes/CPaletteCommands.h"
#include "core/base/CRandom.h"
#include "core/shapes/CShapePalette.h"
#include "core/shapes/ShapeFamily.h"
#include <vector>

namespace {

HsvColor ColourOf(const CShape& s)
{
    return s.Color();
}

// Assigning the fields without a recolour: the palette recolours the shape when it shows it.
void GiveColour(CShape& s, HsvColor c)
{
    s.m_hue = c.m_hue;
    s.m_saturation = c.m_saturation;
    s.m_value = c.m_value;
    s.m_recolorPending = 1;
}

std::vector<int> ShownShapes(const CShapeTable& shapes)
{
    std::vector<int> shown;
    for (int i = 0; i < shapes.Count(); ++i)
        if (shapes.Shape(i).m_shown)
            shown.push_back(i);
    return shown;
}

} // namespace

HsvColor RandomShapeColor(CRandom& random)
{
    HsvColor c;
    c.m_hue = static_cast<int16_t>(random.Next() % 360);
    c.m_saturation = static_cast<uint8_t>(random.Next() % 205 + 50);
    c.m_value = static_cast<uint8_t>(random.Next() % 155 + 100);
    return c;
}

MenuItemState CPaletteCommands::State(PaletteCommand cmd) const
{
    MenuItemState state;
    const int id = static_cast<int>(cmd);
    const int small = static_cast<int>(PaletteCommand::Small);
    const CShapeTable& shapes = m_palette.Shapes();
    if (id < small || id > small + 2 || shapes.Count() == 0)
        return state;
    char letter;
    int size;
    if (!ShapeFamilyOf(shapes, shapes.m_currentShape, letter, size))
        return {false, false};
    state.enabled = shapes.ShapeSizeExists(letter, id - small);
    state.checked = size == id - small;
    return state;
}

bool CPaletteCommands::Run(PaletteCommand cmd)
{
    if (m_palette.Shapes().Count() == 0)
        return false;
    switch (cmd) {
    case PaletteCommand::Small: SelectSize(0); break;
    case PaletteCommand::Medium: SelectSize(1); break;
    case PaletteCommand::Large: SelectSize(2); break;
    case PaletteCommand::RandomColor: RandomColor(); break;
    case PaletteCommand::RandomHistoryColor: RandomHistoryColor(); break;
    case PaletteCommand::AllThisSize: AllThisSize(); break;
    case PaletteCommand::AllThisColor: AllThisColor(); break;
    case PaletteCommand::AllRandomColors: AllRandomColors(); break;
    case PaletteCommand::AllHistoryColors: AllHistoryColors(); break;
    default: return false;
    }
    m_palette.Relayout();
    m_palette.RequestFullPaint();
    return true;
}

void CPaletteCommands::SelectSize(int size)
{
    CShapeTable& shapes = m_palette.Shapes();
    char letter;
    int oldSize;
    if (!ShapeFamilyOf(shapes, shapes.m_currentShape, letter, oldSize) || !shapes.ShapeSizeExists(letter, size))
        return;
    const HsvColor colour = ColourOf(shapes.Current());
    shapes.SelectShapeSize(letter, size);
    // The variant actually shown, not index arithmetic: a family may lack a size in between.
    const int shown = ShownVariantOf(shapes, letter);
    if (shown < 0)
        return;
    shapes.m_currentShape = static_cast<uint8_t>(shown);
    GiveColour(shapes.Current(), colour);
}

void CPaletteCommands::RandomColor()
{
    CShapeTable& shapes = m_palette.Shapes();
    IColorsLink& colors = m_palette.Colors();
    const HsvColor c = RandomShapeColor(m_random);
    GiveColour(shapes.Current(), c);
    colors.SetCurrentColor(c);
    colors.AddCurrentToHistory();
    colors.ApplyCurrentColor();
}

void CPaletteCommands::RandomHistoryColor()
{
    IColorsLink& colors = m_palette.Colors();
    const int count = colors.HistoryCount();
    if (count <= 0)
        return;
    const int k = m_random.Next() % count;
    const HsvColor c = colors.HistoryEntry(k);
    GiveColour(m_palette.Shapes().Current(), c);
    colors.SetCurrentColor(c);
    colors.SelectHistoryEntry(k);
    colors.ApplyCurrentColor();
}

void CPaletteCommands::AllThisSize()
{
    CShapeTable& shapes = m_palette.Shapes();
    char letter;
    int size;
    if (!ShapeFamilyOf(shapes, shapes.m_currentShape, letter, size))
        return;
    for (int i : ShownShapes(shapes)) {
        char other;
        int otherSize;
        if (i == shapes.m_currentShape || !ShapeFamilyOf(shapes, i, other, otherSize))
            continue;
        if (otherSize == size || !shapes.ShapeSizeExists(other, size))
            continue;
        const HsvColor colour = ColourOf(shapes.Shape(i));
        shapes.SelectShapeSize(other, size);
        const int shown = ShownVariantOf(shapes, other);
        if (shown >= 0)
            GiveColour(shapes.Shape(shown), colour);
    }
}

void CPaletteCommands::AllThisColor()
{
    CShapeTable& shapes = m_palette.Shapes();
    const HsvColor c = ColourOf(shapes.Current());
    for (int i : ShownShapes(shapes))
        if (i != shapes.m_currentShape)
            GiveColour(shapes.Shape(i), c);
}

void CPaletteCommands::AllRandomColors()
{
    CShapeTable& shapes = m_palette.Shapes();
    IColorsLink& colors = m_palette.Colors();
    for (int i : ShownShapes(shapes))
        GiveColour(shapes.Shape(i), RandomShapeColor(m_random));
    colors.SetCurrentColor(ColourOf(shapes.Current()));
    colors.AddCurrentToHistory();
    colors.ApplyCurrentColor();
}

void CPaletteCommands::AllHistoryColors()
{
    CShapeTable& shapes = m_palette.Shapes();
    IColorsLink& colors = m_palette.Colors();
    const int count = colors.HistoryCount();
    if (count <= 0)
        return;
    const std::vector<int> shown = ShownShapes(shapes);
    int currentEntry = -1;
    for (size_t i = 0; i < shown.size(); ++i) {
        const int entry = static_cast<int>(i % static_cast<size_t>(count));
        GiveColour(shapes.Shape(shown[i]), colors.HistoryEntry(entry));
        if (shown[i] == shapes.m_currentShape)
            currentEntry = entry;
    }
    if (currentEntry >= 0) {
        colors.SelectHistoryEntry(currentEntry);
        colors.SetCurrentColor(colors.HistoryEntry(currentEntry));
    }
    colors.ApplyCurrentColor();
}
