#pragma once
#include <string>

class CDaubrixDoc;
class CDaubrixView;

// The four facts the Drawing Information dialog shows, and the command line prints, worded in
// one place.
struct DrawingInfo {
    std::string globs;        // "120 globs", "120 globs  (20 hidden)", or "0 globs" after a Clear
    std::string colors;       // "7 colors", "7 colors  (some hidden)", or "0 colors" after a Clear
    std::string imageSize;    // "Image size is 400 x 300"
    std::string background;   // "bg color  R:255  G:0  B:0"
};

// shown: the history position; clearPending: the drawing was cleared and nothing drawn since.
DrawingInfo DescribeDrawing(const CDaubrixDoc& doc, int shown, bool clearPending);
DrawingInfo DescribeDrawing(const CDaubrixView& view);
