#include "core/view/CImportPlacement.h"
#include "core/imaging/CImportSampleStore.h"
#include "core/shell/CDaubrixApp.h"
#include "core/view/CDaubrixView.h"
#include "core/view/CLongOperation.h"
#include <algorithm>
#include <cstdlib>

namespace {
constexpr size_t kEscapeEvery = 100;

// The progress shown while sample i of n is placed: 50 + 50 (i + 1) / n.
int PercentAt(size_t i, size_t n)
{
    return 50 + static_cast<int>(50 * (i + 1) / n);
}

// The first sample after i whose percentage is higher (n or beyond when none is).
size_t NextPercentAfter(size_t i, size_t n)
{
    const size_t q = 50 * (i + 1) / n;
    return ((q + 1) * n + 49) / 50 - 1;
}

// Differs from the colour in force by more than the threshold in any component.
bool Differs(const CColorChange& c, const ImportSample& s, int threshold)
{
    return std::abs(s.hue - c.m_hue) > threshold || std::abs(s.saturation - c.m_saturation) > threshold
        || std::abs(s.value - c.m_value) > threshold;
}
} // namespace

CImportPlacement::CImportPlacement(CDaubrixView& view, CLongOperation& op, int offX, int offY,
                                   const std::string& cancelQuestion)
    : m_view(view), m_doc(view.Doc()), m_drawing(view.App().Drawing()), m_random(view.App().Random()), m_op(op),
      m_settings(view.App().Import()), m_cancelQuestion(cancelQuestion), m_offX(offX), m_offY(offY),
      m_shape(m_doc.Shapes().m_currentShape),
      m_threshold((10 - std::clamp(m_settings.m_importColorCount, 1, 10)) * 5), m_globs(kEscapeEvery)
{
}

bool CImportPlacement::Run(const CImportSampleStore& samples)
{
    const size_t n = samples.Size();
    m_nextPosition = m_doc.GetGlobCount();
    m_doc.ReserveGlobs(static_cast<size_t>(m_nextPosition) + n);
    for (const CColorChange& c : m_doc.ColorChanges())
        if (c.m_position > static_cast<uint32_t>(m_nextPosition))
            m_ahead.push_back(c);
    // Sample i is placed after its percentage is shown and, when i is a multiple of a hundred,
    // before ESC is looked for: the stretches in between are placed without a pause.
    size_t i = 0, nextPercent = 0, nextCheck = 0;
    for (auto run : samples.Runs())
        while (!run.empty()) {
            if (i == nextPercent) {
                Flush();
                m_op.ShowPercent(PercentAt(i, n));
                nextPercent = NextPercentAfter(i, n);
            }
            const size_t stretch = std::min({run.size(), nextCheck + 1 - i, nextPercent - i});
            PlaceAll(run.first(stretch));
            run = run.subspan(stretch);
            i += stretch;
            if (i == nextCheck + 1) {
                Flush();
                if (m_op.CheckEscape(m_cancelQuestion))
                    return false;
                nextCheck += kEscapeEvery;
            }
        }
    Flush();
    return true;
}

void CImportPlacement::PlaceAll(std::span<const ImportSample> samples)
{
    // Copies, so that the loop keeps them at hand whatever it stores.
    const GlobArea area = m_doc.AcceptedArea();
    const int offX = m_offX, offY = m_offY, shape = m_shape, threshold = m_threshold;
    const bool jitter = m_drawing.m_jitter != 0, preserve = m_settings.m_importPreserveColors != 0;
    CGlob* globs = m_globs.data();
    size_t count = m_globCount;
    int position = m_nextPosition;
    bool first = m_first;
    CColorChange inForce = m_inForce;
    for (const ImportSample& s : samples) {
        int gx = s.x - offX, gy = s.y - offY;
        if (jitter)
            Jitter(gx, gy);
        if (first)
            m_doc.RecordStartColor();
        if (!area.Contains(gx, gy))
            continue;
        globs[count++] = CGlob(gx, gy, shape);
        if (!preserve) {
            m_view.Stroke().StepColor(position);   // records its change by position: no flush needed
        } else {
            // The first glob of the import always takes its own colour: the colour in force
            // before it may belong to another shape, or to the drawing's past.
            if (!first && m_nextAhead < m_ahead.size() && m_ahead[m_nextAhead].m_position == static_cast<uint32_t>(position))
                inForce = m_ahead[m_nextAhead++];
            if (first || Differs(inForce, s, threshold)) {
                inForce = CColorChange(static_cast<uint32_t>(position), s.hue, s.saturation, s.value);
                m_changes.push_back(inForce);
            }
        }
        ++position;
        first = false;
    }
    m_globCount = count;
    m_nextPosition = position;
    m_first = first;
    m_inForce = inForce;
}

void CImportPlacement::Jitter(int& x, int& y)
{
    // Once per glob, not repeated as in strokes.
    const int range = 3 * std::max<int>(m_drawing.m_jitterAmount, 1);
    const int r1 = m_random.Next(), r2 = m_random.Next();
    x += r1 % range - r2 % range;
    const int r3 = m_random.Next(), r4 = m_random.Next();
    y += r3 % range - r4 % range;
}

void CImportPlacement::Flush()
{
    if (m_globCount > 0) {
        const int count = static_cast<int>(m_globCount);
        if (m_doc.AppendGlobs(m_globs.data(), m_globCount)) {
            m_placed += count;
            m_view.GlobsAppended(count);
        } else {
            // Out of memory, told by the document: these globs and their colours are lost, and
            // the colour in force is the document's again.
            m_changes.clear();
            m_nextPosition = m_doc.GetGlobCount();
            m_first = m_placed == 0;
            if (const CColorChange* c = m_doc.GetColorChange(m_doc.FindColorChangeBefore(m_nextPosition)))
                m_inForce = *c;
        }
        m_globCount = 0;
    }
    for (const CColorChange& c : m_changes)
        m_doc.SetColorChange(static_cast<int>(c.m_position), c.m_hue, c.m_saturation, c.m_value);
    m_changes.clear();
}
