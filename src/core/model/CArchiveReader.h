#pragma once
#include "core/base/ByteIO.h"
#include <cstddef>
#include <cstdint>

// A cursor over file bytes in which every read is checked against what remains; a read past
// the end fails and leaves the cursor where it was.
class CArchiveReader {
public:
    CArchiveReader(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}

    size_t Remaining() const { return m_size - m_pos; }
    size_t Position() const { return m_pos; }
    bool AtEnd() const { return m_pos == m_size; }
    // The next byte's address, for readers that check Remaining() themselves.
    const uint8_t* Peek() const { return m_data + m_pos; }

    bool U8(uint8_t& v)
    {
        if (Remaining() < 1)
            return false;
        v = m_data[m_pos++];
        return true;
    }
    bool U16(uint16_t& v)
    {
        if (Remaining() < 2)
            return false;
        v = ReadU16(m_data + m_pos);
        m_pos += 2;
        return true;
    }
    bool U32(uint32_t& v)
    {
        if (Remaining() < 4)
            return false;
        v = ReadU32(m_data + m_pos);
        m_pos += 4;
        return true;
    }
    bool S32(int32_t& v)
    {
        uint32_t u;
        if (!U32(u))
            return false;
        v = static_cast<int32_t>(u);
        return true;
    }
    // A view of the next n bytes, consumed.
    bool Bytes(size_t n, const uint8_t*& p)
    {
        if (Remaining() < n)
            return false;
        p = m_data + m_pos;
        m_pos += n;
        return true;
    }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_pos = 0;
};
