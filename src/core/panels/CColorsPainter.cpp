#include "core/panels/CColorsPainter.h"
#include "core/colour/ColorConversion.h"
#include "core/panels/CColorsLayout.h"

namespace {
constexpr float kInv255 = 0.003921569f;
constexpr Pixel kBlack = MakePixel(0, 0, 0);
constexpr Pixel kWhite = MakePixel(255, 255, 255);
constexpr Pixel kRed = MakePixel(255, 0, 0);
} // namespace

CColorsPainter::CColorsPainter()
    : m_field(CColorsLayout::kFieldWidth, CColorsLayout::kFieldHeight),
      m_strip(CColorsLayout::kStripWidth, CColorsLayout::kFieldHeight)
{
    for (int d = 255; d >= 7; d -= 4) {
        const int row = 63 - d / 4;
        const float level = static_cast<float>(d) * kInv255;
        for (int h = 0; h <= 357; h += 3)
            m_field.Set(h / 3, row, ColorRefToPixel(HsvToRgb(h, level, 1.0f)));
        const Pixel grey = ColorRefToPixel(HsvToRgb(0, 0.0f, level));
        for (int x = 0; x < CColorsLayout::kStripWidth; ++x)
            m_strip.Set(x, row, grey);
    }
}

Pixel CColorsPainter::Shown(HsvColor c)
{
    return ColorRefToPixel(HsvToRgb(c.m_hue, c.m_saturation * kInv255, c.m_value * kInv255));
}

void CColorsPainter::Frame(CImage32& img, const CRect& r, Pixel p)
{
    img.FillRect({r.left, r.top, r.right, r.top + 1}, p);
    img.FillRect({r.left, r.bottom - 1, r.right, r.bottom}, p);
    img.FillRect({r.left, r.top, r.left + 1, r.bottom}, p);
    img.FillRect({r.right - 1, r.top, r.right, r.bottom}, p);
}

void CColorsPainter::SunkenBorder(CImage32& img, const CRect& r, const Palette& pal)
{
    img.FillRect({r.left, r.top, r.right - 1, r.top + 1}, pal.shadow);
    img.FillRect({r.left, r.top, r.left + 1, r.bottom - 1}, pal.shadow);
    img.FillRect({r.right - 1, r.top, r.right, r.bottom}, pal.highlight);
    img.FillRect({r.left, r.bottom - 1, r.right, r.bottom}, pal.highlight);
}

void CColorsPainter::Render(CImage32& client, const Palette& pal, HsvColor current, const CColorHistory& history,
                            bool dragging) const
{
    using L = CColorsLayout;
    if (client.Width() != L::kClientWidth || client.Height() != L::kClientHeight)
        client = CImage32(L::kClientWidth, L::kClientHeight, pal.face);
    if (!dragging)
        client.Fill(pal.face);

    client.Blit(m_field, L::kField.left, L::kField.top);
    SunkenBorder(client, L::kFieldBorder, pal);
    Frame(client, L::FieldMarker(current.m_hue, current.m_saturation), kBlack);

    client.Blit(m_strip, L::kStrip.left, L::kStrip.top);
    SunkenBorder(client, L::kStripBorder, pal);
    Frame(client, L::StripMarker(current.m_value), kRed);

    client.FillRect(L::kSwatch, Shown(current));
    SunkenBorder(client, L::kSwatchBorder, pal);

    if (dragging)
        return;
    const int count = history.Count();
    for (int i = 0; i < count; ++i)
        client.FillRect(L::HistoryEntry(i), Shown(history.Entry(i)));
    if (count < CColorHistory::kCapacity)
        client.FillRect(L::HistoryRest(count), pal.face);
    SunkenBorder(client, L::kHistoryBorder, pal);
    const Pixel frames[4] = {kWhite, kBlack, kWhite, kBlack};
    for (int k = 0; k < 4; ++k)
        Frame(client, L::SelectionFrame(history.Selected(), k), frames[k]);
}
