#include "core/panels/CColorValues.h"
#include "core/colour/ColorConversion.h"
#include <cctype>
#include <cstdlib>

namespace {
constexpr float kInv255 = 0.003921569f;

HsvColor Truncated(const HsvF& f)
{
    return {static_cast<int16_t>(f.hue), static_cast<uint8_t>(f.saturation * 255.0f),
            static_cast<uint8_t>(f.value * 255.0f)};
}
} // namespace

CColorValues CColorValues::FromHsv(HsvColor c)
{
    CColorValues v;
    v.hue = c.m_hue;
    v.saturation = c.m_saturation;
    v.value = c.m_value;
    v.HsvToRgbFields();
    return v;
}

void CColorValues::HsvToRgbFields()
{
    const ColorRef rgb = HsvToRgb(hue, static_cast<float>(saturation) * kInv255, static_cast<float>(value) * kInv255);
    red = RedOf(rgb);
    green = GreenOf(rgb);
    blue = BlueOf(rgb);
}

void CColorValues::RgbToHsvFields()
{
    const HsvColor c = Truncated(RgbToHsv(red, green, blue));
    hue = c.m_hue;
    saturation = c.m_saturation;
    value = c.m_value;
}

HsvColor CColorValues::Result(const CColorValues& opened, const CColorValues& accepted)
{
    if (accepted.red == opened.red && accepted.green == opened.green && accepted.blue == opened.blue)
        return {static_cast<int16_t>(accepted.hue), static_cast<uint8_t>(accepted.saturation),
                static_cast<uint8_t>(accepted.value)};
    return Truncated(RgbToHsv(accepted.red, accepted.green, accepted.blue));
}

bool CColorValues::ParseField(const std::string& text, int lo, int hi, int& out)
{
    size_t i = 0, end = text.size();
    while (i < end && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    while (end > i && std::isspace(static_cast<unsigned char>(text[end - 1])))
        --end;
    if (i == end)
        return false;
    size_t digits = i;
    if (text[digits] == '-' || text[digits] == '+')
        ++digits;
    if (digits == end || end - digits > 9)
        return false;
    for (size_t k = digits; k < end; ++k)
        if (!std::isdigit(static_cast<unsigned char>(text[k])))
            return false;
    const long v = std::strtol(text.substr(i, end - i).c_str(), nullptr, 10);
    if (v < lo || v > hi)
        return false;
    out = static_cast<int>(v);
    return true;
}

std::string CColorValues::RangeMessage(int lo, int hi)
{
    return "Please enter an integer between " + std::to_string(lo) + " and " + std::to_string(hi) + ".";
}
