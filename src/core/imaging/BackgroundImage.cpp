#include "core/imaging/BackgroundImage.h"
#include "core/imaging/JpegFile.h"
#include <algorithm>
#include <vector>

BackgroundLayout ComputeBackgroundLayout(int imageW, int imageH, int drawingW, int drawingH, BackgroundSizing sizing)
{
    BackgroundLayout l;
    switch (sizing) {
    case BackgroundSizing::Fit: {
        const double r = static_cast<double>(imageH) / imageW;
        l.height = static_cast<int>(r * drawingW);
        if (l.height > drawingH) {
            l.height = drawingH;
            l.width = static_cast<int>(drawingH / r);
        } else {
            l.width = drawingW;
        }
        break;
    }
    case BackgroundSizing::SquashStretch:
        l.width = drawingW;
        l.height = drawingH;
        break;
    case BackgroundSizing::Normal:
        l.width = imageW;
        l.height = imageH;
        break;
    }
    // A very thin picture fitted to the drawing would shrink to nothing.
    l.width = std::max(l.width, 1);
    l.height = std::max(l.height, 1);
    return l;
}

int BackgroundOffset(int drawingSize, int imageSize)
{
    const int d = (drawingSize - imageSize) / 2;
    return d > 0 ? d : 0;
}

CImage32 StretchNearest(const CImage32& src, int w, int h)
{
    if (src.IsNull() || w <= 0 || h <= 0)
        return {};
    CImage32 out(w, h);
    std::vector<int> columns(static_cast<size_t>(w));
    for (int x = 0; x < w; ++x)
        columns[static_cast<size_t>(x)] = static_cast<int>(static_cast<long long>(x) * src.Width() / w);
    for (int y = 0; y < h; ++y) {
        const Pixel* s = src.Row(static_cast<int>(static_cast<long long>(y) * src.Height() / h));
        Pixel* d = out.Row(y);
        for (int x = 0; x < w; ++x)
            d[x] = s[columns[static_cast<size_t>(x)]];
    }
    return out;
}

CImage32 CropTopLeft(const CImage32& src, int w, int h)
{
    w = std::min(w, src.Width());
    h = std::min(h, src.Height());
    if (w <= 0 || h <= 0)
        return {};
    if (w == src.Width() && h == src.Height())
        return src;
    CImage32 out(w, h);
    out.Blit(src, 0, 0);
    return out;
}

CImage32 SizeBackground(const CImage32& src, int drawingW, int drawingH, BackgroundSizing sizing)
{
    if (src.IsNull() || drawingW <= 0 || drawingH <= 0)
        return {};
    const BackgroundLayout l = ComputeBackgroundLayout(src.Width(), src.Height(), drawingW, drawingH, sizing);
    if (sizing == BackgroundSizing::Normal)
        return CropTopLeft(src, drawingW, drawingH);
    // Fit and Squash/Stretch never exceed the drawing, so there is nothing to crop.
    return CropTopLeft(StretchNearest(src, l.width, l.height), drawingW, drawingH);
}

FileResult JpegRoundTrip(const CImage32& in, CImage32& out, std::vector<uint8_t>& jpeg)
{
    std::vector<uint8_t> bytes;
    FileResult result = WriteJpegBytes(bytes, 100, in);
    if (!result)
        return result;
    JpegPixels pixels;
    const FileResult read = ReadJpegBytes(bytes.data(), bytes.size(), pixels);
    result.Take(read);
    if (!read)
        return result.Fail();
    CImage32 img = JpegPixelsToImage(pixels);
    if (img.IsNull())
        return result.Fail();
    out = std::move(img);
    jpeg = std::move(bytes);
    return result;
}
