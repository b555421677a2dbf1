#include "core/movie/CImageSequenceSink.h"
#include "core/imaging/PackedDib.h"
#include "core/movie/CFrameScaler.h"
#include "core/movie/MovieSchedule.h"

bool CImageSequenceSink::AddFrame(const CFrameScaler& frame, int index)
{
    const std::string name = SequenceFileName(m_path, index);
    std::string why;
    if (WriteBmpFile(name, frame.Dib(), &why)) {
        ++m_written;
    } else if (m_failed++ == 0) {
        m_firstFailed = why.empty() ? name : name + " (" + why + ")";
    }
    return true;
}

std::string CImageSequenceSink::Failure() const
{
    if (m_failed == 0)
        return {};
    const int total = m_written + m_failed;
    return std::to_string(m_failed) + " of the " + std::to_string(total) + " pictures could not be written, the first "
        + m_firstFailed + ".";
}
