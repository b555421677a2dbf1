#include "core/view/DrawingInfo.h"
#include "core/view/CDaubrixView.h"
#include <cstdio>

namespace {
template <typename... Args>
std::string Format(const char* format, Args... args)
{
    char text[96];
    std::snprintf(text, sizeof text, format, args...);
    return text;
}
} // namespace

DrawingInfo DescribeDrawing(const CDaubrixDoc& doc, int shown, bool clearPending)
{
    DrawingInfo info;
    const int n = doc.GetGlobCount();
    const int colors = doc.GetColorChangeCount();
    if (clearPending) {
        info.globs = "0 globs";
        info.colors = "0 colors";
    } else if (shown == n) {
        info.globs = Format("%d globs", n);
        info.colors = Format("%d colors", colors);
    } else {
        info.globs = Format("%d globs  (%d hidden)", n, n - shown);
        info.colors = Format("%d colors  (some hidden)", colors);
    }
    info.imageSize = Format("Image size is %d x %d", doc.Width(), doc.Height());
    const ColorRef bg = doc.BackgroundColor();
    info.background = Format("bg color  R:%d  G:%d  B:%d", RedOf(bg), GreenOf(bg), BlueOf(bg));
    return info;
}

DrawingInfo DescribeDrawing(const CDaubrixView& view)
{
    return DescribeDrawing(view.Doc(), view.ShownCount(), view.ClearPending());
}
