#pragma once
#include "core/base/AtomicFile.h"
#include "core/movie/AviFormat.h"
#include "core/movie/IVideoCompressor.h"
#include <memory>
#include <string>
#include <vector>

// Writes a movie of one video stream as an AVI file: headers, one sample per frame flagged key
// frame or not, the classic idx1 index for the first RIFF and the OpenDML indexes (super index,
// one standard index per RIFF) so files past 1 GiB continue in AVIX segments. The file goes
// through the atomic save path: an earlier file stays until Close(true) puts the new one in its
// place, and Close(false) leaves nothing behind. Uncompressed frames need no library.
class AviWriter {
public:
    enum class State { Empty, ParamsSet, Open, Closed };

    AviWriter() = default;
    ~AviWriter() { Close(true); }
    AviWriter(const AviWriter&) = delete;
    AviWriter& operator=(const AviWriter&) = delete;

    // Handler 0 writes the frames uncompressed. False only when the state cannot be kept.
    bool SetParams(const BitmapInfo& input, uint32_t handler, int quality, bool keyFramesOn, int keyEvery,
                   bool dataRateOn, int dataRate, int fps, const std::vector<uint8_t>& state);
    bool Open(const std::string& path);
    // Rows of one frame in the input format. A failure closes the writer without a file.
    bool AddFrame(const uint8_t* rows);
    // Finishes (keep) or abandons the file. True when a kept file is complete in its place.
    bool Close(bool keep);

    State GetState() const { return m_state; }
    uint32_t LastError() const { return m_lastError; }
    int FramesWritten() const { return m_frames; }
    uint32_t FrameSize() const { return m_input.FrameSize(); }
    // A RIFF segment ends before it would pass this size (1 GiB unless told otherwise).
    void SetSegmentLimit(uint64_t bytes) { m_segmentLimit = bytes; }

private:
    struct Sample {
        uint64_t offset;   // of the chunk's header
        uint32_t size;
        bool key;
    };
    struct IndexEntry {
        uint64_t offset;   // of the standard index chunk
        uint32_t size;
        uint32_t frames;
    };

    bool Fail(uint32_t error);
    std::vector<uint8_t> Headers() const;
    bool WriteSample(const uint8_t* data, uint32_t size, bool key);
    bool BeginSegment();
    bool EndSegment();
    uint32_t ChunkId() const;

    BitmapInfo m_input;
    uint32_t m_handler = 0;
    CompressSettings m_settings;
    State m_state = State::Empty;
    uint32_t m_lastError = 0;
    int m_frames = 0;
    int m_firstRiffFrames = 0;

    std::unique_ptr<IVideoCompressor> m_compressor;
    std::vector<uint8_t> m_format;
    int m_width = 0;
    int m_height = 0;
    uint32_t m_suggestedBuffer = 0;
    uint32_t m_largestSample = 0;

    CAtomicFileWriter m_file;
    uint64_t m_headerSize = 0;
    uint64_t m_segmentLimit = uint64_t{1} << 30;
    uint64_t m_riffStart = 0;
    uint64_t m_moviStart = 0;
    bool m_firstSegment = true;
    std::vector<Sample> m_samples;   // of the current segment
    std::vector<IndexEntry> m_superIndex;
};
