#include "core/imaging/PackedDib.h"
#include "core/base/AtomicFile.h"
#include "core/base/ByteIO.h"
#include <new>

int PackedDib::Width() const
{
    return IsNull() ? 0 : ReadS32(m_block.data() + 4);
}

int PackedDib::Height() const
{
    if (IsNull())
        return 0;
    int32_t h = ReadS32(m_block.data() + 8);
    if (h == INT32_MIN)
        return 0;
    return h < 0 ? -h : h;
}

bool PackedDib::IsTopDown() const
{
    return !IsNull() && ReadS32(m_block.data() + 8) < 0;
}

int PackedDib::BitsPerPixel() const
{
    return IsNull() ? 0 : ReadU16(m_block.data() + 14);
}

uint32_t PackedDib::Compression() const
{
    return IsNull() ? 0 : ReadU32(m_block.data() + 16);
}

uint32_t PackedDib::ImageSize() const
{
    return IsNull() ? 0 : ReadU32(m_block.data() + 20);
}

size_t PackedDib::ColorTableEntries() const
{
    if (IsNull())
        return 0;
    const uint32_t used = ReadU32(m_block.data() + 32);
    const int bits = BitsPerPixel();
    if (bits <= 8)
        return used ? used : (size_t{1} << bits);
    // Three channel masks follow the header of a bit-fields record.
    return used + (Compression() == 3 ? 3 : 0);
}

size_t PackedDib::Stride() const
{
    return DibStride(Width(), BitsPerPixel());
}

const uint8_t* PackedDib::Pixels() const
{
    if (IsNull() || Width() <= 0)
        return nullptr;
    const size_t offset = PixelOffset();
    if (offset > m_block.size())
        return nullptr;
    const size_t available = m_block.size() - offset;
    const size_t stride = Stride();
    if (stride == 0 || available / stride < static_cast<size_t>(Height()))
        return nullptr;
    return m_block.data() + offset;
}

size_t DibStride(int width, int bitsPerPixel)
{
    if (width <= 0 || bitsPerPixel <= 0)
        return 0;
    return ((static_cast<size_t>(width) * static_cast<size_t>(bitsPerPixel) + 31) & ~size_t{31}) / 8;
}

PackedDib BitmapToDib(const CImage32& bitmap)
{
    if (bitmap.IsNull())
        return {};
    const int w = bitmap.Width(), h = bitmap.Height();
    const size_t stride = DibStride(w, 24);
    const size_t imageSize = stride * static_cast<size_t>(h);
    if (imageSize > UINT32_MAX)
        return {};
    std::vector<uint8_t> block;
    try {
        block.reserve(PackedDib::kHeaderSize + imageSize);
    } catch (const std::bad_alloc&) {
        return {};
    }
    PutU32(block, 40);
    PutU32(block, static_cast<uint32_t>(w));
    PutU32(block, static_cast<uint32_t>(h));
    PutU16(block, 1);
    PutU16(block, 24);
    PutU32(block, 0);
    PutU32(block, static_cast<uint32_t>(imageSize));
    for (int i = 0; i < 4; ++i)
        PutU32(block, 0);
    block.resize(PackedDib::kHeaderSize + imageSize, 0);
    for (int y = 0; y < h; ++y) {
        // Bottom row first.
        const Pixel* src = bitmap.Row(h - 1 - y);
        uint8_t* dst = block.data() + PackedDib::kHeaderSize + stride * static_cast<size_t>(y);
        for (int x = 0; x < w; ++x) {
            dst[3 * x] = static_cast<uint8_t>(PixelBlue(src[x]));
            dst[3 * x + 1] = static_cast<uint8_t>(PixelGreen(src[x]));
            dst[3 * x + 2] = static_cast<uint8_t>(PixelRed(src[x]));
        }
    }
    return PackedDib(std::move(block));
}

std::vector<uint8_t> BmpFileBytes(const PackedDib& dib)
{
    std::vector<uint8_t> out;
    if (dib.IsNull())
        return out;
    const int bits = dib.BitsPerPixel();
    const size_t entries = bits <= 8 ? (size_t{1} << bits) : 0;
    out.reserve(14 + dib.Size());
    PutU16(out, 0x4D42);
    PutU32(out, static_cast<uint32_t>(14 + dib.Size()));
    PutU16(out, 0);
    PutU16(out, 0);
    PutU32(out, static_cast<uint32_t>(14 + PackedDib::kHeaderSize + 4 * entries));
    PutBytes(out, dib.Block().data(), dib.Size());
    return out;
}

bool WriteBmpFile(const std::string& path, const PackedDib& dib, std::string* reason)
{
    if (dib.IsNull())
        return false;
    std::vector<uint8_t> bytes;
    try {
        bytes = BmpFileBytes(dib);
    } catch (const std::bad_alloc&) {
        return false;
    }
    return WriteFileAtomically(path, bytes, reason);
}

bool SaveBitmapAsBmp(const std::string& path, const CImage32& bitmap, std::string* reason)
{
    PackedDib dib = BitmapToDib(bitmap);
    if (dib.IsNull())
        return false;
    return WriteBmpFile(path, dib, reason);
}
