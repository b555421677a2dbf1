#include "core/shapes/ShapeStateFile.h"
#include "core/base/ByteIO.h"
#include "core/base/AtomicFile.h"
#include "core/shapes/ShapeFamily.h"
#include <algorithm>
#include <cstring>

namespace {

struct Record {
    int32_t shown;
    int16_t hue;
    uint8_t saturation;
    uint8_t value;
};

Record ReadRecord(const uint8_t* p)
{
    return {ReadS32(p), static_cast<int16_t>(ReadU16(p + 4)), p[6], p[7]};
}

} // namespace

std::vector<uint8_t> ShapeStateBytes(const CShapeTable& shapes)
{
    std::vector<uint8_t> out;
    out.reserve(static_cast<size_t>(21 + kShapeStateRecordSize * shapes.Count()));
    PutBytes(out, kShapeStateHeader, kShapeStateHeaderSize);
    PutU8(out, shapes.m_shapeCount);
    for (int i = 0; i < shapes.Count(); ++i) {
        const CShape& s = shapes.Shape(i);
        PutU32(out, static_cast<uint32_t>(s.m_shown ? 1 : 0));
        PutU16(out, static_cast<uint16_t>(s.m_hue));
        PutU8(out, s.m_saturation);
        PutU8(out, s.m_value);
    }
    PutU8(out, shapes.m_currentShape);
    return out;
}

ShapeStateResult ApplyShapeStateBytes(const std::string& bytes, CShapeTable& shapes)
{
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
    const size_t size = bytes.size();
    if (size < kShapeStateHeaderSize || std::memcmp(data, kShapeStateHeader, kShapeStateHeaderSize) != 0)
        return ShapeStateResult::Invalid;
    if (size < kShapeStateHeaderSize + 1u)
        return ShapeStateResult::Invalid;
    const int n = data[kShapeStateHeaderSize];
    const size_t currentAt = kShapeStateHeaderSize + 1u + static_cast<size_t>(kShapeStateRecordSize) * n;
    if (size < currentAt + 1)
        return ShapeStateResult::Invalid;
    const uint8_t* records = data + kShapeStateHeaderSize + 1;
    for (int i = 0; i < n; ++i) {
        const Record r = ReadRecord(records + kShapeStateRecordSize * i);
        if (r.hue < 0 || r.hue > 360)
            return ShapeStateResult::Invalid;
    }

    const int used = std::min(n, shapes.Count());
    for (int i = 0; i < used; ++i) {
        const Record r = ReadRecord(records + kShapeStateRecordSize * i);
        CShape& s = shapes.Shape(i);
        s.m_shown = r.shown != 0 ? 1 : 0;
        char letter;
        int size;
        if (r.shown != 0 && ShapeFamilyOf(shapes, i, letter, size))
            shapes.SelectShapeSize(letter, size);
        s.m_hue = r.hue;
        s.m_saturation = r.saturation;
        s.m_value = r.value;
        s.m_recolorPending = 1;
    }
    // Flags cleared by a file from another shape set may leave a family with nothing shown;
    // such a family comes back at its Medium size (or the fallback) rather than vanishing.
    for (int i = 0; i < used; ++i) {
        char letter;
        int size;
        if (ShapeFamilyOf(shapes, i, letter, size) && ShownVariantOf(shapes, letter) < 0)
            shapes.SelectShapeSize(letter, 1);
    }
    const int current = data[currentAt];
    shapes.m_currentShape = static_cast<uint8_t>(current < shapes.Count() ? current : 0);
    return ShapeStateResult::Applied;
}

FileResult SaveShapeState(const std::string& path, const CShapeTable& shapes)
{
    FileResult result;
    std::string why;
    if (!WriteFileAtomically(path, ShapeStateBytes(shapes), &why))
        result.Fail(FileReason::CannotWrite, why);
    return result;
}

FileResult LoadShapeState(const std::string& path, CShapeTable& shapes)
{
    FileResult result;
    std::string bytes;
    if (!ReadWholeFile(path, bytes))
        return result.Fail(FileReason::CannotRead);
    if (ApplyShapeStateBytes(bytes, shapes) != ShapeStateResult::Applied)
        result.Fail(FileReason::NotThisKind);
    return result;
}
