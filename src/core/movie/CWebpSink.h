#pragma once
#include "core/base/AtomicFile.h"
#include "core/movie/CFrameTiming.h"
#include "core/movie/IMovieSink.h"

struct WebPAnimEncoder;

// An animated WebP that loops for ever: lossless at the top quality, lossy below it. Frame
// times are in milliseconds; a frame equal to the one before only lengthens that one.
class CWebpSink : public IMovieSink {
public:
    CWebpSink() = default;
    ~CWebpSink() override;
    CWebpSink(const CWebpSink&) = delete;
    CWebpSink& operator=(const CWebpSink&) = delete;

    // quality 0..10000, 10000 for lossless.
    bool Open(const std::string& path, int quality, int fps, int width, int height);
    bool IsMovie() const override { return true; }
    bool AddFrame(const CFrameScaler& frame, int index) override;
    bool Finish(bool keep) override;
    std::string Failure() const override { return m_failure; }

private:
    bool Fail(const char* why);

    CAtomicFileWriter m_file;
    CFrameTiming m_timing;
    WebPAnimEncoder* m_encoder = nullptr;
    int m_quality = 10000;
    int m_width = 0;
    int m_height = 0;
    bool m_finished = false;
    std::string m_failure;
};
