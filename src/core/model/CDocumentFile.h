#pragma once
#include "core/imaging/CImage32.h"
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

class CDaubrixDoc;
class IHost;

// The background picture as the view holds it: already sized, with its top-left corner in the
// drawing.
struct DocumentBackground {
    CImage32 image;
    int x = 0;
    int y = 0;
};

// The ".dbx" drawing file: header, the glob and colour-change object arrays in the archive's
// object-stream encoding, then the optional background picture as an embedded JPEG file.
class CDocumentFile {
public:
    // Largest drawing side and area accepted from a file, so a hostile header cannot make the
    // view allocate gigabytes for its images.
    static constexpr int32_t kMaxSide = 32767;
    static constexpr int64_t kMaxArea = int64_t{1} << 26;

    // The file bytes. view is the document's view background, or null when the document has
    // no view (the background block is then left out). The block stores the document's kept
    // JPEG bytes, or the view's picture coded at quality 100 when there are none; a background
    // that cannot be had is stored as absent: the flag is written 0 and cleared in the document.
    static std::vector<uint8_t> Write(CDaubrixDoc& doc, const DocumentBackground* view, IHost* host);

    // Reads the bytes into doc. Every count and length is checked against the bytes that
    // remain before anything is allocated. On failure nothing in doc or view changes and the
    // caller reports "Unexpected file format.". A stored background that cannot be decoded
    // (the codec's message is shown) or that lowColor refuses leaves the drawing without one;
    // a decoded one keeps its JPEG bytes in the document for the next save.
    static bool Read(std::span<const uint8_t> bytes, CDaubrixDoc& doc, DocumentBackground* view, bool lowColor,
                     IHost* host);
};
