#include "core/panels/CColorsPanel.h"
#include "core/colour/ColorHistoryFile.h"
#include "core/base/CRandom.h"
#include "core/base/IHost.h"
#include "core/shapes/CShapeTable.h"
#include "core/shell/CUnwrittenFiles.h"
#include "core/view/CBasicColorsLink.h"
#include "core/view/CDaubrixView.h"
#include "core/panels/CColorsLayout.h"

namespace {
constexpr const char* kInvalidFile = "Not a valid Color file!";
constexpr const char* kWriteError = "Error writing file";
} // namespace

CColorsPanel::CColorsPanel(IHost& host, CRandom& random, CShapeTable& shapes, CUnwrittenFiles& unwritten)
    : m_host(host), m_random(random), m_shapes(shapes), m_unwritten(unwritten), m_history(HsvColor{0, 255, 255})
{
}

void CColorsPanel::SetCurrentColor(HsvColor c)
{
    m_curHue = c.m_hue;
    m_curSat = c.m_saturation;
    m_curVal = c.m_value;
}

void CColorsPanel::AddCurrentToHistory()
{
    m_history.Add(CurrentColor());
}

void CColorsPanel::ApplyCurrentColor()
{
    ApplyColorToCurrentShape(m_shapes, m_activeView ? m_activeView() : nullptr, CurrentColor());
    if (m_shapeColorChanged)
        m_shapeColorChanged();
}

bool CColorsPanel::MouseDown(int x, int y)
{
    using L = CColorsLayout;
    if (L::InField(x, y)) {
        m_curHue = static_cast<int16_t>(L::HueAt(x));
        m_curSat = static_cast<uint8_t>(L::LevelAt(y));
        m_fieldDrag = true;
        return true;
    }
    if (L::InStrip(x, y)) {
        m_curVal = static_cast<uint8_t>(L::LevelAt(y));
        m_stripDrag = true;
        return true;
    }
    const int i = L::HistoryIndexAt(x, y, m_history.Count());
    if (i >= 0) {
        m_history.Select(i);
        UseSelected();
    }
    return false;
}

void CColorsPanel::MouseMove(int x, int y)
{
    using L = CColorsLayout;
    if (m_fieldDrag) {
        m_curHue = static_cast<int16_t>(L::DragHueAt(x));
        m_curSat = static_cast<uint8_t>(L::DragLevelAt(y));
    } else if (m_stripDrag) {
        m_curVal = static_cast<uint8_t>(L::DragLevelAt(y));
    }
}

void CColorsPanel::MouseUp()
{
    if (!IsDragging())
        return;
    ApplyCurrentColor();
    AddCurrentToHistory();
    m_fieldDrag = m_stripDrag = false;
}

void CColorsPanel::UseSelected()
{
    SetCurrentColor(m_history.SelectedColor());
    ApplyCurrentColor();
}

bool CColorsPanel::Last()
{
    if (!m_history.SelectPrevious())
        return false;
    UseSelected();
    return true;
}

bool CColorsPanel::Next()
{
    if (!m_history.SelectNext())
        return false;
    UseSelected();
    return true;
}

void CColorsPanel::AcceptValues(HsvColor c)
{
    SetCurrentColor(c);
    AddCurrentToHistory();
    ApplyCurrentColor();
}

void CColorsPanel::RandomColor()
{
    CRandom& rnd = m_random;
    m_curHue = static_cast<int16_t>(rnd.Next() % 360);
    m_curSat = static_cast<uint8_t>(rnd.Next() % 205 + 50);
    m_curVal = static_cast<uint8_t>(rnd.Next() % 155 + 100);
    ApplyCurrentColor();
    AddCurrentToHistory();
}

bool CColorsPanel::DeleteColor()
{
    if (!CanDelete() || !m_host.AskYesNo("Delete color?", MsgIcon::Exclamation, "Confirm"))
        return false;
    m_history.RemoveSelected();
    UseSelected();
    return true;
}

bool CColorsPanel::ClearColors()
{
    if (!CanDelete() || !m_host.AskYesNo("Delete all colors?", MsgIcon::Exclamation, "Confirm"))
        return false;
    m_history.Reset(CurrentColor());
    return true;
}

bool CColorsPanel::SaveHistory(const std::string& path)
{
    if (!SaveColorHistory(path, m_history)) {
        m_host.Message(kWriteError, MsgIcon::None);
        return false;
    }
    return true;
}

bool CColorsPanel::LoadHistory(const std::string& path)
{
    const FileResult loaded = LoadColorHistory(path, m_history);
    // A file that cannot be read is passed over quietly.
    if (loaded.Has(FileReason::NotThisKind))
        m_host.Message(kInvalidFile, MsgIcon::None);
    if (!loaded)
        return false;
    UseSelected();
    return true;
}

void CColorsPanel::OnFirstPaint()
{
    if (m_painted)
        return;
    m_painted = true;
    if (!m_autoFile.empty())
        LoadHistory(m_autoFile);
}

void CColorsPanel::OnDestroy()
{
    // A window never shown has not read the saved history; writing now would replace it with
    // the lone starting colour.
    if (m_painted && !m_autoFile.empty() && !SaveColorHistory(m_autoFile, m_history))
        m_unwritten.Note(m_autoFile, "the color history");
}
