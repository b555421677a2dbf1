#pragma once
#include "core/print/CPrintSettings.h"
#include <optional>
#include <string>

// A sheet of paper in millimetres, printed on without margins.
struct CPageSize {
    double m_widthMm = 210.0;
    double m_heightMm = 297.0;

    double WidthPoints() const { return m_widthMm * 72.0 / 25.4; }
    double HeightPoints() const { return m_heightMm * 72.0 / 25.4; }
    // The page as a printer of dpi pixels per inch reports it, whole pixels rounded.
    CPrinterMetrics AtResolution(int dpi) const;
};

// "a4", "letter" (any case) or "WxHmm" with positive numbers up to a metre, e.g. "100x150mm".
std::optional<CPageSize> ParsePageSize(const std::string& text);
