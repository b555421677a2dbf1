#include "core/movie/CWebpSink.h"
#include "core/movie/CFrameScaler.h"
#include <webp/encode.h>
#include <webp/mux.h>

namespace {
constexpr int kMilliseconds = 1000;
}

CWebpSink::~CWebpSink()
{
    if (!m_finished)
        Finish(false);
    WebPAnimEncoderDelete(m_encoder);
}

bool CWebpSink::Fail(const char* why)
{
    if (m_failure.empty())
        m_failure = "The movie was not written: " + std::string(why) + ".";
    m_file.Discard();
    m_finished = true;
    return false;
}

bool CWebpSink::Open(const std::string& path, int quality, int fps, int width, int height)
{
    m_quality = quality;
    m_width = width;
    m_height = height;
    m_timing = CFrameTiming(fps, kMilliseconds, 1);
    if (width > WEBP_MAX_DIMENSION || height > WEBP_MAX_DIMENSION)
        return Fail("it would be larger than a WebP picture can hold");
    WebPAnimEncoderOptions options;
    if (!WebPAnimEncoderOptionsInit(&options))
        return Fail("the chosen compressor is not available");
    options.anim_params.loop_count = 0;   // for ever
    options.anim_params.bgcolor = 0xFFFFFFFF;
    m_encoder = WebPAnimEncoderNew(width, height, &options);
    if (!m_encoder)
        return Fail("there is not enough memory");
    return m_file.Open(path) || Fail("the file cannot be created there");
}

bool CWebpSink::AddFrame(const CFrameScaler& frame, int index)
{
    if (m_finished || !m_encoder)
        return false;
    const int stride = (m_width * 3 + 3) & ~3;
    const uint8_t* rows = frame.Rows();
    if (!m_timing.IsNew(index, rows, static_cast<size_t>(stride) * static_cast<size_t>(m_height)))
        return true;
    WebPConfig config;
    if (!WebPConfigInit(&config))
        return Fail("the chosen compressor is not available");
    config.lossless = m_quality >= 10000 ? 1 : 0;
    config.quality = config.lossless ? 75.0f : static_cast<float>(m_quality) / 100.0f;
    WebPPicture picture;
    if (!WebPPictureInit(&picture))
        return Fail("the chosen compressor is not available");
    picture.use_argb = 1;
    picture.width = m_width;
    picture.height = m_height;
    // Bottom-up rows: start at the top one and step backwards.
    const uint8_t* top = rows + static_cast<size_t>(stride) * static_cast<size_t>(m_height - 1);
    bool ok = WebPPictureImportBGR(&picture, top, -stride)
        && WebPAnimEncoderAdd(m_encoder, &picture, static_cast<int>(m_timing.Start()), &config);
    WebPPictureFree(&picture);
    return ok || Fail("the compressor cannot take these frames");
}

bool CWebpSink::Finish(bool keep)
{
    if (m_finished)
        return false;
    m_finished = true;
    if (!keep || !m_encoder) {
        m_file.Discard();
        return false;
    }
    WebPData data;
    WebPDataInit(&data);
    const bool assembled = WebPAnimEncoderAdd(m_encoder, nullptr, static_cast<int>(m_timing.End()), nullptr)
        && WebPAnimEncoderAssemble(m_encoder, &data);
    const bool written = assembled && m_file.Write(data.bytes, data.size);
    WebPDataClear(&data);
    if (!assembled)
        return Fail("the compressor cannot take these frames");
    if (!written || !m_file.Commit())
        return Fail("the file cannot be written (is the disk full?)");
    return true;
}
