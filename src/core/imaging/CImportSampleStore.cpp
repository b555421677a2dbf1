#include "core/imaging/CImportSampleStore.h"
#include <new>

bool CImportSampleStore::NewChunk(List& list)
{
    try {
        // Left uninitialised: every slot is written before it is read.
        list.chunks.push_back(std::make_unique_for_overwrite<ImportSample[]>(kChunk));
    } catch (const std::bad_alloc&) {
        return false;
    }
    list.next = list.chunks.back().get();
    list.end = list.next + kChunk;
    return true;
}

std::vector<std::span<const ImportSample>> CImportSampleStore::Runs() const
{
    std::vector<std::span<const ImportSample>> runs;
    for (const List& list : m_lists)
        for (size_t c = 0; c < list.chunks.size(); ++c)
            runs.emplace_back(list.chunks[c].get(), c + 1 == list.chunks.size() ? list.next : list.chunks[c].get() + kChunk);
    return runs;
}
