#include "core/base/AtomicFile.h"
#include "fuzz/FuzzEntries.h"
#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

// The largest single allocation made while metering: a small input must not make a reader
// reserve memory for a picture or drawing it does not hold. The sanitizer builds report every
// allocation to a hook; other builds replay the inputs without metering.
extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*)(const volatile void*, size_t),
                                                         void (*)(const volatile void*)) __attribute__((weak));
namespace {
bool g_metering = false;
size_t g_largest = 0;
void OnMalloc(const volatile void*, size_t n)
{
    if (g_metering && n > g_largest)
        g_largest = n;
}
void OnFree(const volatile void*) {}
const bool g_hooked = __sanitizer_install_malloc_and_free_hooks &&
                      __sanitizer_install_malloc_and_free_hooks(OnMalloc, OnFree) != 0;
} // namespace

namespace {
// What one input may allocate at once: the fixed state of a reader and 1024 pixels for every
// byte of it, about the best compression a real picture file reaches.
size_t LargestAllowed(size_t inputSize) { return (size_t{256} << 10) + 4096 * inputSize; }

void RunMetered(const FuzzEntry& e, const uint8_t* data, size_t size)
{
    g_largest = 0;
    g_metering = true;
    e.run(data, size);
    g_metering = false;
    if (g_hooked)
        EXPECT_LE(g_largest, LargestAllowed(size)) << e.name << ", input of " << size << " bytes";
}
} // namespace

// Every reader meets its own writers' files and every input a fuzzer once found faulty; a fault
// aborts the test program (the entries check their readers' promises themselves).
TEST(FuzzRegression, EveryReaderTakesItsSeedsAndTheKeptFaultyInputs)
{
    const std::filesystem::path kept = std::filesystem::path(DAUBRIX_SOURCE_DIR) / "tests/data/fuzz";
    int inputs = 0;
    for (const FuzzEntry& e : FuzzEntries()) {
        const auto seeds = FuzzSeeds(e.name);
        EXPECT_FALSE(seeds.empty()) << e.name;
        for (const auto& s : seeds) {
            RunMetered(e, s.data(), s.size());
            // Every prefix of a valid file is a truncated file a reader must survive.
            for (size_t n = 0; n < s.size(); n += 1 + s.size() / 64)
                RunMetered(e, s.data(), n);
            ++inputs;
        }
        std::error_code ec;
        for (const auto& f : std::filesystem::directory_iterator(kept / e.name, ec)) {
            std::string bytes;
            ASSERT_TRUE(ReadWholeFile(f.path().string(), bytes));
            SCOPED_TRACE(f.path().string());
            RunMetered(e, reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
            ++inputs;
        }
    }
    EXPECT_GE(inputs, 6);
}

// The minimised corpora the fuzzers keep between runs: every input there once passed a fuzzer,
// so a reader that now trips over one has changed for the worse.
TEST(FuzzRegression, EveryReaderTakesItsCommittedCorpus)
{
    const std::filesystem::path corpus = std::filesystem::path(DAUBRIX_SOURCE_DIR) / "fuzz/corpus";
    for (const FuzzEntry& e : FuzzEntries()) {
        int inputs = 0;
        std::error_code ec;
        for (const auto& f : std::filesystem::directory_iterator(corpus / e.name, ec)) {
            std::string bytes;
            ASSERT_TRUE(ReadWholeFile(f.path().string(), bytes));
            SCOPED_TRACE(f.path().string());
            e.run(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
            ++inputs;
        }
        EXPECT_GT(inputs, 0) << "no committed corpus for " << e.name;
    }
}
