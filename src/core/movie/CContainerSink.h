#pragma once
#include "core/movie/CAviOptionsModel.h"
#include "core/movie/CDrawingConverter.h"
#include "core/movie/CFfmpegEncoder.h"
#include "core/movie/CMuxedFile.h"
#include "core/movie/IMovieSink.h"
#include "core/movie/VideoCompressors.h"

// Frames into an MP4 (H.264, index first so players start at once) or WebM (VP9) movie.
class CContainerSink : public IMovieSink {
public:
    CContainerSink() = default;
    ~CContainerSink() override;

    // False with Failure() telling why; nothing is left on disk then.
    bool Open(const std::string& path, MovieContainer container, const AviOptions& options, int fps, int width,
              int height);
    bool IsMovie() const override { return true; }
    bool AddFrame(const CFrameScaler& frame, int index) override;
    CDrawingConverter* Converter(const CImage32& drawing) override;
    bool AddRecord(const std::vector<uint8_t>& record, int index) override;
    bool Finish(bool keep) override;
    std::string Failure() const override { return m_failure; }

private:
    bool Fail(const std::string& why);

    CMuxedFile m_file;
    CFfmpegEncoder m_encoder;
    std::unique_ptr<CDrawingConverter> m_converter;
    bool m_started = false;
    bool m_finished = false;
    std::string m_failure;
};

// The compress settings the options hold, at this rate.
CompressSettings SettingsFor(const AviOptions& options, int fps);
