#include "core/movie/CMotionJpegCompressor.h"
#include "core/movie/VideoCompressors.h"
#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>

namespace {

struct ErrorJump {
    jpeg_error_mgr mgr;
    std::jmp_buf jump;
};

[[noreturn]] void OnError(j_common_ptr c)
{
    std::longjmp(reinterpret_cast<ErrorJump*>(c->err)->jump, 1);
}

size_t Stride(int width) { return (static_cast<size_t>(width) * 3 + 3) & ~size_t{3}; }

} // namespace

CMotionJpegCompressor::~CMotionJpegCompressor()
{
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_changed.notify_all();
    for (std::thread& t : m_threads)
        t.join();
}

bool CMotionJpegCompressor::Start(const BitmapInfo& input, const CompressSettings& s)
{
    if (s.dataRate > 0) {
        m_rateControlled = OpenFfmpegCompressor(m_info);
        return m_rateControlled && m_rateControlled->Start(input, s);
    }
    m_width = input.width;
    m_height = std::abs(input.height);
    if (m_width <= 0 || m_height <= 0 || input.bitCount != 24)
        return false;
    // Quality is a percentage in hundredths, as libjpeg's own scale counts it.
    m_quality = std::clamp(s.quality / 100, 1, 100);
    const unsigned threads = std::clamp(std::thread::hardware_concurrency(), 1u, 64u);
    for (unsigned i = 0; i < threads; ++i)
        m_threads.emplace_back([this] { Work(); });
    return true;
}

std::vector<uint8_t> CMotionJpegCompressor::OutputFormat() const
{
    if (m_rateControlled)
        return m_rateControlled->OutputFormat();
    BitmapInfo out = BitmapInfo::Rgb24(m_width, m_height);
    out.compression = m_info.handler;
    out.sizeImage = out.FrameSize();
    return out.Bytes();
}

uint32_t CMotionJpegCompressor::MaxFrameSize() const
{
    if (m_rateControlled)
        return m_rateControlled->MaxFrameSize();
    return static_cast<uint32_t>(m_width) * static_cast<uint32_t>(m_height) * 3 + 4096;
}

bool CMotionJpegCompressor::Code(Job& job) const
{
    jpeg_compress_struct c;
    ErrorJump err;
    c.err = jpeg_std_error(&err.mgr);
    err.mgr.error_exit = OnError;
    unsigned char* mem = nullptr;
    unsigned long size = 0;
    if (setjmp(err.jump)) {
        jpeg_destroy_compress(&c);
        std::free(mem);
        return false;
    }
    jpeg_create_compress(&c);
    jpeg_mem_dest(&c, &mem, &size);
    c.image_width = static_cast<JDIMENSION>(m_width);
    c.image_height = static_cast<JDIMENSION>(m_height);
    c.input_components = 3;
    c.in_color_space = JCS_EXT_BGR;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, m_quality, TRUE);
    c.dct_method = JDCT_ISLOW;   // the same bytes on every machine's SIMD
    jpeg_start_compress(&c, TRUE);
    const size_t stride = Stride(m_width);
    while (c.next_scanline < c.image_height) {
        // Bottom-up rows: scan line 0 is the last row stored.
        JSAMPROW row = job.rows.data() + stride * (static_cast<size_t>(m_height) - 1 - c.next_scanline);
        jpeg_write_scanlines(&c, &row, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    job.jpeg.assign(mem, mem + size);
    std::free(mem);
    return true;
}

void CMotionJpegCompressor::Work()
{
    for (;;) {
        std::shared_ptr<Job> job;
        {
            std::unique_lock lock(m_mutex);
            m_changed.wait(lock, [this] { return m_stop || m_next < m_jobs.size(); });
            if (m_stop)
                return;
            job = m_jobs[m_next++];
        }
        const bool ok = Code(*job);
        {
            std::lock_guard lock(m_mutex);
            job->ok = ok;
            job->done = true;
            job->rows = {};
        }
        m_changed.notify_all();
    }
}

bool CMotionJpegCompressor::Collect(std::vector<CompressedFrame>& out, size_t keepAtMost)
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [&] { return m_jobs.size() <= keepAtMost || m_jobs.front()->done; });
        if (m_jobs.empty() || !m_jobs.front()->done)
            return true;
        const std::shared_ptr<Job> job = m_jobs.front();
        m_jobs.pop_front();
        --m_next;
        if (!job->ok)
            return false;
        out.push_back({std::move(job->jpeg), true});
    }
}

bool CMotionJpegCompressor::Compress(const uint8_t* rows, std::vector<CompressedFrame>& out)
{
    if (m_rateControlled)
        return m_rateControlled->Compress(rows, out);
    if (m_threads.empty())
        return false;
    auto job = std::make_shared<Job>();
    job->rows.assign(rows, rows + Stride(m_width) * static_cast<size_t>(m_height));
    {
        std::lock_guard lock(m_mutex);
        m_jobs.push_back(std::move(job));
    }
    m_changed.notify_all();
    // One frame more than there are threads keeps every core busy and holds few frames.
    return Collect(out, m_threads.size() + 1);
}

bool CMotionJpegCompressor::Drain(std::vector<CompressedFrame>& out)
{
    if (m_rateControlled)
        return m_rateControlled->Drain(out);
    return Collect(out, 0);
}
