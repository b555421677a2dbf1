#pragma once
#include "core/imaging/CImage32.h"
#include <cstdint>
#include <vector>

struct AVFrame;
struct SwsContext;

// Turns the drawing, at its own size, straight into an encoder's planes on the drawing
// thread: one pass over the pixels instead of a 24-bit copy and a second pass to convert it.
// The record holds the planes one after the other, rows top first, with no padding.
class CDrawingConverter {
public:
    // format: an AVPixelFormat; bt709: the HD matrix, limited range (the tags the encoder writes).
    CDrawingConverter(int width, int height, int format, bool bt709);
    ~CDrawingConverter();
    CDrawingConverter(const CDrawingConverter&) = delete;
    CDrawingConverter& operator=(const CDrawingConverter&) = delete;

    bool Ready() const { return m_sws != nullptr; }
    // False when the drawing is not of this size or the record cannot be held.
    bool Convert(const CImage32& drawing, std::vector<uint8_t>& record);
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    int Format() const { return m_format; }
    // Bytes of one record.
    size_t RecordSize() const;
    // A converter between two AVPixelFormats at one size, as the movies convert their frames;
    // bt709: into the HD matrix, limited range. Null when swscale cannot make it.
    static SwsContext* MakeContext(int width, int height, int from, int to, bool bt709);
    // Lends memory that stays the caller's to a frame for one conversion (nothing is freed).
    static bool Lend(AVFrame* frame, uint8_t* data, size_t bytes);

private:
    int m_width;
    int m_height;
    int m_format;
    SwsContext* m_sws = nullptr;
    AVFrame* m_source = nullptr;   // the drawing and the record, lent for one conversion
    AVFrame* m_target = nullptr;
};
