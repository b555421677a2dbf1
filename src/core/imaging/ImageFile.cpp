#include "core/imaging/ImageFile.h"
#include "core/base/AtomicFile.h"
#include "core/base/ByteIO.h"
#include "core/imaging/DibDecode.h"
#include "core/imaging/JpegFile.h"
#include "core/imaging/PictureCheck.h"
#include "core/imaging/PngFile.h"
#include <algorithm>
#include <cctype>

std::string LowerExtension(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    const auto dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return {};
    std::string ext = path.substr(dot + 1);
    for (char& c : ext)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext;
}

bool DecodeBmpFile(const uint8_t* data, size_t size, CImage32& out)
{
    constexpr size_t kFileHeader = 14;
    if (size < kFileHeader + kCoreHeaderSize || ReadU16(data) != 0x4D42)
        return false;
    // Honour the file's pixel offset when it points inside the file past the header;
    // writers that leave it zero or wrong get the rows right after the colour table.
    const uint32_t offBits = ReadU32(data + 10);
    const uint32_t headerSize = ReadU32(data + kFileHeader);
    size_t pixelOffset = 0;
    if (offBits >= kFileHeader + std::min(headerSize, kInfoHeaderSize) && offBits < size)
        pixelOffset = offBits - kFileHeader;
    return DecodePackedDib(data + kFileHeader, size - kFileHeader, out, pixelOffset);
}

FileResult LoadImageFile(const std::string& path, CImage32& out)
{
    FileResult result;
    const PictureKind kind = PictureKindFor(path);
    std::string bytes;
    if (!ReadWholeFile(path, bytes))
        return result.Fail(kind == PictureKind::Jpeg ? FileReason::JpegCannotOpen : FileReason::CannotRead);
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
    // Refused from its header alone, before anything is allocated for its pixels.
    result = CheckPicture(data, bytes.size(), kind);
    if (!result)
        return result;
    switch (kind) {
    case PictureKind::Bmp:
        if (!DecodeBmpFile(data, bytes.size(), out))
            return result.Fail(FileReason::NotThisKind);
        return result;
    case PictureKind::Png: {
        CImage32 img;
        result.Take(ReadPngBytes(data, bytes.size(), img));
        if (img.IsNull())
            return result.Fail(FileReason::NotThisKind);
        out = std::move(img);
        return result;
    }
    case PictureKind::Jpeg: break;
    }
    JpegPixels pixels;
    result = ReadJpegBytes(data, bytes.size(), pixels);
    if (!result)
        return result;
    CImage32 img = JpegPixelsToImage(pixels);
    if (img.IsNull())
        return result.Fail(FileReason::NotThisKind);
    out = std::move(img);
    return result;
}
