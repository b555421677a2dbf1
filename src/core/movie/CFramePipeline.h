#pragma once
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

class IMovieSink;

// Frames drawn on the caller's thread reach the sink on one worker thread through a bounded
// queue, so the next frame is drawn while earlier ones are converted and encoded. At most
// kDepth frames wait, one more is with the sink, and kDepth + 2 buffers are ever allocated.
class CFramePipeline {
public:
    static constexpr size_t kDepth = 3;

    CFramePipeline(IMovieSink& sink, int width, int height);
    ~CFramePipeline();
    CFramePipeline(const CFramePipeline&) = delete;
    CFramePipeline& operator=(const CFramePipeline&) = delete;

    // A frame record to fill (a recycled one when there is one).
    std::vector<uint8_t> Spare();
    // True when a frame can be queued now; waits at most `wait` for room, so the caller can
    // still look for ESC and show progress while the sink is slower than the drawing.
    bool HasRoom(std::chrono::milliseconds wait);
    // converted: a record the sink's converter made, for its AddRecord; else a scaled frame.
    void Push(std::vector<uint8_t> record, int index, bool converted = false);
    // Waits until every queued frame is with the sink, or the sink gave up.
    bool Flush();
    // Drops what waits and ends the worker; the sink is no longer called after this returns.
    void Stop();
    bool Failed() const;

private:
    struct Item {
        std::vector<uint8_t> record;
        int index = 0;
        bool converted = false;
    };
    void Run();

    IMovieSink& m_sink;
    int m_width;
    int m_height;
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<Item> m_queue;
    std::vector<std::vector<uint8_t>> m_spares;
    bool m_busy = false;
    bool m_stop = false;
    bool m_failed = false;
    std::thread m_worker;
};
