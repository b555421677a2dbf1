#pragma once
#include "core/base/SaveTarget.h"
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The one way the program writes a file: the bytes go to a temporary file in the same folder,
// are flushed to disk and then renamed over the target, so a failed write never damages the
// previous file. Returns false (and leaves the target untouched) on any failure.
// What the user protected or linked is respected: a symbolic link is followed and its final
// target written; an existing file the user may not write is refused (reason, when asked for,
// is then "the file is write-protected"); a file with several hard links, or whose owner or
// group the temporary file cannot take, is overwritten in place after its old bytes were put
// aside, so it stays one file with its owner; a folder that takes no temporary file gets its
// writable target written directly, which is then not all-or-nothing. Mode, owner and group
// of an existing file are kept.
bool WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes, std::string* reason = nullptr);

// Reads a whole file; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& bytes);

// A file written piece by piece through the same path: the pieces go to a temporary file beside
// the target, which replaces the target only at Commit. Discarded, or destroyed uncommitted, it
// leaves the target as it was and no temporary file behind.
class CAtomicFileWriter {
public:
    CAtomicFileWriter() = default;
    ~CAtomicFileWriter() { Discard(); }
    CAtomicFileWriter(const CAtomicFileWriter&) = delete;
    CAtomicFileWriter& operator=(const CAtomicFileWriter&) = delete;

    bool Open(const std::string& path);
    bool IsOpen() const { return !m_temp.empty(); }
    // Appends; false once anything failed.
    bool Write(const void* data, size_t n);
    // Overwrites bytes already written (headers whose values are known only at the end).
    bool WriteAt(uint64_t offset, const void* data, size_t n);
    uint64_t Position() const { return m_position; }
    bool Failed() const { return m_failed; }
    // For a library that writes the file by name itself: the descriptor is closed and the
    // temporary file's name handed out; Commit still renames it into place.
    const std::string& ReleaseToNamedWriter();
    bool Commit();
    void Discard();
    // Why the last Open refused the file, worded to follow a command's failure message
    // ("the file is write-protected"); empty when it did not refuse.
    const std::string& Refusal() const { return m_refusal; }

private:
    bool Flush();

    std::string m_path;
    std::string m_temp;
    int m_fd = -1;
    bool m_failed = false;
    uint64_t m_position = 0;
    std::vector<uint8_t> m_buffer;
    SaveTarget m_target;
    SaveTarget::Way m_way = SaveTarget::Way::Rename;
    bool m_released = false;
    std::string m_refusal;
};
