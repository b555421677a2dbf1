#include "core/colour/CColorHistory.h"
#include <cstring>

CColorHistory::CColorHistory(HsvColor first)
{
    Reset(first);
}

HsvColor CColorHistory::Entry(int i) const
{
    if (i < 0 || i >= m_histCount)
        return {};
    return {m_histHue[i], m_histSat[i], m_histVal[i]};
}

void CColorHistory::Add(HsvColor c)
{
    if (m_histCount > 0 && Entry(m_histCount - 1) == c)
        return;
    if (m_histCount == kCapacity) {
        for (int i = 1; i < kCapacity; ++i) {
            m_histHue[i - 1] = m_histHue[i];
            m_histSat[i - 1] = m_histSat[i];
            m_histVal[i - 1] = m_histVal[i];
        }
        m_histCount = kCapacity - 1;
    }
    m_histHue[m_histCount] = c.m_hue;
    m_histSat[m_histCount] = c.m_saturation;
    m_histVal[m_histCount] = c.m_value;
    m_histSelected = m_histCount++;
}

bool CColorHistory::Select(int i)
{
    if (i < 0 || i >= m_histCount)
        return false;
    m_histSelected = i;
    return true;
}

bool CColorHistory::RemoveSelected()
{
    if (m_histCount < 2)
        return false;
    for (int i = m_histSelected + 1; i < m_histCount; ++i) {
        m_histHue[i - 1] = m_histHue[i];
        m_histSat[i - 1] = m_histSat[i];
        m_histVal[i - 1] = m_histVal[i];
    }
    --m_histCount;
    if (m_histSelected >= m_histCount)
        m_histSelected = m_histCount - 1;
    return true;
}

void CColorHistory::Reset(HsvColor c)
{
    m_histCount = 1;
    m_histSelected = 0;
    m_histHue[0] = c.m_hue;
    m_histSat[0] = c.m_saturation;
    m_histVal[0] = c.m_value;
}

std::vector<uint8_t> CColorHistory::ToBytes() const
{
    std::vector<uint8_t> out(kHeader, kHeader + kHeaderSize);
    const auto n = static_cast<uint32_t>(m_histCount);
    for (int k = 0; k < 4; ++k)
        out.push_back(static_cast<uint8_t>(n >> (8 * k)));
    for (int i = 0; i < m_histCount; ++i) {
        const auto h = static_cast<uint16_t>(m_histHue[i]);
        out.push_back(static_cast<uint8_t>(h & 255));
        out.push_back(static_cast<uint8_t>(h >> 8));
        out.push_back(m_histSat[i]);
        out.push_back(m_histVal[i]);
    }
    return out;
}

CColorHistory::ParseResult CColorHistory::FromBytes(const std::string& bytes)
{
    if (bytes.size() < static_cast<size_t>(kHeaderSize) || std::memcmp(bytes.data(), kHeader, kHeaderSize) != 0)
        return ParseResult::Invalid;
    if (bytes.size() < static_cast<size_t>(kHeaderSize) + 4)
        return ParseResult::Invalid;
    auto byte = [&](size_t i) { return static_cast<uint32_t>(static_cast<uint8_t>(bytes[i])); };
    const size_t base = kHeaderSize;
    const auto count = static_cast<int32_t>(byte(base) | byte(base + 1) << 8 | byte(base + 2) << 16 | byte(base + 3) << 24);
    if (count < 1 || count > kCapacity)
        return ParseResult::Invalid;
    const size_t dataStart = base + 4;
    if (bytes.size() - dataStart < static_cast<size_t>(count) * 4)
        return ParseResult::Invalid;
    CColorHistory loaded;
    for (int i = 0; i < count; ++i) {
        const size_t at = dataStart + static_cast<size_t>(i) * 4;
        const auto hue = static_cast<int16_t>(byte(at) | byte(at + 1) << 8);
        if (hue < 0 || hue > 360)
            return ParseResult::Invalid;
        loaded.m_histHue[i] = hue;
        loaded.m_histSat[i] = static_cast<uint8_t>(byte(at + 2));
        loaded.m_histVal[i] = static_cast<uint8_t>(byte(at + 3));
    }
    loaded.m_histCount = count;
    loaded.m_histSelected = count - 1;
    *this = loaded;
    return ParseResult::Ok;
}
