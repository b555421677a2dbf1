#pragma once
#include "core/imaging/CImage32.h"
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

class CDaubrixDoc;
class CShapeTable;

// Pictures of the drawing at some sequence positions, each with the colours the shapes had
// there, so that a move back in the history replays from the nearest one below instead of
// from the first glob. Their memory is bounded; when a new one does not fit, the least useful
// go first: those no longer at a wanted position (a section boundary), then the longest unused.
class CCheckpointCache {
public:
    static constexpr size_t kDefaultBudget = size_t{64} << 20;

    void SetBudget(size_t bytes);
    size_t Budget() const { return m_budget; }
    size_t Bytes() const { return m_bytes; }
    // The most the pictures ever held at once.
    size_t PeakBytes() const { return m_peak; }
    int Count() const { return static_cast<int>(m_entries.size()); }

    // How many globs a start from a picture must save to be worth copying it; by default
    // from the picture's size.
    void SetWorthGlobs(int globs) { m_worthGlobs = globs; }
    int WorthGlobs(const CImage32& image) const;

    bool Has(int position) const;
    // The largest kept position at or below position, or -1.
    int NearestAtOrBelow(int position) const;
    // The positions whose pictures are worth keeping: the section boundaries and the floor,
    // ascending.
    static std::vector<int> Wanted(const CDaubrixDoc& doc);
    // Keeps image as the picture of doc at position when that is a wanted position.
    void Keep(int position, const CImage32& image, CDaubrixDoc& doc);
    // Keeps image as the picture at position; wanted are the positions worth keeping most.
    void Store(int position, const CImage32& image, const CShapeTable& shapes, std::span<const int> wanted);
    // Copies the picture at position into image and gives the shapes their colours there.
    bool Restore(int position, CImage32& image, CShapeTable& shapes);
    // The sequence changed from position on; pictures that hold globs beyond it are gone.
    void DropAbove(int position);
    void Clear();

private:
    struct Entry {
        int position;
        CImage32 image;
        std::vector<uint64_t> colorings;
        uint64_t lastUse;
    };
    void Evict(std::span<const int> wanted);
    size_t EntryBytes(const Entry& e) const;

    std::vector<Entry> m_entries;   // ascending positions
    size_t m_budget = kDefaultBudget;
    size_t m_bytes = 0;
    size_t m_peak = 0;
    uint64_t m_clock = 0;
    int m_worthGlobs = -1;
};
