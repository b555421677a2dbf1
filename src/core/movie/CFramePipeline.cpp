#include "core/movie/CFramePipeline.h"
#include "core/movie/CFrameScaler.h"
#include "core/movie/IMovieSink.h"

CFramePipeline::CFramePipeline(IMovieSink& sink, int width, int height)
    : m_sink(sink), m_width(width), m_height(height), m_worker([this] { Run(); })
{
}

CFramePipeline::~CFramePipeline() { Stop(); }

std::vector<uint8_t> CFramePipeline::Spare()
{
    std::lock_guard lock(m_mutex);
    if (m_spares.empty())
        return {};
    std::vector<uint8_t> v = std::move(m_spares.back());
    m_spares.pop_back();
    return v;
}

bool CFramePipeline::HasRoom(std::chrono::milliseconds wait)
{
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, wait, [this] { return m_failed || m_queue.size() < kDepth; });
}

void CFramePipeline::Push(std::vector<uint8_t> record, int index, bool converted)
{
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_failed || m_stop || m_queue.size() < kDepth; });
        if (m_failed || m_stop)
            return;
        m_queue.push_back({std::move(record), index, converted});
    }
    m_changed.notify_all();
}

bool CFramePipeline::Flush()
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_failed || (m_queue.empty() && !m_busy); });
    return !m_failed;
}

void CFramePipeline::Stop()
{
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
        m_queue.clear();
    }
    m_changed.notify_all();
    if (m_worker.joinable())
        m_worker.join();
}

bool CFramePipeline::Failed() const
{
    std::lock_guard lock(m_mutex);
    return m_failed;
}

void CFramePipeline::Run()
{
    CFrameScaler frame(m_width, m_height);
    for (;;) {
        Item item;
        {
            std::unique_lock lock(m_mutex);
            m_changed.wait(lock, [this] { return m_stop || !m_queue.empty(); });
            if (m_stop)
                return;
            item = std::move(m_queue.front());
            m_queue.pop_front();
            m_busy = true;
        }
        m_changed.notify_all();
        bool ok = false;
        if (item.converted)
            ok = m_sink.AddRecord(item.record, item.index);
        else if (frame.Take(std::move(item.record)))
            ok = m_sink.AddFrame(frame, item.index);
        {
            std::lock_guard lock(m_mutex);
            m_busy = false;
            if (!ok) {
                m_failed = true;
                m_queue.clear();
            }
            m_spares.push_back(item.converted ? std::move(item.record) : frame.Release());
        }
        m_changed.notify_all();
        if (!ok)
            return;
    }
}
