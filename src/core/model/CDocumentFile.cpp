#include "core/model/CDocumentFile.h"
#include "core/imaging/BackgroundImage.h"
#include "core/base/ByteIO.h"
#include "core/imaging/JpegFile.h"
#include "core/shapes/CShapeTable.h"
#include "core/model/CArchiveReader.h"
#include "core/model/CDaubrixDoc.h"
#include <algorithm>
#include <array>
#include <cstring>
#include <new>

namespace {

constexpr uint8_t kMagic[8] = {7, 'D', 'a', 'u', 'b', 'r', 'i', 'x'};
constexpr uint16_t kNewClassTag = 0xFFFF;
constexpr uint16_t kClassTag = 0x8000;
constexpr uint16_t kBigObjectTag = 0x7FFF;
constexpr uint32_t kBigClassTag = 0x80000000u;
constexpr uint16_t kLongCount = 0xFFFF;
constexpr uint16_t kSchema = 2;
constexpr size_t kMaxClassName = 64;
constexpr int kBackgroundQuality = 100;
// The smallest object entry is a two-byte tag (a repeated class with a record of no bytes,
// or a back-reference), so no array can hold more entries than half the remaining bytes.
constexpr size_t kMinEntryBytes = 2;

enum class Kind : uint8_t { Glob, Color };
constexpr const char* kClassNames[2] = {"CGlob", "CColorChange"};

// The archive's one running index, shared by classes and objects of both arrays.
class ObjectWriter {
public:
    explicit ObjectWriter(std::vector<uint8_t>& out) : m_out(out) {}

    void Count(size_t n)
    {
        if (n < kLongCount) {
            PutU16(m_out, static_cast<uint32_t>(n));
        } else {
            PutU16(m_out, kLongCount);
            PutU32(m_out, static_cast<uint32_t>(n));
        }
    }
    // The class tag of one object, then the index the object takes.
    void Tag(Kind kind)
    {
        uint32_t& c = m_classIndex[static_cast<int>(kind)];
        if (c == 0) {
            const char* name = kClassNames[static_cast<int>(kind)];
            PutU16(m_out, kNewClassTag);
            PutU16(m_out, kSchema);
            PutU16(m_out, static_cast<uint32_t>(std::strlen(name)));
            PutBytes(m_out, name, std::strlen(name));
            c = m_next++;
        } else if (c < kBigObjectTag) {
            PutU16(m_out, kClassTag | c);
        } else {
            PutU16(m_out, kBigObjectTag);
            PutU32(m_out, kBigClassTag | c);
        }
        ++m_next;
    }

private:
    std::vector<uint8_t>& m_out;
    uint32_t m_next = 1;
    uint32_t m_classIndex[2] = {0, 0};
};

// The archive's index as runs: objects read one after another take consecutive indices and
// positions, so a million-glob file needs one run rather than a million entries.
struct IndexRun {
    uint32_t first;      // index of the run's first entry
    uint32_t count;
    bool isClass;
    Kind kind;
    uint32_t position;   // objects: the first one's place in its array
};

// Reads object entries, following the same index rules as the writer.
class ObjectReader {
public:
    explicit ObjectReader(CArchiveReader& in) : m_in(in) {}

    bool Count(size_t& n)
    {
        uint16_t c16;
        if (!m_in.U16(c16))
            return false;
        n = c16;
        if (c16 == kLongCount) {
            uint32_t c32;
            if (!m_in.U32(c32))
                return false;
            n = c32;
        }
        return n <= m_in.Remaining() / kMinEntryBytes;
    }

    // Reads the tag of one element of an array of kind. Either the element repeats an object
    // already read (reference set to its position) or a new object follows, to be read under
    // schema.
    bool Tag(Kind kind, bool& reference, uint32_t& position, uint16_t& schema)
    {
        uint16_t tag;
        if (!m_in.U16(tag))
            return false;
        reference = false;
        if (tag == kNewClassTag) {
            if (!NewClass(kind))
                return false;
        } else {
            uint32_t full = tag;
            if (tag == kBigObjectTag) {
                if (!m_in.U32(full))
                    return false;
            } else if (tag & kClassTag) {
                full = kBigClassTag | (tag & ~kClassTag);
            }
            if (full == 0)
                return false;   // a null element has no place in these arrays
            const bool isClass = (full & kBigClassTag) != 0;
            const uint32_t at = full & ~kBigClassTag;
            const IndexRun* run = Find(at);
            if (!run || run->isClass != isClass || run->kind != kind)
                return false;
            if (!isClass) {
                reference = true;
                position = run->position + (at - run->first);
                return true;
            }
            m_lastClass[static_cast<int>(kind)] = at;
        }
        schema = m_schema[static_cast<int>(kind)];
        return true;
    }

    // n new objects from position on take the next indices.
    void Took(Kind kind, uint32_t position, uint32_t n = 1)
    {
        if (!m_runs.empty()) {
            IndexRun& r = m_runs.back();
            if (!r.isClass && r.kind == kind && r.first + r.count == m_next && r.position + r.count == position) {
                r.count += n;
                m_next += n;
                return;
            }
        }
        m_runs.push_back({m_next, n, false, kind, position});
        m_next += n;
    }

    // The tag that repeats the class of kind's last object, in the form the writer uses.
    size_t RepeatTag(Kind kind, uint8_t (&tag)[6]) const
    {
        const uint32_t c = m_lastClass[static_cast<int>(kind)];
        if (c < kBigObjectTag) {
            const uint32_t t = kClassTag | c;
            tag[0] = static_cast<uint8_t>(t);
            tag[1] = static_cast<uint8_t>(t >> 8);
            return 2;
        }
        const uint32_t t = kBigClassTag | c;
        tag[0] = static_cast<uint8_t>(kBigObjectTag);
        tag[1] = static_cast<uint8_t>(kBigObjectTag >> 8);
        for (int i = 0; i < 4; ++i)
            tag[2 + i] = static_cast<uint8_t>(t >> (8 * i));
        return 6;
    }

private:
    bool NewClass(Kind kind)
    {
        uint16_t schema, length;
        const uint8_t* name;
        if (!m_in.U16(schema) || !m_in.U16(length) || length >= kMaxClassName || !m_in.Bytes(length, name))
            return false;
        const char* expected = kClassNames[static_cast<int>(kind)];
        if (length != std::strlen(expected) || std::memcmp(name, expected, length) != 0)
            return false;
        if (schema != 1 && schema != 2)
            return false;
        m_schema[static_cast<int>(kind)] = schema;
        m_lastClass[static_cast<int>(kind)] = m_next;
        m_runs.push_back({m_next++, 1, true, kind, 0});
        return true;
    }

    const IndexRun* Find(uint32_t at) const
    {
        auto it = std::upper_bound(m_runs.begin(), m_runs.end(), at,
                                   [](uint32_t a, const IndexRun& r) { return a < r.first; });
        if (it == m_runs.begin())
            return nullptr;
        --it;
        return at < it->first + it->count ? &*it : nullptr;
    }

    CArchiveReader& m_in;
    std::vector<IndexRun> m_runs;
    uint32_t m_next = 1;   // 0 stands for a null object
    uint16_t m_schema[2] = {kSchema, kSchema};
    uint32_t m_lastClass[2] = {0, 0};
};

// Record bytes by class and schema.
size_t RecordBytes(Kind kind, uint16_t schema)
{
    if (kind == Kind::Glob)
        return schema == 1 ? 4 : 5;
    return schema == 1 ? 0 : 8;
}

CGlob DecodeGlob(const uint8_t* p, uint16_t schema, int shapeCount)
{
    uint8_t shape = schema == 2 ? p[4] : 0;
    if (shape >= shapeCount)
        shape = 0;
    return CGlob::FromStored(ReadU16(p), ReadU16(p + 2), shape);
}

CColorChange DecodeColorChange(const uint8_t* p, uint16_t schema)
{
    if (schema == 1)
        return CColorChange(0, 0, 255, 255);
    return CColorChange(ReadU32(p), static_cast<int16_t>(ReadU16(p + 4)), p[6], p[7]);
}

// Entries under the short tag and their records, into out until the tag changes; returns how
// many. Kept apart so that the compiler keeps the loop in registers.
template <typename T, typename Decode>
size_t ReadRun(const uint8_t* p, size_t most, uint16_t tag, size_t stride, std::vector<T>& out, Decode decode)
{
    const size_t base = out.size();
    out.resize(base + most);
    T* dst = out.data() + base;
    size_t n = 0;
    for (; n < most && ReadU16(p) == tag; ++n, p += stride)
        dst[n] = decode(p + 2);
    out.resize(base + n);
    return n;
}

// Reads one array. After each new object the objects that follow it under the same class tag
// are read in one tight loop: that is nearly every entry of a file.
template <typename T, typename Decode>
bool ReadArray(CArchiveReader& in, ObjectReader& objects, Kind kind, std::vector<T>& out, Decode decode)
{
    size_t count;
    if (!objects.Count(count))
        return false;
    out.reserve(count);
    while (out.size() < count) {
        bool reference;
        uint32_t position = 0;
        uint16_t schema = kSchema;
        if (!objects.Tag(kind, reference, position, schema))
            return false;
        if (reference) {
            out.push_back(out[position]);
            continue;
        }
        const size_t recordBytes = RecordBytes(kind, schema);
        const uint8_t* record;
        if (!in.Bytes(recordBytes, record))
            return false;
        objects.Took(kind, static_cast<uint32_t>(out.size()));
        out.push_back(decode(record, schema));

        uint8_t tag[6];
        const size_t tagBytes = objects.RepeatTag(kind, tag);
        const size_t stride = tagBytes + recordBytes;
        const size_t most = std::min(count - out.size(), in.Remaining() / stride);
        const uint8_t* p = in.Peek();
        size_t n = 0;
        if (tagBytes == 2 && schema == kSchema)
            n = ReadRun(p, most, ReadU16(tag), stride, out, [&](const uint8_t* q) { return decode(q, kSchema); });
        else
            for (; n < most && std::memcmp(p + n * stride, tag, tagBytes) == 0; ++n)
                out.push_back(decode(p + n * stride + tagBytes, schema));
        if (n > 0) {
            objects.Took(kind, static_cast<uint32_t>(out.size() - n), static_cast<uint32_t>(n));
            in.Bytes(n * stride, p);
        }
    }
    return true;
}

// Everything a file holds, gathered before the document is touched.
struct Staged {
    int32_t width = 0, height = 0, sectionCount = 0, sectionFloor = 0;
    int32_t sections[CDaubrixDoc::kMaxSections] = {};
    int32_t backgroundColor = 0, printResolution = 0;
    std::vector<CGlob> globs;
    std::array<bool, 256> usedShapes{};
    std::vector<CColorChange> colors;
    bool hasBackground = false;
    DocumentBackground background;
    std::vector<uint8_t> jpeg;
};

bool ReadHeader(CArchiveReader& in, Staged& s)
{
    const uint8_t* magic;
    if (!in.Bytes(sizeof kMagic, magic) || std::memcmp(magic, kMagic, sizeof kMagic) != 0)
        return false;
    if (!in.S32(s.width) || !in.S32(s.height) || !in.S32(s.sectionCount) || !in.S32(s.sectionFloor))
        return false;
    if (s.width < 1 || s.height < 1 || s.width > CDocumentFile::kMaxSide || s.height > CDocumentFile::kMaxSide
        || int64_t{s.width} * s.height > CDocumentFile::kMaxArea)
        return false;
    if (s.sectionCount < 0 || s.sectionCount > CDaubrixDoc::kMaxSections)
        return false;
    for (int i = 0; i < s.sectionCount; ++i)
        if (!in.S32(s.sections[i]))
            return false;
    return in.S32(s.backgroundColor) && in.S32(s.printResolution);
}

bool ReadBackground(CArchiveReader& in, bool lowColor, FileResult& result, Staged& s)
{
    int32_t flag;
    if (!in.S32(flag))
        return false;
    if (lowColor || flag == 0)
        return true;
    int32_t length;
    const uint8_t* bytes;
    if (!in.S32(length) || length < 0 || !in.Bytes(static_cast<size_t>(length), bytes))
        return false;
    // An empty block holds no picture, but the drawing itself is whole.
    if (length == 0)
        return true;
    JpegPixels pixels;
    const FileResult decoded = ReadJpegBytes(bytes, static_cast<size_t>(length), pixels);
    result.Take(decoded);
    if (!decoded)
        return true;   // the codec has spoken; the drawing opens without its background
    s.background.image = JpegPixelsToImage(pixels);
    if (s.background.image.IsNull())
        return true;
    s.jpeg.assign(bytes, bytes + length);
    s.hasBackground = true;
    return true;
}

} // namespace

FileResult CDocumentFile::Write(CDaubrixDoc& doc, const DocumentBackground* view, std::vector<uint8_t>& out,
                                bool cleared)
{
    FileResult result;
    out.clear();
    PutBytes(out, kMagic, sizeof kMagic);
    const CSectionList& list = doc.Sections();
    const int32_t sections = cleared ? 0 : list.Count();
    PutU32(out, static_cast<uint32_t>(doc.Width()));
    PutU32(out, static_cast<uint32_t>(doc.Height()));
    PutU32(out, static_cast<uint32_t>(sections));
    PutU32(out, static_cast<uint32_t>(cleared ? 0 : list.Floor()));
    for (int i = 0; i < sections; ++i)
        PutU32(out, static_cast<uint32_t>(list.At(i)));
    PutU32(out, doc.BackgroundColor());
    PutU32(out, static_cast<uint32_t>(doc.PrintResolution()));

    static const std::vector<CGlob> noGlobs;
    static const std::vector<CColorChange> noChanges;
    const std::vector<CGlob>& globs = cleared ? noGlobs : doc.Globs();
    const std::vector<CColorChange>& changes = cleared ? noChanges : doc.ColorChanges();
    out.reserve(out.size() + 16 + 7 * globs.size() + 10 * changes.size());
    ObjectWriter objects(out);
    objects.Count(globs.size());
    for (const CGlob& g : globs) {
        objects.Tag(Kind::Glob);
        PutU16(out, g.StoredX());
        PutU16(out, g.StoredY());
        PutU8(out, g.m_shape);
    }
    objects.Count(changes.size());
    for (const CColorChange& c : changes) {
        objects.Tag(Kind::Color);
        PutU32(out, c.m_position);
        PutU16(out, static_cast<uint16_t>(c.m_hue));
        PutU8(out, c.m_saturation);
        PutU8(out, c.m_value);
    }
    if (!view)
        return result;

    // The block is written whole or not at all. The bytes kept since loading are reused so
    // that every save stores the very picture that is shown.
    std::vector<uint8_t> encoded;
    const std::vector<uint8_t>* jpeg = &doc.BackgroundJpeg();
    if (doc.HasBackgroundImage() && jpeg->empty()) {
        if (!view->image.IsNull()) {
            const FileResult coded = WriteJpegBytes(encoded, kBackgroundQuality, view->image);
            result.Take(coded);
            if (coded)
                jpeg = &encoded;
        }
    }
    if (doc.HasBackgroundImage() && (jpeg->empty() || jpeg->size() > INT32_MAX)) {
        result.Note(FileReason::BackgroundNotSaved);
        doc.SetHasBackgroundImage(0);
    }
    PutU32(out, static_cast<uint32_t>(doc.HasBackgroundImage()));
    if (doc.HasBackgroundImage()) {
        PutU32(out, static_cast<uint32_t>(jpeg->size()));
        PutBytes(out, jpeg->data(), jpeg->size());
    }
    return result;
}

FileResult CDocumentFile::Read(std::span<const uint8_t> bytes, CDaubrixDoc& doc, DocumentBackground* view,
                               bool lowColor)
{
    CArchiveReader in(bytes.data(), bytes.size());
    Staged s;
    FileResult result;
    try {
        if (!ReadHeader(in, s))
            return result.Fail(FileReason::NotThisKind);
        ObjectReader objects(in);
        const int shapeCount = doc.Shapes().Count();
        // The shapes in use are gathered on the way rather than in a second pass.
        bool* used = s.usedShapes.data();
        if (!ReadArray(in, objects, Kind::Glob, s.globs, [shapeCount, used](const uint8_t* p, uint16_t schema) {
                const CGlob g = DecodeGlob(p, schema, shapeCount);
                used[g.m_shape] = true;
                return g;
            }))
            return result.Fail(FileReason::NotThisKind);
        if (!ReadArray(in, objects, Kind::Color, s.colors,
                       [](const uint8_t* p, uint16_t schema) { return DecodeColorChange(p, schema); }))
            return result.Fail(FileReason::NotThisKind);
        if (view && !ReadBackground(in, lowColor, result, s))
            return result.Fail(FileReason::NotThisKind);
    } catch (const std::bad_alloc&) {
        return result.Fail(FileReason::NotThisKind);
    }
    // Lookups bisect the list, so keep it ordered; equal positions keep their file order.
    const auto byPosition = [](const CColorChange& a, const CColorChange& b) { return a.m_position < b.m_position; };
    if (!std::is_sorted(s.colors.begin(), s.colors.end(), byPosition))
        std::stable_sort(s.colors.begin(), s.colors.end(), byPosition);

    doc.SetWidth(s.width);
    doc.SetHeight(s.height);
    doc.LoadSections(s.sectionFloor, s.sectionCount, s.sections);
    doc.SetBackgroundColor(static_cast<ColorRef>(s.backgroundColor));
    doc.SetPrintResolution(s.printResolution);
    doc.Undo().Forget();
    doc.SetLoadedRecords(std::move(s.globs), std::move(s.colors));
    doc.SetHasBackgroundImage(s.hasBackground ? 1 : 0);
    doc.SetBackgroundJpeg(std::move(s.jpeg));
    if (view) {
        // The painted form never exceeds the drawing.
        view->image = s.hasBackground ? CropTopLeft(s.background.image, s.width, s.height) : CImage32();
        view->x = s.hasBackground ? BackgroundOffset(s.width, view->image.Width()) : 0;
        view->y = s.hasBackground ? BackgroundOffset(s.height, view->image.Height()) : 0;
    }
    // Every shape the drawing uses shows freshly recoloured in the Shapes window.
    for (int i = 0; i < doc.Shapes().Count(); ++i)
        if (s.usedShapes[static_cast<size_t>(i)])
            doc.Shapes().Shape(i).m_recolorPending = 1;
    return result;
}
