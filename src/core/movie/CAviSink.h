#pragma once
#include "core/movie/AviWriter.h"
#include "core/movie/CAviOptionsModel.h"
#include "core/movie/IMovieSink.h"

// Frames into an AVI movie through the writer.
class CAviSink : public IMovieSink {
public:
    enum class Start { Ok, ParamsFailed, OpenFailed };

    Start Open(const std::string& path, const AviOptions& options, int fps, int width, int height);
    bool IsMovie() const override { return true; }
    bool AddFrame(const CFrameScaler& frame, int index) override;
    bool Finish(bool keep) override;
    std::string Failure() const override;
    AviWriter& Writer() { return m_writer; }

private:
    AviWriter m_writer;
    bool m_finished = false;
    bool m_abandoned = false;
};

// The user's words for a writer's last error.
std::string AviFailureText(uint32_t error);
