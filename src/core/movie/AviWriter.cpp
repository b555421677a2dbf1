#include "core/movie/AviWriter.h"
#include "core/base/ByteIO.h"
#include "core/movie/VideoCompressors.h"
#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

// Room for this many RIFF segments (standard indexes) in the super index: 256 GiB.
constexpr uint32_t kSuperIndexEntries = 256;
constexpr uint32_t kAvifHasIndex = 0x10;
constexpr uint32_t kStreamHeaderSize = 56;
constexpr uint32_t kStandardIndexHeader = 24;

void PutU64(std::vector<uint8_t>& out, uint64_t v)
{
    PutU32(out, static_cast<uint32_t>(v));
    PutU32(out, static_cast<uint32_t>(v >> 32));
}

void PutChunk(std::vector<uint8_t>& out, uint32_t id, const std::vector<uint8_t>& data)
{
    PutU32(out, id);
    PutU32(out, static_cast<uint32_t>(data.size()));
    out.insert(out.end(), data.begin(), data.end());
    if (data.size() & 1)
        out.push_back(0);
}

void PutList(std::vector<uint8_t>& out, uint32_t type, const std::vector<uint8_t>& content)
{
    PutU32(out, FourCC("LIST"));
    PutU32(out, static_cast<uint32_t>(content.size() + 4));
    PutU32(out, type);
    out.insert(out.end(), content.begin(), content.end());
}

std::vector<uint8_t> U32Bytes(uint32_t v)
{
    std::vector<uint8_t> b;
    PutU32(b, v);
    return b;
}

} // namespace

bool AviWriter::SetParams(const BitmapInfo& input, uint32_t handler, int quality, bool keyFramesOn, int keyEvery,
                          bool dataRateOn, int dataRate, int fps, const std::vector<uint8_t>& state)
{
    if (m_state == State::Open)
        Close(false);
    m_input = input;
    m_handler = handler;
    m_settings.quality = quality;
    m_settings.keyEvery = keyFramesOn ? keyEvery : 0;
    m_settings.dataRate = dataRateOn ? dataRate : 0;
    m_settings.fps = fps > 0 ? fps : 30;
    try {
        m_settings.state = state;
    } catch (const std::bad_alloc&) {
        m_lastError = kAviErrMemory;
        return false;
    }
    m_state = State::ParamsSet;
    return true;
}

uint32_t AviWriter::ChunkId() const { return m_handler ? FourCC("00dc") : FourCC("00db"); }

bool AviWriter::Fail(uint32_t error)
{
    m_lastError = error;
    Close(false);
    return false;
}

bool AviWriter::Open(const std::string& path)
{
    if (m_state == State::Open)
        Close(false);
    if (m_state == State::Empty || m_input.width <= 0 || m_input.height == 0)
        return Fail(kAviErrBadSize);
    m_frames = m_firstRiffFrames = 0;
    m_largestSample = 0;
    m_samples.clear();
    m_superIndex.clear();
    m_firstSegment = true;
    m_lastError = 0;
    if (m_handler != 0) {
        m_compressor = OpenCompressor(m_handler);
        if (!m_compressor)
            return Fail(kAviErrNoCompressor);
        if (!m_compressor->Start(m_input, m_settings))
            return Fail(kAviErrCompressor);
        m_format = m_compressor->OutputFormat();
        m_suggestedBuffer = m_compressor->MaxFrameSize();
        m_width = static_cast<int>(ReadS32(m_format.data() + 4));
        m_height = static_cast<int>(ReadS32(m_format.data() + 8));
    } else {
        m_format = m_input.Bytes();
        m_suggestedBuffer = m_input.FrameSize() + 48;
        m_width = m_input.width;
        m_height = std::abs(m_input.height);
    }
    if (!m_file.Open(path))
        return Fail(m_file.Refusal() == kWriteProtectedReason ? kAviErrReadOnly : kAviErrFileOpen);
    m_state = State::Open;
    const std::vector<uint8_t> headers = Headers();
    m_headerSize = headers.size();
    if (!m_file.Write(headers.data(), headers.size()))
        return Fail(kAviErrFileWrite);
    m_riffStart = 0;
    m_moviStart = m_headerSize - 12;
    return true;
}

std::vector<uint8_t> AviWriter::Headers() const
{
    const uint32_t fps = static_cast<uint32_t>(m_settings.fps);
    const uint32_t largest = std::max(m_largestSample, m_suggestedBuffer);

    std::vector<uint8_t> avih;
    PutU32(avih, 1000000 / fps);
    PutU32(avih, static_cast<uint32_t>(std::min<uint64_t>(uint64_t{largest} * fps, UINT32_MAX)));
    PutU32(avih, 0);   // padding granularity
    PutU32(avih, kAvifHasIndex);
    PutU32(avih, static_cast<uint32_t>(m_firstRiffFrames));
    PutU32(avih, 0);   // initial frames
    PutU32(avih, 1);   // streams
    PutU32(avih, m_suggestedBuffer);
    PutU32(avih, static_cast<uint32_t>(m_width));
    PutU32(avih, static_cast<uint32_t>(m_height));
    for (int i = 0; i < 4; ++i)
        PutU32(avih, 0);

    std::vector<uint8_t> strh;
    PutU32(strh, FourCC("vids"));
    PutU32(strh, m_handler);
    PutU32(strh, 0);   // flags
    PutU16(strh, 0);   // priority
    PutU16(strh, 0);   // language
    PutU32(strh, 0);   // initial frames
    PutU32(strh, 1);   // scale
    PutU32(strh, fps); // rate: one frame lasts 1/fps seconds
    PutU32(strh, 0);   // start
    PutU32(strh, static_cast<uint32_t>(m_frames));
    PutU32(strh, m_suggestedBuffer);
    PutU32(strh, m_handler ? static_cast<uint32_t>(m_settings.quality) : 0xFFFFFFFFu);
    PutU32(strh, 0);   // sample size: frames vary
    PutU16(strh, 0);
    PutU16(strh, 0);
    PutU16(strh, static_cast<uint32_t>(m_width));
    PutU16(strh, static_cast<uint32_t>(m_height));

    std::vector<uint8_t> indx;
    PutU16(indx, 4);   // longs per entry
    PutU8(indx, 0);
    PutU8(indx, 0);    // an index of indexes
    PutU32(indx, static_cast<uint32_t>(m_superIndex.size()));
    PutU32(indx, ChunkId());
    for (int i = 0; i < 3; ++i)
        PutU32(indx, 0);
    for (uint32_t i = 0; i < kSuperIndexEntries; ++i) {
        const IndexEntry e = i < m_superIndex.size() ? m_superIndex[i] : IndexEntry{0, 0, 0};
        PutU64(indx, e.offset);
        PutU32(indx, e.size);
        PutU32(indx, e.frames);
    }

    std::vector<uint8_t> strl;
    PutChunk(strl, FourCC("strh"), strh);
    PutChunk(strl, FourCC("strf"), m_format);
    PutChunk(strl, FourCC("indx"), indx);

    std::vector<uint8_t> dmlh = U32Bytes(static_cast<uint32_t>(m_frames));
    dmlh.resize(248, 0);
    std::vector<uint8_t> odml;
    PutChunk(odml, FourCC("dmlh"), dmlh);

    std::vector<uint8_t> hdrl;
    PutChunk(hdrl, FourCC("avih"), avih);
    PutList(hdrl, FourCC("strl"), strl);
    PutList(hdrl, FourCC("odml"), odml);

    std::vector<uint8_t> out;
    PutU32(out, FourCC("RIFF"));
    PutU32(out, 0);    // patched when the segment ends
    PutU32(out, FourCC("AVI "));
    PutList(out, FourCC("hdrl"), hdrl);
    PutU32(out, FourCC("LIST"));
    PutU32(out, 0);
    PutU32(out, FourCC("movi"));
    return out;
}

bool AviWriter::BeginSegment()
{
    std::vector<uint8_t> head;
    PutU32(head, FourCC("RIFF"));
    PutU32(head, 0);
    PutU32(head, FourCC("AVIX"));
    PutU32(head, FourCC("LIST"));
    PutU32(head, 0);
    PutU32(head, FourCC("movi"));
    m_riffStart = m_file.Position();
    m_moviStart = m_riffStart + 12;
    m_firstSegment = false;
    m_samples.clear();
    return m_file.Write(head.data(), head.size());
}

// Closes the current segment: its standard index inside the movi list, the old-style index
// after the first one, and the sizes of the lists that hold them.
bool AviWriter::EndSegment()
{
    if (m_superIndex.size() >= kSuperIndexEntries)
        return false;
    std::vector<uint8_t> ix;
    PutU16(ix, 2);
    PutU8(ix, 0);
    PutU8(ix, 1);      // an index of chunks
    PutU32(ix, static_cast<uint32_t>(m_samples.size()));
    PutU32(ix, ChunkId());
    PutU64(ix, m_riffStart);
    PutU32(ix, 0);
    for (const Sample& s : m_samples) {
        PutU32(ix, static_cast<uint32_t>(s.offset + 8 - m_riffStart));
        PutU32(ix, s.size | (s.key ? 0u : 0x80000000u));
    }
    std::vector<uint8_t> chunk;
    PutChunk(chunk, FourCC("ix00"), ix);
    m_superIndex.push_back({m_file.Position(), static_cast<uint32_t>(chunk.size()),
                            static_cast<uint32_t>(m_samples.size())});
    if (!m_file.Write(chunk.data(), chunk.size()))
        return false;
    const uint32_t moviSize = static_cast<uint32_t>(m_file.Position() - m_moviStart - 8);
    if (!m_file.WriteAt(m_moviStart + 4, U32Bytes(moviSize).data(), 4))
        return false;
    if (m_firstSegment) {
        std::vector<uint8_t> idx1;
        idx1.reserve(m_samples.size() * 16);
        for (const Sample& s : m_samples) {
            PutU32(idx1, ChunkId());
            PutU32(idx1, s.key ? kAviIndexKeyFrame : 0);
            PutU32(idx1, static_cast<uint32_t>(s.offset - (m_moviStart + 8)));
            PutU32(idx1, s.size);
        }
        chunk.clear();
        PutChunk(chunk, FourCC("idx1"), idx1);
        if (!m_file.Write(chunk.data(), chunk.size()))
            return false;
        m_firstRiffFrames = static_cast<int>(m_samples.size());
    }
    const uint32_t riffSize = static_cast<uint32_t>(m_file.Position() - m_riffStart - 8);
    return m_file.WriteAt(m_riffStart + 4, U32Bytes(riffSize).data(), 4);
}

bool AviWriter::WriteSample(const uint8_t* data, uint32_t size, bool key)
{
    const uint64_t chunk = 8 + uint64_t{size} + (size & 1);
    const uint64_t n = m_samples.size() + 1;
    const uint64_t indexes = 8 + kStandardIndexHeader + 8 * n + (m_firstSegment ? 8 + 16 * n : 0);
    if (!m_samples.empty() && m_file.Position() + chunk + indexes - m_riffStart > m_segmentLimit) {
        if (!EndSegment())
            return Fail(m_superIndex.size() >= kSuperIndexEntries ? kAviErrBadSize : kAviErrFileWrite);
        if (!BeginSegment())
            return Fail(kAviErrFileWrite);
    }
    m_samples.push_back({m_file.Position(), size, key});
    uint8_t head[8];
    const uint32_t id = ChunkId();
    std::memcpy(head, &id, 4);
    std::memcpy(head + 4, &size, 4);
    static const uint8_t pad = 0;
    if (!m_file.Write(head, 8) || !m_file.Write(data, size) || ((size & 1) && !m_file.Write(&pad, 1)))
        return Fail(kAviErrFileWrite);
    m_largestSample = std::max(m_largestSample, size);
    ++m_frames;
    return true;
}

bool AviWriter::AddFrame(const uint8_t* rows)
{
    if (m_state != State::Open || !rows)
        return false;
    if (!m_compressor)
        return WriteSample(rows, m_input.FrameSize(), true);
    std::vector<CompressedFrame> ready;
    if (!m_compressor->Compress(rows, ready))
        return Fail(kAviErrCompressor);
    for (const CompressedFrame& f : ready)
        if (!WriteSample(f.data.data(), static_cast<uint32_t>(f.data.size()), f.key))
            return false;
    return true;
}

bool AviWriter::Close(bool keep)
{
    if (m_state != State::Open) {
        m_compressor.reset();
        return false;
    }
    bool ok = keep;
    if (ok && m_compressor) {
        std::vector<CompressedFrame> rest;
        ok = m_compressor->Drain(rest);
        for (const CompressedFrame& f : rest)
            if (ok)
                ok = WriteSample(f.data.data(), static_cast<uint32_t>(f.data.size()), f.key);
        // A failing sample closed the writer already.
        if (m_state != State::Open)
            return false;
    }
    if (ok)
        ok = EndSegment();
    if (ok) {
        const std::vector<uint8_t> headers = Headers();
        ok = headers.size() == m_headerSize && m_file.WriteAt(12, headers.data() + 12, headers.size() - 24);
    }
    if (ok)
        ok = m_file.Commit();
    else
        m_file.Discard();
    if (keep && !ok && m_lastError == 0)
        m_lastError = kAviErrFileWrite;
    m_compressor.reset();
    m_samples.clear();
    m_state = State::Closed;
    return ok;
}
