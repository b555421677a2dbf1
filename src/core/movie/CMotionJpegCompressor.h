#pragma once
#include "core/movie/IVideoCompressor.h"
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

// Motion JPEG through libjpeg-turbo's SIMD coder, whole frames on every core at once: each
// frame is coded alone, so the bytes never depend on which thread coded it. Frames leave in
// the order they came. A data rate asks for rate control, which only the video library's coder
// has; that one is used then.
class CMotionJpegCompressor : public IVideoCompressor {
public:
    explicit CMotionJpegCompressor(const CompressorInfo& info) : m_info(info) {}
    ~CMotionJpegCompressor() override;

    bool Start(const BitmapInfo& input, const CompressSettings& settings) override;
    std::vector<uint8_t> OutputFormat() const override;
    uint32_t MaxFrameSize() const override;
    bool Compress(const uint8_t* rows, std::vector<CompressedFrame>& out) override;
    bool Drain(std::vector<CompressedFrame>& out) override;

private:
    struct Job {
        std::vector<uint8_t> rows;
        std::vector<uint8_t> jpeg;
        bool done = false;
        bool ok = false;
    };
    void Work();
    bool Code(Job& job) const;
    // Hands out the finished frames at the front; with wait, the oldest first.
    bool Collect(std::vector<CompressedFrame>& out, size_t keepAtMost);

    CompressorInfo m_info;
    std::unique_ptr<IVideoCompressor> m_rateControlled;
    int m_width = 0;
    int m_height = 0;
    int m_quality = 85;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<std::shared_ptr<Job>> m_jobs;   // in frame order
    size_t m_next = 0;                          // first job no thread has taken
    bool m_stop = false;
    std::vector<std::thread> m_threads;
};
