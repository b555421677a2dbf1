#include "core/imaging/ImageScaling.h"
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// The source pixels one output pixel covers along one axis, each with the share it covers.
struct Span {
    int first = 0;
    std::vector<float> weights;
};

std::vector<Span> Spans(int from, int to)
{
    const double step = static_cast<double>(from) / to;
    std::vector<Span> spans(static_cast<size_t>(to));
    for (int i = 0; i < to; ++i) {
        const double start = i * step, end = std::min<double>(from, (i + 1) * step);
        Span& s = spans[static_cast<size_t>(i)];
        s.first = static_cast<int>(start);
        for (int j = s.first; j < end; ++j)
            s.weights.push_back(static_cast<float>((std::min<double>(end, j + 1) - std::max<double>(start, j)) / step));
    }
    return spans;
}

} // namespace

CImage32 ScaleDownToFit(const CImage32& source, int box)
{
    const int w = source.Width(), h = source.Height();
    if (source.IsNull() || box < 1 || (w <= box && h <= box))
        return source;
    const int longest = std::max(w, h);
    const auto fit = [&](int side) {
        return std::max(1, static_cast<int>(std::lround(static_cast<double>(side) * box / longest)));
    };
    const int outW = fit(w), outH = fit(h);
    const std::vector<Span> columns = Spans(w, outW), rows = Spans(h, outH);
    CImage32 out(outW, outH);
    // Rows are blended first into one line of channel sums, then that line across.
    std::vector<float> line(static_cast<size_t>(w) * 3);
    for (int oy = 0; oy < outH; ++oy) {
        std::fill(line.begin(), line.end(), 0.0f);
        const Span& r = rows[static_cast<size_t>(oy)];
        for (size_t k = 0; k < r.weights.size(); ++k) {
            const Pixel* src = source.Row(r.first + static_cast<int>(k));
            const float wt = r.weights[k];
            for (int x = 0; x < w; ++x) {
                float* acc = &line[static_cast<size_t>(x) * 3];
                acc[0] += wt * static_cast<float>((src[x] >> 16) & 0xFF);
                acc[1] += wt * static_cast<float>((src[x] >> 8) & 0xFF);
                acc[2] += wt * static_cast<float>(src[x] & 0xFF);
            }
        }
        Pixel* dst = out.Row(oy);
        for (int ox = 0; ox < outW; ++ox) {
            const Span& c = columns[static_cast<size_t>(ox)];
            float sum[3] = {0, 0, 0};
            for (size_t k = 0; k < c.weights.size(); ++k)
                for (int ch = 0; ch < 3; ++ch)
                    sum[ch] += c.weights[k] * line[static_cast<size_t>(c.first + static_cast<int>(k)) * 3 + static_cast<size_t>(ch)];
            const auto byte = [](float v) { return static_cast<Pixel>(std::clamp(std::lround(v), 0L, 255L)); };
            dst[ox] = 0xFF000000u | byte(sum[0]) << 16 | byte(sum[1]) << 8 | byte(sum[2]);
        }
    }
    return out;
}
