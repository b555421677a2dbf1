#include "core/movie/CContainerSink.h"
#include "core/movie/CFrameScaler.h"
extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

namespace {
constexpr const char* kNotWritten = "The movie was not written: ";
}

CompressSettings SettingsFor(const AviOptions& o, int fps)
{
    CompressSettings s;
    s.quality = o.quality;
    s.keyEvery = o.keyFramesOn ? o.keyFrameEvery : 0;
    s.dataRate = o.dataRateOn ? o.dataRate : 0;
    s.fps = fps;
    s.state = o.state;
    return s;
}

CContainerSink::~CContainerSink()
{
    if (!m_finished)
        Finish(false);
}

bool CContainerSink::Fail(const std::string& why)
{
    if (m_failure.empty())
        m_failure = kNotWritten + why + ".";
    m_file.Discard();
    m_finished = true;
    return false;
}

bool CContainerSink::Open(const std::string& path, MovieContainer container, const AviOptions& o, int fps,
                          int width, int height)
{
    const CompressorInfo* info = FindCompressor(o.handler, container);
    if (!info || !LoadVideoLibraries())
        return Fail("the chosen compressor is not available");
    if (!m_file.Open(path, container == MovieContainer::Mp4 ? "mp4" : "webm"))
        return Fail(m_file.Why());
    if (!m_encoder.Open(*info, width, height, SettingsFor(o, fps), m_file.WantsGlobalHeader()))
        return Fail("the compressor cannot take these frames");
    AVDictionary* opts = nullptr;
    if (container == MovieContainer::Mp4)
        av_dict_set(&opts, "movflags", "+faststart", 0);
    m_started = m_file.Start(m_encoder.Context(), fps, &opts);
    av_dict_free(&opts);
    return m_started || Fail(m_file.Why());
}

bool CContainerSink::AddFrame(const CFrameScaler& frame, int)
{
    if (m_finished || !m_started)
        return false;
    const bool ok = m_encoder.Encode(frame.Rows(), [this](AVPacket* p) { return m_file.Write(p); });
    return ok || Fail("the file cannot be written (is the disk full?)");
}

CDrawingConverter* CContainerSink::Converter(const CImage32& drawing)
{
    if (m_finished || !m_started)
        return nullptr;
    if (!m_converter || m_converter->Width() != drawing.Width() || m_converter->Height() != drawing.Height())
        m_converter = m_encoder.MakeDrawingConverter(drawing.Width(), drawing.Height());
    return m_converter.get();
}

bool CContainerSink::AddRecord(const std::vector<uint8_t>& record, int)
{
    if (m_finished || !m_started)
        return false;
    const bool ok = m_encoder.EncodeRecord(record, [this](AVPacket* p) { return m_file.Write(p); });
    return ok || Fail("the file cannot be written (is the disk full?)");
}

bool CContainerSink::Finish(bool keep)
{
    if (m_finished)
        return false;
    if (!keep || !m_started) {
        m_file.Discard();
        m_finished = true;
        return false;
    }
    if (!m_encoder.Drain([this](AVPacket* p) { return m_file.Write(p); }))
        return Fail("the file cannot be written (is the disk full?)");
    m_finished = true;
    return m_file.Commit() || Fail(m_file.Why());
}
