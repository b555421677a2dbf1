#pragma once
#include "core/base/FileResult.h"
#include "core/imaging/CImage32.h"
#include <cstdint>
#include <vector>

// How a loaded picture is sized to the drawing.
enum class BackgroundSizing { Fit, SquashStretch, Normal };

struct BackgroundLayout {
    int width = 0;   // size the picture is scaled to, before cropping to the drawing
    int height = 0;
};

// Fit keeps the proportions and fills the drawing in one direction; Squash/Stretch fills it;
// Normal keeps the picture's size. Never smaller than one pixel.
BackgroundLayout ComputeBackgroundLayout(int imageW, int imageH, int drawingW, int drawingH, BackgroundSizing sizing);

// Where a picture of this size lies along one side of the drawing: centred, or 0 when it does
// not fit.
int BackgroundOffset(int drawingSize, int imageSize);

// Scales without blending: each target pixel takes the source pixel its position falls on.
CImage32 StretchNearest(const CImage32& src, int w, int h);
// The top-left w by h pixels (or fewer when the source is smaller).
CImage32 CropTopLeft(const CImage32& src, int w, int h);

// Scales and crops a loaded picture into its painted form, at most drawingW by drawingH.
CImage32 SizeBackground(const CImage32& src, int drawingW, int drawingH, BackgroundSizing sizing);

// The background as the document file will hold it: coded as JPEG at quality 100 and decoded
// again, so what is shown is what is stored. jpeg receives the coded file; the result carries
// the codec's notes of both directions.
FileResult JpegRoundTrip(const CImage32& in, CImage32& out, std::vector<uint8_t>& jpeg);
