#include "core/movie/CMuxedFile.h"
extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

bool CMuxedFile::Fail(const char* why)
{
    m_why = why;
    Discard();
    return false;
}

void CMuxedFile::Release()
{
    if (m_format) {
        if (m_format->pb)
            avio_closep(&m_format->pb);
        avformat_free_context(m_format);
    }
    m_format = nullptr;
    m_stream = nullptr;
}

void CMuxedFile::Discard()
{
    Release();
    m_file.Discard();
}

bool CMuxedFile::Open(const std::string& path, const char* format)
{
    if (!m_file.Open(path))
        return Fail(m_file.Refusal().empty() ? "the file cannot be created there" : m_file.Refusal().c_str());
    m_temp = m_file.ReleaseToNamedWriter();
    if (avformat_alloc_output_context2(&m_format, nullptr, format, m_temp.c_str()) < 0 || !m_format)
        return Fail("the video library cannot write this kind of movie");
    // No random stream identifiers nor library versions: the same frames give the same bytes.
    m_format->flags |= AVFMT_FLAG_BITEXACT;
    return true;
}

bool CMuxedFile::WantsGlobalHeader() const
{
    return m_format && (m_format->oformat->flags & AVFMT_GLOBALHEADER) != 0;
}

bool CMuxedFile::Start(const AVCodecContext* encoder, int fps, AVDictionary** options)
{
    m_encoder = encoder;
    m_stream = avformat_new_stream(m_format, nullptr);
    if (!m_stream || avcodec_parameters_from_context(m_stream->codecpar, encoder) < 0)
        return Fail("there is not enough memory");
    m_stream->time_base = encoder->time_base;
    m_stream->avg_frame_rate = {fps, 1};
    if (avio_open(&m_format->pb, m_temp.c_str(), AVIO_FLAG_WRITE) < 0)
        return Fail("the file cannot be created there");
    if (avformat_write_header(m_format, options) < 0)
        return Fail("the file cannot be written");
    return true;
}

bool CMuxedFile::Write(AVPacket* p)
{
    av_packet_rescale_ts(p, m_encoder->time_base, m_stream->time_base);
    p->stream_index = m_stream->index;
    return av_interleaved_write_frame(m_format, p) >= 0;
}

bool CMuxedFile::Commit()
{
    if (!m_format || av_write_trailer(m_format) < 0)
        return Fail("the file cannot be written (is the disk full?)");
    Release();
    return m_file.Commit() || Fail("the file cannot be put in its place");
}
