#include "core/imaging/ImportSampler.h"
#include "core/shapes/ColorConversion.h"
#include <algorithm>
#include <array>
#include <new>

int ImportGridStep(char sizeDigit, int globCount)
{
    const int base = sizeDigit == '0' ? 7 : sizeDigit == '1' ? 12 : 18;
    return std::max(base + 5 - globCount, 2);
}

namespace {

struct WindowSum {
    uint32_t r = 0, g = 0, b = 0;
    uint32_t count = 0;
    uint32_t background = 0;
};

void Add(WindowSum& s, Pixel p, Pixel bg)
{
    p &= 0xFFFFFFu;
    s.r += (p >> 16) & 0xFF;
    s.g += (p >> 8) & 0xFF;
    s.b += p & 0xFF;
    s.background += p == bg;
}

// The 2*half square whose top-left is (x - half, y - half), clipped to the picture.
WindowSum SumWindow(const CImage32& picture, int x, int y, int half, Pixel bg)
{
    WindowSum s;
    // The finest grid, inside the picture: four pixels, worth a path of their own.
    if (half == 1 && x >= 1 && y >= 1) {
        const Pixel* above = picture.Row(y - 1) + x - 1;
        const Pixel* row = picture.Row(y) + x - 1;
        Add(s, above[0], bg);
        Add(s, above[1], bg);
        Add(s, row[0], bg);
        Add(s, row[1], bg);
        s.count = 4;
        return s;
    }
    const int x0 = std::max(x - half, 0), x1 = std::min(x + half, picture.Width());
    const int y0 = std::max(y - half, 0), y1 = std::min(y + half, picture.Height());
    for (int yy = y0; yy < y1; ++yy) {
        const Pixel* row = picture.Row(yy);
        for (int xx = x0; xx < x1; ++xx)
            Add(s, row[xx], bg);
    }
    s.count = static_cast<uint32_t>((x1 - x0) * (y1 - y0));
    return s;
}

} // namespace

ImportSampling CollectImportSamples(const CImage32& picture, const ImportGrid& grid, std::vector<ImportSample>& out,
                                    const std::function<bool(int)>& rowDone)
{
    ImportSampling result;
    out.clear();
    const int w = picture.Width(), h = picture.Height();
    if (picture.IsNull())
        return result;
    const int t = std::max(grid.step, 2), half = t / 2;
    const int offX = ImportOffset(w, grid.drawingWidth), offY = ImportOffset(h, grid.drawingHeight);
    const Pixel bg = picture.At(0, 0) & 0xFFFFFFu;
    try {
        out.reserve(static_cast<size_t>(h / t + 1) * static_cast<size_t>(w / t + 1));
    } catch (const std::bad_alloc&) {
        // Grown as samples come; a failure there is told per sample.
    }
    // A picture shorter than one step has no whole row to count by: one row is all of it.
    const int rows = h / t;
    const float rowStep = rows > 0 ? 50.0f / static_cast<float>(rows) : 50.0f;
    float progress = 0;
    int row = 0;
    for (int y = half; y < h; y += t, ++row) {
        const int gy = y - offY;
        if (gy > -t && gy < grid.drawingHeight + t) {
            for (int x = row % 2 == 0 ? half : 0; x < w; x += t) {
                const int gx = x - offX;
                if (gx <= -t || gx >= grid.drawingWidth + t)
                    continue;
                const WindowSum s = SumWindow(picture, x, y, half, bg);
                if (grid.removeBackground && s.background >= std::max(s.count / 4, 1u))
                    continue;
                ImportSample sample;
                sample.x = x;
                sample.y = y;
                if (grid.wantColour) {
                    const HsvF hsv = RgbToHsv(static_cast<int>(s.r / s.count), static_cast<int>(s.g / s.count),
                                              static_cast<int>(s.b / s.count));
                    sample.hue = static_cast<int16_t>(hsv.hue);
                    sample.saturation = static_cast<uint8_t>(hsv.saturation * 255.0f);
                    sample.value = static_cast<uint8_t>(hsv.value * 255.0f);
                }
                try {
                    out.push_back(sample);
                } catch (const std::bad_alloc&) {
                    result.outOfMemory = true;
                }
            }
        }
        progress += rowStep;
        if (rowDone && !rowDone(std::min(static_cast<int>(progress), 50))) {
            out.clear();
            out.shrink_to_fit();
            result.cancelled = true;
            return result;
        }
    }
    return result;
}

void OrderByBrightness(std::vector<ImportSample>& samples)
{
    // A counting sort on the 256 values: stable, and linear in the number of samples.
    std::array<size_t, 257> start{};
    for (const ImportSample& s : samples)
        ++start[static_cast<size_t>(s.value) + 1];
    for (size_t v = 1; v < start.size(); ++v)
        start[v] += start[v - 1];
    std::vector<ImportSample> sorted(samples.size());
    for (const ImportSample& s : samples)
        sorted[start[s.value]++] = s;
    samples = std::move(sorted);
}
