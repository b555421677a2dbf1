#include "core/print/CPrintSizeModel.h"
#include "core/model/CDaubrixDoc.h"
#include "core/print/PrintLayout.h"
#include <algorithm>

CPrintSizeModel::CPrintSizeModel(const CPrintSettings& settings, int width, int height, int dots)
    : m_printer(settings.m_printer), m_width(width), m_height(height), m_dots(ClampDotsPerUnit(dots)),
      m_unit(UnitFromIndex(settings.m_printUnits)), m_center(settings.m_printCenter != 0)
{
    ApplyMinimum();
}

int CPrintSizeModel::Maximum() const
{
    return kMaxDotsPerUnit;
}

void CPrintSizeModel::ApplyMinimum()
{
    m_minimum = MinimumDotsPerUnit(m_printer, m_width, m_height, m_unit);
    m_dots = std::max(m_dots, m_minimum);
}

void CPrintSizeModel::SetDots(int dots)
{
    m_dots = std::clamp(dots, m_minimum, kMaxDotsPerUnit);
}

void CPrintSizeModel::SetUnit(PrintUnit unit)
{
    m_dots = ClampDotsPerUnit(ConvertDotsPerUnit(m_dots, m_unit, unit));
    m_unit = unit;
    ApplyMinimum();
}

void CPrintSizeModel::MaxSize()
{
    m_dots = 1;
    ApplyMinimum();
}

std::string CPrintSizeModel::WidthText() const
{
    return FormatSize(PrintedLength(m_width, m_dots));
}

std::string CPrintSizeModel::HeightText() const
{
    return FormatSize(PrintedLength(m_height, m_dots));
}

CRect CPrintSizeModel::PageFrame(const CRect& initial)
{
    const int w0 = initial.Width(), h0 = initial.Height();
    const int longest = std::max(m_printer.m_width, m_printer.m_height);
    // An unmeasured page keeps the frame as it was.
    if (longest <= 0) {
        m_scale = 0.0f;
        return initial;
    }
    m_scale = static_cast<float>(w0) / static_cast<float>(longest);
    const int w = static_cast<int>(m_scale * static_cast<float>(m_printer.m_width));
    const int h = static_cast<int>(m_scale * static_cast<float>(m_printer.m_height));
    const int left = initial.left + (w0 - w) / 2, top = initial.top + (h0 - h) / 2;
    return {left, top, left + w, top + h};
}

CRect CPrintSizeModel::DrawingFrame(const CRect& page) const
{
    const float f = UnitsPerInch(m_unit);
    const float width = PrintedLength(m_width, m_dots), height = PrintedLength(m_height, m_dots);
    const int g = static_cast<int>(static_cast<float>(m_printer.m_dpiX) * width / f * m_scale);
    const int h = static_cast<int>(static_cast<float>(m_printer.m_dpiY) * height / f * m_scale);
    int x0 = page.left, y0 = page.top;
    if (m_center) {
        x0 = page.left + (page.Width() - g) / 2;
        y0 = page.top + (page.Height() - h) / 2;
    }
    return {std::max(x0, page.left + 1), std::max(y0, page.top + 1), std::min(x0 + g, page.right - 1),
            std::min(y0 + h, page.bottom - 1)};
}

bool CPrintSizeModel::Store(CPrintSettings& settings, CDaubrixDoc& doc) const
{
    settings.m_printCenter = m_center ? 1 : 0;
    settings.m_printUnits = static_cast<int>(m_unit);
    const bool changed = doc.PrintResolution() != m_dots;
    doc.SetPrintResolution(m_dots);
    if (changed)
        doc.SetModifiedFlag();
    return changed;
}
