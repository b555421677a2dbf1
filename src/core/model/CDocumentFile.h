#pragma once
#include "core/base/FileResult.h"
#include "core/imaging/CImage32.h"
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

class CDaubrixDoc;

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

    // The file bytes into out. view is the document's view background, or null when the
    // document has no view (the background block is then left out). The block stores the
    // document's kept JPEG bytes, or the view's picture coded at quality 100 when there are
    // none; a background that cannot be had is stored as absent: the flag is written 0, cleared
    // in the document, and the result notes BackgroundNotSaved after any codec notes.
    // cleared: a Clear is pending, so the globs, colour changes and sections, all hidden until
    // the next stroke deletes them, are left out.
    static FileResult Write(CDaubrixDoc& doc, const DocumentBackground* view, std::vector<uint8_t>& out,
                            bool cleared = false);

    // Reads the bytes into doc. Every count and length is checked against the bytes that
    // remain before anything is allocated. On failure (NotThisKind) nothing in doc or view
    // changes. A stored background that cannot be decoded (the codec's notes come back), that
    // is empty or that lowColor refuses leaves the drawing without one; a decoded one keeps its
    // JPEG bytes in the document for the next save.
    static FileResult Read(std::span<const uint8_t> bytes, CDaubrixDoc& doc, DocumentBackground* view,
                           bool lowColor);
};
