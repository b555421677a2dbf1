#include "core/view/CViewKeys.h"
#include "core/shapes/CPaletteCommands.h"
#include "core/shapes/ShapeFamily.h"
#include "core/shell/CDaubrixApp.h"
#include "core/view/CDaubrixView.h"
#include <algorithm>
#include <cctype>

namespace {
// One step towards a limit; nothing once there (or beyond, as a dialog may have set it).
template <typename T>
bool StepWithin(T& amount, int step, int low, int high)
{
    const int next = amount + step;
    if ((step > 0 && amount >= high) || (step < 0 && amount <= low))
        return false;
    amount = static_cast<T>(step > 0 ? std::min(next, high) : std::max(next, low));
    return true;
}
} // namespace

KeyEffect CViewKeys::Type(int ch)
{
    CDaubrixApp& app = m_view.App();
    CDrawingSettings& d = app.Drawing();
    if (app.ShapeTable().Count() == 0)
        return KeyEffect::None;
    auto setting = [this](bool changed) {
        if (!changed)
            return KeyEffect::None;
        m_view.Stroke().Target().BandChanged();
        return KeyEffect::SettingChanged;
    };
    switch (std::toupper(ch)) {
    case '\t': return KeyEffect::CycleFullScreen;
    case 27: return m_view.Stroke().LeaveOneShotMode() ? KeyEffect::ModeLeft : KeyEffect::None;
    case '+':
    case '=': return Size(1);
    case '-': return Size(-1);
    case '[': return Family(-1);
    case ']': return Family(1);
    case '1': return Nudge(5, 0, 0);
    case 'Q': return Nudge(-5, 0, 0);
    case '2': return Nudge(0, 10, 0);
    case 'W': return Nudge(0, -10, 0);
    case '3': return Nudge(0, 0, 10);
    case 'E': return Nudge(0, 0, -10);
    case '4': return setting(StepWithin(d.m_polarCount, 1, kMinPolar, kMaxPolar));
    case 'R': return setting(StepWithin(d.m_polarCount, -1, kMinPolar, kMaxPolar));
    case '5': return setting(StepWithin(d.m_jitterAmount, 1, kMinJitter, kMaxJitter));
    case 'T': return setting(StepWithin(d.m_jitterAmount, -1, kMinJitter, kMaxJitter));
    case '6': return setting(StepWithin(d.m_skippingAmount, 1, kMinSkipping, kMaxSkipping));
    case 'Y': return setting(StepWithin(d.m_skippingAmount, -1, kMinSkipping, kMaxSkipping));
    case 'P': return KeyEffect::Play;
    default: return KeyEffect::None;
    }
}

void CViewKeys::RecordShapeColor()
{
    const CShape& s = m_view.App().CurrentShape();
    m_view.RecordCurrentColor(s.Color());
}

KeyEffect CViewKeys::Size(int step)
{
    CShapeTable& shapes = m_view.App().ShapeTable();
    char letter;
    int size;
    if (!m_palette || !ShapeFamilyOf(shapes, shapes.m_currentShape, letter, size))
        return KeyEffect::None;
    // The next size the family has: a family without Medium goes from Small to Large.
    for (int wanted = size + step; wanted >= 0 && wanted <= 2; wanted += step) {
        if (!shapes.ShapeSizeExists(letter, wanted))
            continue;
        m_palette->Run(static_cast<PaletteCommand>(static_cast<int>(PaletteCommand::Small) + wanted));
        RecordShapeColor();
        return KeyEffect::ShapeChanged;
    }
    return KeyEffect::None;
}

KeyEffect CViewKeys::Family(int step)
{
    CShapeTable& shapes = m_view.App().ShapeTable();
    const int current = shapes.m_currentShape;
    // The families as the palette shows them: each by its shown variant, in table order.
    for (int i = current + step; i >= 0 && i < shapes.Count(); i += step) {
        if (!shapes.Shape(i).m_shown)
            continue;
        char a, b;
        int sa, sb;
        if (ShapeFamilyOf(shapes, i, a, sa) && ShapeFamilyOf(shapes, current, b, sb) && a == b)
            continue;
        shapes.Current().m_recolorPending = 1;
        shapes.m_currentShape = static_cast<uint8_t>(i);
        shapes.Current().m_recolorPending = 1;
        RecordShapeColor();
        return KeyEffect::ShapeChanged;
    }
    return KeyEffect::None;
}

KeyEffect CViewKeys::Nudge(int hue, int saturation, int value)
{
    const CShape& s = m_view.App().CurrentShape();
    int h = s.m_hue + hue;
    if (h > 360)
        h = 0;
    else if (h < 0)
        h = 360;
    const int sat = std::clamp(s.m_saturation + saturation, 0, 255);
    const int val = std::clamp(s.m_value + value, 0, 255);
    m_view.RecordCurrentColor({static_cast<int16_t>(h), static_cast<uint8_t>(sat), static_cast<uint8_t>(val)});
    return KeyEffect::ColorChanged;
}
