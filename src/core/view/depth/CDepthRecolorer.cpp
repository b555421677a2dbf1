#include "core/view/depth/CDepthRecolorer.h"
#include "core/model/CDaubrixDoc.h"
#include "core/view/depth/ChromaDepthTable.h"
#include <algorithm>

int CDepthRecolorer::RangeStart(const CDaubrixDoc& doc, bool entire, int shown)
{
    return entire ? 0 : doc.SectionStartFor(shown);
}

CDepthRecolorer::Levels CDepthRecolorer::LevelsFor(const DepthChoice& choice, int n)
{
    const int bottom = std::clamp(choice.bottom, 0, 24);
    const int levels = std::clamp(choice.top, bottom + 1, 25) - bottom;
    if (n < levels)
        return {n, 1, 10 * levels / n};
    return {levels, n / levels, 10};
}

int CDepthRecolorer::IndexAfter(int position) const
{
    const auto& list = m_doc.ColorChanges();
    auto it = std::upper_bound(list.begin(), list.end(), static_cast<int64_t>(position),
                               [](int64_t p, const CColorChange& c) { return p < static_cast<int64_t>(c.m_position); });
    return static_cast<int>(it - list.begin());
}

bool CDepthRecolorer::Apply(const DepthChoice& choice, int start, int shown)
{
    const int n = shown - start;
    if (start < 0 || n <= 0)
        return false;
    const Levels lv = LevelsFor(choice, n);

    // The hidden globs after the range keep the colour they are drawn in; with none the next
    // stroke takes the current colour.
    const bool hidden = shown < m_doc.GetGlobCount();
    const HsvColor restore = hidden ? m_doc.ColorInForceAt(shown) : m_current;

    if (choice.light)
        Light(choice, lv, start, shown);
    else
        Chroma(choice, lv, start, shown);

    m_doc.SetColorChange(shown, restore.m_hue, restore.m_saturation, restore.m_value);
    m_doc.MarkShapesForRecolor(start, shown);
    return true;
}

void CDepthRecolorer::Light(const DepthChoice& choice, const Levels& lv, int d, int shown)
{
    int h = m_current.m_hue, s = m_current.m_saturation;
    const int from = m_doc.HasColorChangeAt(d) ? d : d > 0 ? m_doc.PositionInForce(d) : -1;
    if (from >= 0 && m_doc.GetColorChangeCount() > 0) {
        h = m_doc.GetColorChangeHue(from);
        s = m_doc.GetColorChangeSaturation(from);
    }
    int v = 10 * std::clamp(choice.bottom, 0, 24);
    // Changes of brightness alone would fight the ramp.
    m_doc.RemoveRepeatedColorChanges(d, shown);
    if (d > 0)
        m_doc.SetColorChange(d, h, s, v);
    else if (m_doc.GetColorChangeCount() > 0)
        m_doc.SetColorChangeValue(0, v);

    int pos = d + lv.interval;
    v += lv.step;
    for (int level = 0; level < lv.count; ++level) {
        // Changes inside this level keep their hue, which the ramp carries on with.
        for (int i = IndexAfter(pos - lv.interval); i < m_doc.GetColorChangeCount(); ++i) {
            CColorChange& c = *m_doc.GetColorChange(i);
            if (static_cast<int64_t>(c.m_position) > pos)
                break;
            c.m_value = static_cast<uint8_t>(v - lv.step);
            h = c.m_hue;
            s = c.m_saturation;
        }
        m_doc.SetColorChange(pos, h, s, v);
        pos += lv.interval;
        v += lv.step;
    }
    const int last = m_doc.NextColorChangeAfter(pos - lv.interval);
    if (last >= 0 && last < shown)
        m_doc.SetColorChangeValue(last, v - lv.step);
}

void CDepthRecolorer::Chroma(const DepthChoice& choice, const Levels& lv, int d, int shown)
{
    const int k = std::max(lv.step / 10, 1);
    // Only the changes that switch shape survive; they take their neighbour's table colour.
    m_doc.RemoveColorChanges(d, shown, false);
    int pos = d;
    int index = kChromaDepthEntries - 1 - std::clamp(choice.bottom, 0, 24);
    for (int level = 0; level < lv.count; ++level) {
        const HsvColor c = ChromaDepthColor(index);
        m_doc.SetColorChange(pos, c.m_hue, c.m_saturation, c.m_value);
        pos += lv.interval;
        index -= k;
    }
    m_doc.CopyPreviousColors(d, shown);
}
