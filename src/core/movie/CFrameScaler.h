#pragma once
#include "core/imaging/CImage32.h"
#include "core/imaging/PackedDib.h"
#include <cstdint>
#include <vector>

// Scales a drawing image to the frame size colour on colour (each frame pixel takes the
// nearest source pixel, nothing is blended) into a 24-bit bottom-up record, reused frame after
// frame.
class CFrameScaler {
public:
    CFrameScaler(int width, int height);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // False when the record cannot be held (out of memory) or the source is empty.
    bool Scale(const CImage32& source);
    // A frame made elsewhere, already a record of this size (replaying kept frames).
    bool Take(std::vector<uint8_t> record);
    // Hands the record back (to be filled again), leaving this scaler empty.
    std::vector<uint8_t> Release() { return std::move(m_record); }
    // Scales into a record of the caller's (reused across frames), leaving this scaler's as it was.
    bool ScaleInto(const CImage32& source, std::vector<uint8_t>& record);
    // The record: the 40-byte header and the rows.
    const std::vector<uint8_t>& Record() const { return m_record; }
    const uint8_t* Rows() const { return m_record.data() + PackedDib::kHeaderSize; }
    PackedDib Dib() const { return PackedDib(m_record); }

private:
    int m_width;
    int m_height;
    std::vector<int> m_columns;
    std::vector<uint8_t> m_record;
};
