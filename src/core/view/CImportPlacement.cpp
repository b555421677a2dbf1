#include "core/view/CImportPlacement.h"
#include "core/imaging/CImportSampleStore.h"
#include "core/shell/CDaubrixApp.h"
#include "core/view/CDaubrixView.h"
#include "core/view/CLongOperation.h"
#include <algorithm>
#include <cstdlib>

namespace {
constexpr size_t kEscapeEvery = 100;

// Differs from the colour in force by more than the threshold in any component.
bool Differs(const CColorChange& c, const ImportSample& s, int threshold)
{
    return std::abs(s.hue - c.m_hue) > threshold || std::abs(s.saturation - c.m_saturation) > threshold
        || std::abs(s.value - c.m_value) > threshold;
}
} // namespace

CImportPlacement::CImportPlacement(CDaubrixView& view, CLongOperation& op, int offX, int offY,
                                   const std::string& cancelQuestion)
    : m_view(view), m_app(view.App()), m_doc(view.Doc()), m_op(op), m_settings(view.App().m_import),
      m_cancelQuestion(cancelQuestion), m_offX(offX), m_offY(offY), m_shape(m_app.ShapeTable().m_currentShape),
      m_threshold((10 - std::clamp(m_settings.m_importColorCount, 1, 10)) * 5)
{
}

bool CImportPlacement::Run(const CImportSampleStore& samples)
{
    const size_t n = samples.Size();
    m_nextPosition = m_doc.GetGlobCount();
    m_doc.ReserveGlobs(static_cast<size_t>(m_nextPosition) + n);
    m_globs.reserve(kEscapeEvery);
    for (const CColorChange& c : m_doc.ColorChanges())
        if (c.m_position > static_cast<uint32_t>(m_nextPosition))
            m_ahead.push_back(c);
    size_t i = 0, carried = 0;
    int percent = 50, shown = -1;
    for (const auto run : samples.Runs())
        for (const ImportSample& s : run) {
            // 50 + 50 * (i + 1) / n, counted up: a division per glob would cost more than the glob.
            for (carried += 50; carried >= n; carried -= n)
                ++percent;
            if (percent != shown) {
                Flush();
                m_op.ShowPercent(shown = percent);
            }
            Place(s);
            if (i++ % kEscapeEvery == 0) {
                Flush();
                if (m_op.CheckEscape(m_cancelQuestion))
                    return false;
            }
        }
    Flush();
    return true;
}

void CImportPlacement::Place(const ImportSample& s)
{
    int gx = s.x - m_offX, gy = s.y - m_offY;
    if (m_app.m_drawing.m_jitter) {
        // Once per glob, not repeated as in strokes.
        const int range = 3 * std::max<int>(m_app.m_drawing.m_jitterAmount, 1);
        const int r1 = m_app.m_random.Next(), r2 = m_app.m_random.Next();
        gx += r1 % range - r2 % range;
        const int r3 = m_app.m_random.Next(), r4 = m_app.m_random.Next();
        gy += r3 % range - r4 % range;
    }
    if (m_first)
        m_doc.RecordStartColor();
    if (!m_doc.AcceptsGlobAt(gx, gy))
        return;
    m_globs.emplace_back(gx, gy, m_shape);
    const int position = m_nextPosition++;
    if (m_settings.m_importPreserveColors)
        KeepPictureColor(s, position);
    else
        m_view.Stroke().StepColor(position);   // sets its change by position: needs no flush
    m_first = false;
}

void CImportPlacement::KeepPictureColor(const ImportSample& s, int position)
{
    // The first glob of the import always takes its own colour: the colour in force before it
    // may belong to another shape, or to the drawing's past.
    if (!m_first) {
        if (m_nextAhead < m_ahead.size() && m_ahead[m_nextAhead].m_position == static_cast<uint32_t>(position))
            m_inForce = m_ahead[m_nextAhead++];
        if (!Differs(m_inForce, s, m_threshold))
            return;
    }
    m_inForce = CColorChange(static_cast<uint32_t>(position), s.hue, s.saturation, s.value);
    m_changes.push_back(m_inForce);
}

void CImportPlacement::Flush()
{
    if (!m_globs.empty()) {
        const int count = static_cast<int>(m_globs.size());
        if (m_doc.AppendGlobs(m_globs.data(), m_globs.size())) {
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
        m_globs.clear();
    }
    for (const CColorChange& c : m_changes)
        m_doc.SetColorChange(static_cast<int>(c.m_position), c.m_hue, c.m_saturation, c.m_value);
    m_changes.clear();
}
