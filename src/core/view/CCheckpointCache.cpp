#include "core/view/CCheckpointCache.h"
#include "core/model/CDaubrixDoc.h"
#include "core/shapes/CShapeTable.h"
#include <algorithm>

void CCheckpointCache::SetBudget(size_t bytes)
{
    m_budget = bytes;
    while (m_bytes > m_budget)
        Evict({});
}

bool CCheckpointCache::Has(int position) const
{
    return std::any_of(m_entries.begin(), m_entries.end(), [position](const Entry& e) { return e.position == position; });
}

int CCheckpointCache::NearestAtOrBelow(int position) const
{
    int best = -1;
    for (const Entry& e : m_entries)
        if (e.position <= position)
            best = e.position;
    return best;
}

std::vector<int> CCheckpointCache::Wanted(const CDaubrixDoc& doc)
{
    std::vector<int> positions;
    const int count = doc.GetGlobCount();
    const CSectionList& sections = doc.Sections();
    if (sections.Floor() > 0 && sections.Floor() <= count)
        positions.push_back(sections.Floor());
    for (int i = 0; i < sections.Count(); ++i) {
        const int p = sections.At(i);
        if (p > 0 && p <= count)
            positions.push_back(p);
    }
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    return positions;
}

void CCheckpointCache::Keep(int position, const CImage32& image, CDaubrixDoc& doc)
{
    const std::vector<int> wanted = Wanted(doc);
    if (std::find(wanted.begin(), wanted.end(), position) != wanted.end())
        Store(position, image, doc.Shapes(), wanted);
}

size_t CCheckpointCache::EntryBytes(const Entry& e) const
{
    return e.image.ByteCount() + e.colorings.size() * sizeof(uint64_t);
}

void CCheckpointCache::Store(int position, const CImage32& image, const CShapeTable& shapes, std::span<const int> wanted)
{
    if (Has(position) || image.IsNull())
        return;
    Entry e{position, CImage32(), std::vector<uint64_t>(static_cast<size_t>(shapes.Count())), ++m_clock};
    for (int s = 0; s < shapes.Count(); ++s)
        e.colorings[static_cast<size_t>(s)] = shapes.Shape(s).Coloring();
    const size_t need = image.ByteCount() + e.colorings.size() * sizeof(uint64_t);
    if (need > m_budget)
        return;
    // Room first, so that the peak never passes the budget.
    while (m_bytes + need > m_budget && !m_entries.empty())
        Evict(wanted);
    e.image = image;
    m_bytes += need;
    m_peak = std::max(m_peak, m_bytes);
    auto at = std::lower_bound(m_entries.begin(), m_entries.end(), position,
                               [](const Entry& x, int p) { return x.position < p; });
    m_entries.insert(at, std::move(e));
}

bool CCheckpointCache::Restore(int position, CImage32& image, CShapeTable& shapes)
{
    for (Entry& e : m_entries) {
        if (e.position != position)
            continue;
        image = e.image;
        for (int s = 0; s < shapes.Count() && s < static_cast<int>(e.colorings.size()); ++s)
            shapes.Shape(s).SetColoring(e.colorings[static_cast<size_t>(s)]);
        e.lastUse = ++m_clock;
        return true;
    }
    return false;
}

void CCheckpointCache::DropAbove(int position)
{
    std::erase_if(m_entries, [&](const Entry& e) {
        if (e.position <= position)
            return false;
        m_bytes -= EntryBytes(e);
        return true;
    });
}

void CCheckpointCache::Clear()
{
    m_entries.clear();
    m_bytes = 0;
}

int CCheckpointCache::WorthGlobs(const CImage32& image) const
{
    // Copying a picture costs about as much as drawing one glob per 64 of its pixels.
    if (m_worthGlobs >= 0)
        return m_worthGlobs;
    return static_cast<int>(image.ByteCount() / sizeof(Pixel) / 64);
}

// Drops the least useful entry.
void CCheckpointCache::Evict(std::span<const int> wanted)
{
    if (m_entries.empty())
        return;
    auto score = [&](const Entry& e) {
        const bool isWanted = std::find(wanted.begin(), wanted.end(), e.position) != wanted.end();
        return std::pair(isWanted, e.lastUse);
    };
    auto victim = std::min_element(m_entries.begin(), m_entries.end(),
                                   [&](const Entry& a, const Entry& b) { return score(a) < score(b); });
    m_bytes -= EntryBytes(*victim);
    m_entries.erase(victim);
}
