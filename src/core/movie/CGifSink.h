#pragma once
#include "core/movie/CMuxedFile.h"
#include "core/movie/CFrameTiming.h"
#include "core/movie/CPaletteDither.h"
#include "core/movie/IMovieSink.h"
#include <cstdint>
#include <memory>
#include <vector>

struct AVCodecContext;
struct AVFilterContext;
struct AVFilterGraph;
struct AVFrame;

// An animated GIF that loops for ever. The frames come twice: the first time every frame's
// colours are counted for one palette of 256 for the whole movie, the second time each frame
// is dithered onto it (anew only where it changed) and coded. A frame equal to the one before
// only lengthens that one.
class CGifSink : public IMovieSink {
public:
    CGifSink() = default;
    ~CGifSink() override;
    CGifSink(const CGifSink&) = delete;
    CGifSink& operator=(const CGifSink&) = delete;

    bool Open(const std::string& path, int fps, int width, int height);
    bool IsMovie() const override { return true; }
    int Passes() const override { return 2; }
    bool BeginPass(int pass) override;
    bool AddFrame(const CFrameScaler& frame, int index) override;
    bool Finish(bool keep) override;
    std::string Failure() const override { return m_failure; }

private:
    bool Fail(const char* why);
    bool BuildCountingGraph();
    bool Dithered(const uint8_t* rows, size_t stride);
    bool Encode(AVFrame* frame);
    void FreeGraph();

    CMuxedFile m_file;
    CFrameTiming m_timing;
    int m_width = 0;
    int m_height = 0;
    int m_pass = 0;
    AVCodecContext* m_encoder = nullptr;
    AVFilterGraph* m_graph = nullptr;
    AVFilterContext* m_source = nullptr;
    AVFilterContext* m_out = nullptr;
    AVFrame* m_frame = nullptr;     // a frame for the counting graph
    AVFrame* m_indexed = nullptr;   // a frame dithered onto the palette, for the encoder
    std::unique_ptr<CPaletteDither> m_dither;
    std::vector<uint32_t> m_pixels;
    bool m_started = false;
    bool m_finished = false;
    std::string m_failure;
};
