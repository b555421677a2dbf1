#pragma once
#include <cstdint>
#include <istream>
#include <string>

// Reads tips from a text stream: one tip per line. Lines that begin with a tab, a space, a line
// end or ';' are skipped; a line is read in pieces of at most 999 characters, so a longer one
// gives several tips; after the last tip reading starts again at the top.
class CTipsReader {
public:
    static constexpr int kPieceLength = 999;
    enum class Result { Tip, SeekFailed, NoTips };

    explicit CTipsReader(std::istream& in) : m_buf(*in.rdbuf()) {}

    // Byte offset of the next read; false when the stream cannot go there.
    bool Seek(int64_t offset);
    int64_t Offset() const { return m_offset; }
    // The next tip, with its line end. A stream without a single tip gives NoTips once it has
    // been read through, instead of going round for ever.
    Result Next(std::string& tip);

private:
    bool ReadPiece(std::string& piece);

    std::streambuf& m_buf;
    int64_t m_offset = 0;
};
