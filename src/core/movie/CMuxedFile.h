#pragma once
#include "core/base/AtomicFile.h"
#include <string>

struct AVCodecContext;
struct AVDictionary;
struct AVFormatContext;
struct AVPacket;
struct AVStream;

// One video stream muxed by the video library into the atomic save path's temporary file:
// the old file stays until Commit puts the finished movie in its place.
class CMuxedFile {
public:
    CMuxedFile() = default;
    ~CMuxedFile() { Discard(); }
    CMuxedFile(const CMuxedFile&) = delete;
    CMuxedFile& operator=(const CMuxedFile&) = delete;

    // format: the library's muxer name ("mp4", "webm", "gif").
    bool Open(const std::string& path, const char* format);
    // Encoders must put their set-up in the context's extradata when this is true.
    bool WantsGlobalHeader() const;
    AVFormatContext* Format() const { return m_format; }
    // The stream as the opened encoder describes it, then the header; options are the muxer's.
    bool Start(const AVCodecContext* encoder, int fps, AVDictionary** options);
    bool Write(AVPacket* packet);
    bool Commit();
    void Discard();
    // Why the last call failed, in the user's words.
    const std::string& Why() const { return m_why; }

private:
    bool Fail(const char* why);
    void Release();

    CAtomicFileWriter m_file;
    std::string m_temp;
    AVFormatContext* m_format = nullptr;
    AVStream* m_stream = nullptr;
    const AVCodecContext* m_encoder = nullptr;
    std::string m_why;
};
