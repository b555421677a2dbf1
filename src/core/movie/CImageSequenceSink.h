#pragma once
#include "core/movie/IMovieSink.h"
#include <string>

// Frames as BMP files base000.bmp, base001.bmp … A file that cannot be written does not stop
// the series; the failures are told once at the end.
class CImageSequenceSink : public IMovieSink {
public:
    explicit CImageSequenceSink(std::string path) : m_path(std::move(path)) {}

    bool IsMovie() const override { return false; }
    bool AddFrame(const CFrameScaler& frame, int index) override;
    bool Finish(bool) override { return m_failed == 0; }
    std::string Failure() const override;

    int Written() const { return m_written; }

private:
    std::string m_path;
    int m_written = 0;
    int m_failed = 0;
    std::string m_firstFailed;
};
