#include "core/colour/ColorHistoryFile.h"
#include "core/base/AtomicFile.h"
#include <fstream>

FileResult SaveColorHistory(const std::string& path, const CColorHistory& history)
{
    FileResult result;
    std::string why;
    if (!WriteFileAtomically(path, history.ToBytes(), &why))
        result.Fail(FileReason::CannotWrite, why);
    return result;
}

FileResult LoadColorHistory(const std::string& path, CColorHistory& history)
{
    FileResult result;
    // Never more than a full history can use, whatever file the user picked.
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return result.Fail(FileReason::CannotRead);
    std::string bytes(CColorHistory::kMaxFileSize, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad())
        return result.Fail(FileReason::CannotRead);
    bytes.resize(static_cast<size_t>(in.gcount()));
    if (history.FromBytes(bytes) != CColorHistory::ParseResult::Ok)
        result.Fail(FileReason::NotThisKind);
    return result;
}
