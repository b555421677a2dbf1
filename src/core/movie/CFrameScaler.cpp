#include "core/movie/CFrameScaler.h"
#include "core/movie/AviFormat.h"
#include <new>

CFrameScaler::CFrameScaler(int width, int height) : m_width(width), m_height(height) {}

bool CFrameScaler::Scale(const CImage32& source)
{
    if (source.IsNull() || m_width <= 0 || m_height <= 0)
        return false;
    const BitmapInfo info = BitmapInfo::Rgb24(m_width, m_height);
    const size_t stride = info.FrameSize() / static_cast<size_t>(m_height);
    try {
        if (m_record.empty()) {
            m_record = info.Bytes();
            m_record.resize(PackedDib::kHeaderSize + info.FrameSize(), 0);
        }
        if (static_cast<int>(m_columns.size()) != m_width) {
            m_columns.resize(static_cast<size_t>(m_width));
            for (int x = 0; x < m_width; ++x)
                m_columns[static_cast<size_t>(x)] =
                    static_cast<int>(static_cast<int64_t>(x) * source.Width() / m_width);
        }
    } catch (const std::bad_alloc&) {
        m_record.clear();
        return false;
    }
    for (int y = 0; y < m_height; ++y) {
        // Bottom row first.
        const int sy = static_cast<int>(static_cast<int64_t>(m_height - 1 - y) * source.Height() / m_height);
        const Pixel* src = source.Row(sy);
        uint8_t* dst = m_record.data() + PackedDib::kHeaderSize + stride * static_cast<size_t>(y);
        for (int x = 0; x < m_width; ++x, dst += 3) {
            const Pixel p = src[m_columns[static_cast<size_t>(x)]];
            dst[0] = static_cast<uint8_t>(p);
            dst[1] = static_cast<uint8_t>(p >> 8);
            dst[2] = static_cast<uint8_t>(p >> 16);
        }
    }
    return true;
}

bool CFrameScaler::Take(std::vector<uint8_t> record)
{
    if (record.size() != PackedDib::kHeaderSize + BitmapInfo::Rgb24(m_width, m_height).FrameSize())
        return false;
    m_record = std::move(record);
    return true;
}

bool CFrameScaler::ScaleInto(const CImage32& source, std::vector<uint8_t>& record)
{
    std::swap(m_record, record);
    const bool ok = Scale(source);
    std::swap(m_record, record);
    return ok;
}
