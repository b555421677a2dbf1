#include "core/print/PrintLayout.h"
#include <algorithm>
#include <cstdint>

int ClampDotsPerUnit(int dots)
{
    return std::clamp(dots, 1, kMaxDotsPerUnit);
}

bool MeasurePrinter(CPrinterMetrics& metrics, int width, int height, int dpiX, int dpiY)
{
    const CPrinterMetrics measured{width, height, dpiX, dpiY};
    if (measured.IsEmpty())
        return false;
    metrics = measured;
    return true;
}

namespace {
// pixels at dpi, per unit, against the page: how many dots per unit fit that direction.
int FittingDots(int dpi, int pixels, float f, int page)
{
    const float exact = static_cast<float>(static_cast<int64_t>(dpi) * pixels) / f / static_cast<float>(page);
    return static_cast<int>(static_cast<double>(exact) - 0.5);
}

int PrintedPixels(int dpi, int pixels, int dots, PrintUnit unit)
{
    if (unit == PrintUnit::Inch)
        return static_cast<int>(static_cast<int64_t>(dpi) * pixels / dots);
    const float f = UnitsPerInch(unit);
    return static_cast<int>(static_cast<float>(static_cast<int64_t>(dpi) * pixels) / (static_cast<float>(dots) * f));
}
} // namespace

int MinimumDotsPerUnit(const CPrinterMetrics& printer, int width, int height, PrintUnit unit)
{
    if (printer.IsEmpty())
        return 1;
    const float f = UnitsPerInch(unit);
    const int b = std::max(FittingDots(printer.m_dpiY, height, f, printer.m_height),
                           FittingDots(printer.m_dpiX, width, f, printer.m_width));
    return std::clamp(b, 1, kMaxDotsPerUnit);
}

float PrintedLength(int pixels, int dots)
{
    return static_cast<float>(pixels) / static_cast<float>(ClampDotsPerUnit(dots));
}

CRect PrintedPageRect(const CPrinterMetrics& printer, int width, int height, int dots, PrintUnit unit, bool center)
{
    dots = ClampDotsPerUnit(dots);
    const int dx = PrintedPixels(printer.m_dpiX, width, dots, unit);
    const int dy = PrintedPixels(printer.m_dpiY, height, dots, unit);
    int x = 0, y = 0;
    if (center) {
        x = printer.m_width / 2 - dx / 2;
        y = printer.m_height / 2 - dy / 2;
    }
    return {x, y, x + dx, y + dy};
}
