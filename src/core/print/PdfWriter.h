#pragma once
#include "core/imaging/CImage32.h"
#include <cstdint>
#include <vector>

// A place on a PDF page in points (1/72 inch), measured from the page's top-left corner.
struct CPdfBox {
    double x = 0, y = 0, width = 0, height = 0;
};

// A one-page PDF file of the given page size holding the whole image, stretched onto box
// without smoothing. Built in memory, for the atomic save path.
std::vector<uint8_t> BuildImagePagePdf(const CImage32& image, double pageWidth, double pageHeight, const CPdfBox& box);

// PDF's RunLengthDecode encoding of bytes, with its end marker.
std::vector<uint8_t> RunLengthEncode(const std::vector<uint8_t>& bytes);
