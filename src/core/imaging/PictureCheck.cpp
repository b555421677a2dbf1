#include "core/imaging/PictureCheck.h"
#include "core/base/ByteIO.h"
#include "core/imaging/DibDecode.h"
#include "core/imaging/ImageFile.h"
#include <cstdlib>
#include <string>

namespace {

// Even a flat picture costs its codec some bits per block (JPEG), per deflate run (PNG) or per
// run (BMP), so no real file holds more than about this many pixels a byte.
constexpr long long kPixelsPerByte = 1024;

uint32_t ReadBE32(const uint8_t* p)
{
    return static_cast<uint32_t>(p[0]) << 24 | static_cast<uint32_t>(p[1]) << 16 | static_cast<uint32_t>(p[2]) << 8
        | p[3];
}
unsigned ReadBE16(const uint8_t* p) { return static_cast<unsigned>(p[0]) << 8 | p[1]; }

PictureHeader BmpHeader(const uint8_t* d, size_t size)
{
    PictureHeader h;
    constexpr size_t kFileHeader = 14;
    DibHeader dib;
    if (size < kFileHeader || ReadU16(d) != 0x4D42 || !ReadDibHeader(d + kFileHeader, size - kFileHeader, dib))
        return h;
    h.found = true;
    h.width = dib.width;
    h.height = dib.height;
    const long long bpp = dib.bpp;
    const uint32_t compression = dib.compression;
    const uint32_t offBits = ReadU32(d + 10);
    const long long rows = static_cast<long long>(kFileHeader + dib.tableAt);
    const long long offset = offBits >= rows && offBits < size ? offBits : rows;
    const long long available = static_cast<long long>(size) - offset;
    if (h.width <= 0 || h.height <= 0 || h.width > kMaxPictureSide || h.height > kMaxPictureSide)
        return h;
    if (compression == 1 || compression == 2) {
        h.damaged = h.width * h.height / kPixelsPerByte > available;
    } else if (bpp > 0 && bpp <= 32) {
        // Some writers leave out the last row's padding.
        const long long stride = (h.width * bpp + 31) / 32 * 4;
        h.damaged = stride * (h.height - 1) + (h.width * bpp + 7) / 8 > available;
    }
    return h;
}

PictureHeader JpegHeader(const uint8_t* d, size_t size)
{
    PictureHeader h;
    if (size < 4 || d[0] != 0xFF || d[1] != 0xD8)
        return h;
    size_t i = 2;
    while (i + 4 <= size) {
        if (d[i] != 0xFF) {
            ++i;
            continue;
        }
        const uint8_t m = d[i + 1];
        if (m == 0xFF) {
            ++i;
            continue;
        }
        if (m == 0xD8 || m == 0x01 || (m >= 0xD0 && m <= 0xD7)) {
            i += 2;
            continue;
        }
        const size_t length = ReadBE16(d + i + 2);
        const bool frame = m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC;
        if (frame) {
            if (i + 9 > size)
                return h;
            h.found = true;
            h.height = ReadBE16(d + i + 5);
            h.width = ReadBE16(d + i + 7);
            h.damaged = h.width * h.height / kPixelsPerByte > static_cast<long long>(size);
            return h;
        }
        if (m == 0xD9 || m == 0xDA)
            return h;
        i += 2 + length;
    }
    return h;
}

PictureHeader PngHeader(const uint8_t* d, size_t size)
{
    static const uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    PictureHeader h;
    if (size < 26 || std::string(reinterpret_cast<const char*>(d), 8) != std::string(reinterpret_cast<const char*>(kSignature), 8)
        || std::string(reinterpret_cast<const char*>(d + 12), 4) != "IHDR")
        return h;
    h.found = true;
    h.width = ReadBE32(d + 16);
    h.height = ReadBE32(d + 20);
    if (h.width > kMaxPictureSide || h.height > kMaxPictureSide)
        return h;
    h.damaged = h.width * h.height / kPixelsPerByte > static_cast<long long>(size);
    return h;
}

} // namespace

PictureKind PictureKindFor(const std::string& path)
{
    const std::string ext = LowerExtension(path);
    if (ext == "bmp")
        return PictureKind::Bmp;
    if (ext == "png")
        return PictureKind::Png;
    return PictureKind::Jpeg;
}

PictureHeader ReadPictureHeader(const uint8_t* data, size_t size, PictureKind kind)
{
    if (!data)
        return {};
    switch (kind) {
    case PictureKind::Bmp: return BmpHeader(data, size);
    case PictureKind::Png: return PngHeader(data, size);
    case PictureKind::Jpeg: break;
    }
    return JpegHeader(data, size);
}

FileResult CheckPicture(const uint8_t* data, size_t size, PictureKind kind)
{
    FileResult result;
    const PictureHeader h = ReadPictureHeader(data, size, kind);
    if (!h.found)
        return result;
    if (h.width > kMaxPictureSide || h.height > kMaxPictureSide) {
        result.Note(FileReason::PictureRefused,
                    "This picture is too large (" + std::to_string(h.width) + " x " + std::to_string(h.height)
                        + " pixels). Pictures of up to " + std::to_string(kMaxPictureSide) + " pixels on a side can be read.");
        return result.Fail();
    }
    if (h.damaged) {
        result.Note(FileReason::PictureRefused,
                    "This picture file is damaged: its header claims more pixels than the file holds.");
        return result.Fail();
    }
    return result;
}
