#pragma once
#include "core/base/ByteIO.h"
#include "core/movie/AviFormat.h"
#include <cstdio>
#include <map>
#include <string>
#include <vector>

// Reads an AVI file chunk by chunk, as a strict player would, and checks that every size,
// pad byte, list and index agrees with what is really there. Errors name the first thing
// wrong; the frames are collected through the OpenDML indexes.
class RiffWalker {
public:
    struct Frame {
        uint64_t dataOffset;
        uint32_t size;
        bool key;
    };
    struct Chunk {
        uint32_t id;
        uint64_t offset;   // of the header
        uint32_t size;
    };

    std::vector<std::string> errors;
    std::map<uint32_t, std::vector<uint8_t>> headerChunks;   // avih, strh, strf, indx, dmlh
    std::vector<std::vector<Chunk>> moviChunks;              // per RIFF, data and index chunks
    std::vector<uint64_t> moviOffsets;                       // of each movi list's header
    std::vector<uint8_t> idx1;
    std::vector<Frame> frames;                               // through the OpenDML indexes
    int riffCount = 0;

    explicit RiffWalker(const std::string& path)
    {
        m_file = std::fopen(path.c_str(), "rb");
        if (!m_file) {
            errors.push_back("cannot open " + path);
            return;
        }
        std::fseek(m_file, 0, SEEK_END);
        m_size = static_cast<uint64_t>(ftello(m_file));
        WalkTop();
        if (errors.empty())
            CheckIndexes();
        std::fclose(m_file);
    }

    bool Ok() const { return errors.empty(); }
    std::string Errors() const
    {
        std::string all;
        for (const auto& e : errors)
            all += e + "\n";
        return all;
    }
    uint32_t Field(uint32_t chunk, size_t at) const
    {
        auto it = headerChunks.find(chunk);
        return it != headerChunks.end() && it->second.size() >= at + 4 ? ReadU32(it->second.data() + at) : 0xDEADBEEF;
    }
    uint16_t Field16(uint32_t chunk, size_t at) const
    {
        auto it = headerChunks.find(chunk);
        return it != headerChunks.end() && it->second.size() >= at + 2 ? ReadU16(it->second.data() + at) : 0xBEEF;
    }
    // The data of one frame, read back from the file.
    std::vector<uint8_t> ReadFrame(const std::string& path, const Frame& f) const
    {
        std::vector<uint8_t> out(f.size);
        if (std::FILE* in = std::fopen(path.c_str(), "rb")) {
            fseeko(in, static_cast<off_t>(f.dataOffset), SEEK_SET);
            if (std::fread(out.data(), 1, out.size(), in) != out.size())
                out.clear();
            std::fclose(in);
        }
        return out;
    }

private:
    static std::string Name(uint32_t id) { return std::string(reinterpret_cast<const char*>(&id), 4); }

    bool Read(uint64_t at, void* out, size_t n)
    {
        return fseeko(m_file, static_cast<off_t>(at), SEEK_SET) == 0 && std::fread(out, 1, n, m_file) == n;
    }
    std::vector<uint8_t> ReadBytes(uint64_t at, size_t n)
    {
        std::vector<uint8_t> b(n);
        if (!Read(at, b.data(), n))
            b.clear();
        return b;
    }
    bool Header(uint64_t at, uint32_t& id, uint32_t& size)
    {
        uint8_t h[8];
        if (!Read(at, h, 8))
            return false;
        id = ReadU32(h);
        size = ReadU32(h + 4);
        return true;
    }

    void WalkTop()
    {
        uint64_t at = 0;
        while (at < m_size && errors.empty()) {
            uint32_t id, size, form = 0;
            if (!Header(at, id, size) || id != FourCC("RIFF") || !Read(at + 8, &form, 4)) {
                errors.push_back("no RIFF header at " + std::to_string(at));
                return;
            }
            const uint32_t want = riffCount == 0 ? FourCC("AVI ") : FourCC("AVIX");
            if (form != want)
                errors.push_back("RIFF " + std::to_string(riffCount) + " is " + Name(form));
            const uint64_t end = at + 8 + size;
            if (end > m_size || (size & 1)) {
                errors.push_back("RIFF size " + std::to_string(size) + " runs past the file");
                return;
            }
            moviChunks.emplace_back();
            WalkList(at + 12, end, 0);
            ++riffCount;
            at = end;
        }
        if (riffCount == 0)
            errors.push_back("empty file");
    }

    void WalkList(uint64_t at, uint64_t end, int depth)
    {
        while (at < end && errors.empty()) {
            uint32_t id, size;
            if (at + 8 > end || !Header(at, id, size)) {
                errors.push_back("truncated chunk header at " + std::to_string(at));
                return;
            }
            const uint64_t next = at + 8 + size + (size & 1);
            if (next > end) {
                errors.push_back(Name(id) + " at " + std::to_string(at) + " runs past its list");
                return;
            }
            if ((size & 1) && ReadBytes(at + 8 + size, 1) != std::vector<uint8_t>{0})
                errors.push_back("pad byte of " + Name(id) + " is not zero");
            if (id == FourCC("LIST")) {
                uint32_t type = 0;
                Read(at + 8, &type, 4);
                if (type == FourCC("movi"))
                    moviOffsets.push_back(at);
                m_inMovi = type == FourCC("movi");
                WalkList(at + 12, at + 8 + size, depth + 1);
                m_inMovi = false;
            } else if (m_inMovi) {
                moviChunks.back().push_back({id, at, size});
            } else if (id == FourCC("idx1")) {
                idx1 = ReadBytes(at + 8, size);
            } else if (id != FourCC("JUNK")) {
                headerChunks[id] = ReadBytes(at + 8, size);
            }
            at = next;
        }
        if (at != end && errors.empty())
            errors.push_back("list contents end at " + std::to_string(at) + ", list at " + std::to_string(end));
    }

    static bool IsData(uint32_t id) { return id == FourCC("00db") || id == FourCC("00dc"); }

    void CheckIndexes()
    {
        if (moviOffsets.size() != static_cast<size_t>(riffCount))
            return errors.push_back("movi lists: " + std::to_string(moviOffsets.size()));
        // idx1: the first RIFF's samples, offsets from the movi list's type code.
        std::vector<Chunk> first;
        for (const Chunk& c : moviChunks[0])
            if (IsData(c.id))
                first.push_back(c);
        if (idx1.size() != first.size() * 16)
            return errors.push_back("idx1 holds " + std::to_string(idx1.size() / 16) + " entries for "
                                    + std::to_string(first.size()) + " samples");
        for (size_t i = 0; i < first.size(); ++i) {
            const uint8_t* e = idx1.data() + 16 * i;
            if (ReadU32(e) != first[i].id || moviOffsets[0] + 8 + ReadU32(e + 8) != first[i].offset
                || ReadU32(e + 12) != first[i].size)
                return errors.push_back("idx1 entry " + std::to_string(i) + " does not match its sample");
        }
        // The super index: one standard index per RIFF, each listing that RIFF's samples.
        const std::vector<uint8_t>& indx = headerChunks[FourCC("indx")];
        if (indx.size() < 24 || ReadU16(indx.data()) != 4 || indx[3] != 0)
            return errors.push_back("no super index");
        const uint32_t used = ReadU32(indx.data() + 4);
        if (used != static_cast<uint32_t>(riffCount) || indx.size() < 24 + 16 * used)
            return errors.push_back("super index lists " + std::to_string(used) + " of " + std::to_string(riffCount));
        for (uint32_t r = 0; r < used; ++r) {
            const uint8_t* e = indx.data() + 24 + 16 * r;
            const uint64_t off = ReadU32(e) | (uint64_t{ReadU32(e + 4)} << 32);
            CheckStandardIndex(r, off, ReadU32(e + 8), ReadU32(e + 12));
        }
        uint32_t total = 0;
        for (const auto& riff : moviChunks)
            for (const Chunk& c : riff)
                total += IsData(c.id);
        if (frames.size() != total)
            errors.push_back("indexes reach " + std::to_string(frames.size()) + " of " + std::to_string(total));
        if (Field(FourCC("strh"), 32) != total)
            errors.push_back("stream length " + std::to_string(Field(FourCC("strh"), 32)));
        if (Field(FourCC("dmlh"), 0) != total)
            errors.push_back("dmlh frames " + std::to_string(Field(FourCC("dmlh"), 0)));
        if (Field(FourCC("avih"), 16) != first.size())
            errors.push_back("avih frames " + std::to_string(Field(FourCC("avih"), 16)));
    }

    void CheckStandardIndex(uint32_t riff, uint64_t offset, uint32_t size, uint32_t duration)
    {
        const std::vector<Chunk>& chunks = moviChunks[riff];
        const Chunk* ix = nullptr;
        std::vector<Chunk> data;
        for (const Chunk& c : chunks) {
            if (c.offset == offset)
                ix = &c;
            if (IsData(c.id))
                data.push_back(c);
        }
        const std::string where = "standard index " + std::to_string(riff);
        if (!ix || ix->id != FourCC("ix00") || size != ix->size + 8)
            return errors.push_back(where + " is not where the super index says");
        const std::vector<uint8_t> b = ReadBytes(ix->offset + 8, ix->size);
        const uint32_t n = ReadU32(b.data() + 4);
        if (b.size() < 24 || ReadU16(b.data()) != 2 || b[3] != 1 || n != data.size() || duration != n
            || b.size() != 24 + 8 * n)
            return errors.push_back(where + " header wrong");
        const uint64_t base = ReadU32(b.data() + 12) | (uint64_t{ReadU32(b.data() + 16)} << 32);
        for (uint32_t i = 0; i < n; ++i) {
            const uint64_t dataAt = base + ReadU32(b.data() + 24 + 8 * i);
            const uint32_t sz = ReadU32(b.data() + 28 + 8 * i);
            if (dataAt != data[i].offset + 8 || (sz & 0x7FFFFFFF) != data[i].size)
                return errors.push_back(where + " entry " + std::to_string(i) + " misses its sample");
            const bool key = (sz & 0x80000000u) == 0;
            if (riff == 0 && key != ((ReadU32(idx1.data() + 16 * i + 4) & kAviIndexKeyFrame) != 0))
                return errors.push_back("key flags of idx1 and ix00 differ at " + std::to_string(i));
            frames.push_back({dataAt, sz & 0x7FFFFFFF, key});
        }
    }

    std::FILE* m_file = nullptr;
    uint64_t m_size = 0;
    bool m_inMovi = false;
};
