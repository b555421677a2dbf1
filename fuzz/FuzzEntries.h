#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// One entry per reader of outside data. The fuzzers call them with arbitrary bytes, and the
// ordinary suite replays the inputs they once tripped over; each also checks what the reader
// promises (sizes within limits, a refused input changes nothing).
struct FuzzEntry {
    const char* name;
    void (*run)(const uint8_t* data, size_t size);
};

const std::vector<FuzzEntry>& FuzzEntries();
void RunFuzzEntry(const std::string& name, const uint8_t* data, size_t size);

// Inputs made by our own writers, to start each fuzzer from valid files.
std::vector<std::vector<uint8_t>> FuzzSeeds(const std::string& name);
