#pragma once
#include "core/imaging/ImportSampler.h"
#include <array>
#include <cstddef>
#include <memory>
#include <span>
#include <vector>

// The samples of one import, kept in the order they are to be placed: as they come (grid
// order) or darkest first. For the latter each of the 256 values gets its own list, so reading
// the lists in turn is the stable brightness order with no sort pass and no second copy of
// millions of samples. Lists grow by fixed chunks, so nothing is ever moved.
class CImportSampleStore {
public:
    explicit CImportSampleStore(bool byValue) : m_byValue(byValue) {}

    // False when there was no memory for it; the sample is then dropped.
    bool Add(const ImportSample& s)
    {
        List& list = m_lists[m_byValue ? s.value : 0];
        if (list.next == list.end && !NewChunk(list))
            return false;
        *list.next++ = s;
        ++m_size;
        return true;
    }
    size_t Size() const { return m_size; }
    // Everything kept, in order, as runs of consecutive samples.
    std::vector<std::span<const ImportSample>> Runs() const;

private:
    static constexpr size_t kChunk = 2048;
    struct List {
        std::vector<std::unique_ptr<ImportSample[]>> chunks;
        ImportSample* next = nullptr;   // free room in the last chunk
        ImportSample* end = nullptr;
    };
    bool NewChunk(List& list);

    bool m_byValue;
    size_t m_size = 0;
    std::array<List, 256> m_lists;
};
