#include "core/shell/CNewDrawingModel.h"
#include <algorithm>
#include <cerrno>
#include <cstdlib>

namespace {
constexpr int kPresets[4][2] = {{1024, 768}, {800, 600}, {640, 480}, {400, 400}};
}

CNewDrawingModel::CNewDrawingModel(int width, int height, bool locked)
    : m_width(width), m_height(height), m_locked(locked), m_refWidth(width), m_refHeight(height)
{
}

void CNewDrawingModel::FinishSetUp(int spinWidth, int spinHeight)
{
    ApplyLock(m_locked, spinWidth, spinHeight);
    m_initialising = false;
}

void CNewDrawingModel::ApplyLock(bool checked, int spinWidth, int spinHeight)
{
    m_locked = checked;
    if (checked) {
        m_refWidth = std::clamp(spinWidth, kMin, kMax);
        m_refHeight = std::clamp(spinHeight, kMin, kMax);
    }
}

std::optional<std::string> CNewDrawingModel::WidthEdited(const std::string& widthText) const
{
    int w = 0;
    if (m_initialising || !m_locked || !Parse(widthText, w))
        return std::nullopt;
    // The spin control's position never leaves its range, whatever is typed.
    w = std::clamp(w, kMin, kMax);
    return std::to_string(w * m_refHeight / m_refWidth);
}

void CNewDrawingModel::Preset(int index)
{
    m_width = kPresets[index][0];
    m_height = kPresets[index][1];
}

bool CNewDrawingModel::Parse(const std::string& text, int& value)
{
    size_t b = text.find_first_not_of(" \t");
    size_t e = text.find_last_not_of(" \t");
    if (b == std::string::npos)
        return false;
    std::string t = text.substr(b, e - b + 1);
    errno = 0;
    char* end = nullptr;
    long v = std::strtol(t.c_str(), &end, 10);
    if (end == t.c_str() || *end != '\0' || errno == ERANGE || v > 2147483647L || v < -2147483647L - 1)
        return false;
    value = static_cast<int>(v);
    return true;
}

std::optional<std::string> CNewDrawingModel::Check(const std::string& text, int* value)
{
    int v = 0;
    if (!Parse(text, v))
        return std::string("Please enter an integer.");
    if (v < kMin || v > kMax)
        return "Please enter an integer between " + std::to_string(kMin) + " and " + std::to_string(kMax) + ".";
    if (value)
        *value = v;
    return std::nullopt;
}

bool CNewDrawingModel::Accept(const std::string& widthText, const std::string& heightText,
                              std::string& message, int& badBox)
{
    int w = 0, h = 0;
    if (auto m = Check(widthText, &w)) {
        message = *m;
        badBox = 0;
        return false;
    }
    if (auto m = Check(heightText, &h)) {
        message = *m;
        badBox = 1;
        return false;
    }
    m_width = w;
    m_height = h;
    return true;
}
