#pragma once
#include <cstdint>
#include <span>
#include <string>

// The one way the program writes a file: the bytes go to a temporary file in the same folder,
// are flushed to disk and then renamed over the target, so a failed write never damages the
// previous file. Returns false (and leaves the target untouched) on any failure.
bool WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes);

// Reads a whole file; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& bytes);
