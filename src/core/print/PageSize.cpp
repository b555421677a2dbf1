#include "core/print/PageSize.h"
#include <cctype>
#include <cmath>
#include <cstdlib>

CPrinterMetrics CPageSize::AtResolution(int dpi) const
{
    const auto pixels = [dpi](double mm) { return static_cast<int32_t>(std::lround(mm * dpi / 25.4)); };
    return {pixels(m_widthMm), pixels(m_heightMm), dpi, dpi};
}

namespace {
bool ParseMm(const std::string& text, double& out)
{
    if (text.empty() || !std::isdigit(static_cast<unsigned char>(text[0])))
        return false;
    char* end = nullptr;
    out = std::strtod(text.c_str(), &end);
    return end && *end == '\0' && out > 0.0 && out <= 1000.0;
}
} // namespace

std::optional<CPageSize> ParsePageSize(const std::string& text)
{
    std::string t;
    for (char c : text)
        t += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (t == "a4")
        return CPageSize{210.0, 297.0};
    if (t == "letter")
        return CPageSize{215.9, 279.4};
    if (!t.ends_with("mm"))
        return std::nullopt;
    t.resize(t.size() - 2);
    const size_t x = t.find('x');
    CPageSize page;
    if (x == std::string::npos || !ParseMm(t.substr(0, x), page.m_widthMm) || !ParseMm(t.substr(x + 1), page.m_heightMm))
        return std::nullopt;
    return page;
}
