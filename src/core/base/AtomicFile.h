#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The one way the program writes a file: the bytes go to a temporary file in the same folder,
// are flushed to disk and then renamed over the target, so a failed write never damages the
// previous file. Returns false (and leaves the target untouched) on any failure.
bool WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes);

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

private:
    bool Flush();

    std::string m_path;
    std::string m_temp;
    int m_fd = -1;
    bool m_failed = false;
    uint64_t m_position = 0;
    std::vector<uint8_t> m_buffer;
};
