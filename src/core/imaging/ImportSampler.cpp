#include "core/imaging/ImportSampler.h"
#include "core/imaging/CImportSampleStore.h"
#include "core/colour/ColorConversion.h"
#include <algorithm>
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

// The 2*half square whose top-left is (x - half, y - half), clipped to the picture.
WindowSum SumWindow(const CImage32& picture, int x, int y, int half, Pixel bg)
{
    WindowSum s;
    const int x0 = std::max(x - half, 0), x1 = std::min(x + half, picture.Width());
    const int y0 = std::max(y - half, 0), y1 = std::min(y + half, picture.Height());
    for (int yy = y0; yy < y1; ++yy) {
        const Pixel* row = picture.Row(yy);
        for (int xx = x0; xx < x1; ++xx) {
            const Pixel p = row[xx] & 0xFFFFFFu;
            s.r += (p >> 16) & 0xFF;
            s.g += (p >> 8) & 0xFF;
            s.b += p & 0xFF;
            s.background += p == bg;
        }
    }
    s.count = static_cast<uint32_t>((x1 - x0) * (y1 - y0));
    return s;
}

// One grid row's kept points with their average colours, converted to HSV together.
class CRowSamples {
public:
    explicit CRowSamples(size_t points)
        : m_x(points), m_r(points), m_g(points), m_b(points), m_hue(points), m_saturation(points), m_value(points),
          m_out(points)
    {
    }

    void Clear() { m_n = 0; }
    void Keep(int x, int r, int g, int b)
    {
        m_x[m_n] = x, m_r[m_n] = r, m_g[m_n] = g, m_b[m_n] = b;
        ++m_n;
    }
    void Keep(int x, const WindowSum& s)
    {
        Keep(x, static_cast<int>(s.r / s.count), static_cast<int>(s.g / s.count), static_cast<int>(s.b / s.count));
    }
    std::span<const ImportSample> Finish(int y, bool wantColour)
    {
        if (wantColour)
            RgbToHsvBytes(m_r.data(), m_g.data(), m_b.data(), m_n, {m_hue.data(), m_saturation.data(), m_value.data()});
        for (size_t i = 0; i < m_n; ++i)
            m_out[i] = {m_x[i], y, m_hue[i], m_saturation[i], m_value[i]};
        return {m_out.data(), m_n};
    }

private:
    std::vector<int32_t> m_x, m_r, m_g, m_b;
    std::vector<int16_t> m_hue;   // all 0 unless colour is wanted
    std::vector<uint8_t> m_saturation, m_value;
    std::vector<ImportSample> m_out;
    size_t m_n = 0;
};

// What every point of a grid row shares.
struct RowScan {
    const CImage32& picture;
    int y, half, xFirst, xEnd;   // points from xFirst by the step, below xEnd
    Pixel bg;
    bool removeBackground;
};

bool IsBackground(const WindowSum& s)
{
    return s.background >= std::max(s.count / 4, 1u);
}

void ScanRow(const RowScan& scan, int step, CRowSamples& row)
{
    for (int x = scan.xFirst; x < scan.xEnd; x += step) {
        const WindowSum s = SumWindow(scan.picture, x, scan.y, scan.half, scan.bg);
        if (!(scan.removeBackground && IsBackground(s)))
            row.Keep(x, s);
    }
}

// The finest grids (2 x 2 windows; at step 2 every pixel is read once) are nearly all of the
// work of a fine import; inside the picture their windows need no clipping and red and blue
// add up side by side in one word.
void ScanFinestRow(const RowScan& scan, int step, CRowSamples& row)
{
    int x = scan.xFirst;
    if (x == 0 && x < scan.xEnd) {
        // Clipped to one column.
        const WindowSum s = SumWindow(scan.picture, 0, scan.y, 1, scan.bg);
        if (!(scan.removeBackground && IsBackground(s)))
            row.Keep(0, s);
        x = step;
    }
    const Pixel* above = scan.picture.Row(scan.y - 1);
    const Pixel* here = scan.picture.Row(scan.y);
    for (; x < scan.xEnd; x += step) {
        const Pixel a = above[x - 1] & 0xFFFFFFu, b = above[x] & 0xFFFFFFu;
        const Pixel c = here[x - 1] & 0xFFFFFFu, d = here[x] & 0xFFFFFFu;
        if (scan.removeBackground && (a == scan.bg || b == scan.bg || c == scan.bg || d == scan.bg))
            continue;
        const uint32_t redBlue = (a & 0xFF00FFu) + (b & 0xFF00FFu) + (c & 0xFF00FFu) + (d & 0xFF00FFu);
        const uint32_t green = (a & 0xFF00u) + (b & 0xFF00u) + (c & 0xFF00u) + (d & 0xFF00u);
        row.Keep(x, static_cast<int>(redBlue >> 18), static_cast<int>(green >> 10), static_cast<int>((redBlue & 0xFFFFu) >> 2));
    }
}

} // namespace

ImportSampling SampleImportRows(const CImage32& picture, const ImportGrid& grid,
                                const std::function<bool(std::span<const ImportSample>)>& take,
                                const std::function<bool(int)>& rowDone)
{
    ImportSampling result;
    const int w = picture.Width(), h = picture.Height();
    if (picture.IsNull())
        return result;
    const int t = std::max(grid.step, 2), half = t / 2;
    const int offX = ImportOffset(w, grid.drawingWidth), offY = ImportOffset(h, grid.drawingHeight);
    const Pixel bg = picture.At(0, 0) & 0xFFFFFFu;
    // Only points within one step of the drawing: -t < x - offX < W + t.
    const int xLow = offX - t, xEnd = std::min(w, offX + grid.drawingWidth + t);
    CRowSamples row(static_cast<size_t>(w / t + 1));
    // A picture shorter than one step has no whole row to count by: one row is all of it.
    const int rows = h / t;
    const float rowStep = rows > 0 ? 50.0f / static_cast<float>(rows) : 50.0f;
    float progress = 0;
    int index = 0;
    for (int y = half; y < h; y += t, ++index) {
        const int gy = y - offY;
        if (gy > -t && gy < grid.drawingHeight + t) {
            int xFirst = index % 2 == 0 ? half : 0;
            if (xFirst <= xLow)
                xFirst += (xLow - xFirst) / t * t + t;
            const RowScan scan{picture, y, half, xFirst, xEnd, bg, grid.removeBackground};
            row.Clear();
            if (half == 1)
                ScanFinestRow(scan, t, row);
            else
                ScanRow(scan, t, row);
            if (!take(row.Finish(y, grid.wantColour)))
                result.outOfMemory = true;
        }
        progress += rowStep;
        if (rowDone && !rowDone(std::min(static_cast<int>(progress), 50))) {
            result.cancelled = true;
            return result;
        }
    }
    return result;
}

ImportSampling CollectImportSamples(const CImage32& picture, const ImportGrid& grid, std::vector<ImportSample>& out,
                                    const std::function<bool(int)>& rowDone)
{
    out.clear();
    const ImportSampling result = SampleImportRows(
        picture, grid,
        [&out](std::span<const ImportSample> row) {
            try {
                out.insert(out.end(), row.begin(), row.end());
            } catch (const std::bad_alloc&) {
                return false;
            }
            return true;
        },
        rowDone);
    if (result.cancelled) {
        out.clear();
        out.shrink_to_fit();
    }
    return result;
}

void OrderByBrightness(std::vector<ImportSample>& samples)
{
    CImportSampleStore store(true);
    for (const ImportSample& s : samples)
        store.Add(s);
    std::vector<ImportSample> sorted;
    sorted.reserve(samples.size());
    for (const auto run : store.Runs())
        sorted.insert(sorted.end(), run.begin(), run.end());
    samples = std::move(sorted);
}
