#include "core/movie/CAviSink.h"
#include "core/movie/CFrameScaler.h"

CAviSink::Start CAviSink::Open(const std::string& path, const AviOptions& o, int fps, int width, int height)
{
    if (!m_writer.SetParams(BitmapInfo::Rgb24(width, height), o.handler, o.quality, o.keyFramesOn != 0,
                            o.keyFrameEvery, o.dataRateOn != 0, o.dataRate, fps, o.state))
        return Start::ParamsFailed;
    return m_writer.Open(path) ? Start::Ok : Start::OpenFailed;
}

bool CAviSink::AddFrame(const CFrameScaler& frame, int)
{
    return m_writer.AddFrame(frame.Rows());
}

bool CAviSink::Finish(bool keep)
{
    if (m_finished)
        return false;
    m_finished = true;
    m_abandoned = !keep;
    return m_writer.Close(keep);
}

std::string CAviSink::Failure() const
{
    if (m_abandoned || m_writer.LastError() == 0)
        return {};
    return AviFailureText(m_writer.LastError());
}

std::string AviFailureText(uint32_t error)
{
    std::string why;
    switch (error) {
    case kAviErrFileOpen: why = "the file cannot be created there"; break;
    case kAviErrReadOnly: why = kWriteProtectedReason; break;
    case kAviErrFileWrite: why = "the file cannot be written (is the disk full?)"; break;
    case kAviErrNoCompressor: why = "the chosen compressor is not available"; break;
    case kAviErrCompressor: why = "the compressor cannot take these frames"; break;
    case kAviErrMemory: why = "there is not enough memory"; break;
    case kAviErrBadSize: why = "it would be larger than an AVI file can hold"; break;
    default: why = "error " + std::to_string(error); break;
    }
    return "The movie was not written: " + why + ".";
}
