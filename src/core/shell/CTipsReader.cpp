#include "core/shell/CTipsReader.h"

namespace {
bool Skipped(char first)
{
    return first == '\t' || first == ' ' || first == '\n' || first == '\r' || first == ';';
}
} // namespace

bool CTipsReader::Seek(int64_t offset)
{
    if (offset < 0 || m_buf.pubseekpos(std::streampos(offset), std::ios::in) == std::streampos(-1))
        return false;
    m_offset = offset;
    return true;
}

bool CTipsReader::ReadPiece(std::string& piece)
{
    piece.clear();
    constexpr int kEnd = std::char_traits<char>::eof();
    while (static_cast<int>(piece.size()) < kPieceLength) {
        const int c = m_buf.sbumpc();
        if (c == kEnd)
            break;
        ++m_offset;
        // A line end written as CR LF reads as one, as a text file does.
        if (c == '\r' && m_buf.sgetc() == '\n') {
            m_buf.sbumpc();
            ++m_offset;
            piece += '\n';
            break;
        }
        piece += static_cast<char>(c);
        if (c == '\n')
            break;
    }
    return !piece.empty();
}

CTipsReader::Result CTipsReader::Next(std::string& tip)
{
    bool wrapped = false;
    std::string piece;
    for (;;) {
        if (!ReadPiece(piece)) {
            if (wrapped)
                return Result::NoTips;
            wrapped = true;
            if (!Seek(0))
                return Result::SeekFailed;
            continue;
        }
        if (!Skipped(piece[0])) {
            tip = piece;
            return Result::Tip;
        }
    }
}
