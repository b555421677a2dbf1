#include "core/movie/MovieSchedule.h"
#include <algorithm>
#include <cstdio>

std::vector<int> MovieFrameCounts(int shown, int frames, bool firstEmpty)
{
    std::vector<int> counts;
    if (frames <= 0 || shown < 0)
        return counts;
    const float step = static_cast<float>(shown) / static_cast<float>(firstEmpty ? frames - 1 : frames);
    counts.reserve(static_cast<size_t>(frames));
    for (int i = 0; i < frames; ++i) {
        const int k = firstEmpty ? i : i + 1;
        // The product in double precision: in float, 9 × (100 / 9) would round up to 100.
        const double at = static_cast<double>(k) * static_cast<double>(step);
        counts.push_back(k == 0 ? 0 : std::clamp(static_cast<int>(at), 0, shown));
    }
    counts.back() = firstEmpty && frames == 1 ? 0 : shown;
    return counts;
}

int MovieFrameCount(int requested, int shown, bool firstEmpty)
{
    const int n = std::max(std::min(requested, shown), 1);
    return firstEmpty ? std::max(n, 2) : n;
}

int ScaledSide(int side, int scale) { return side * scale / 100; }

std::string MovieLengthText(int frames, int fps)
{
    char text[64];
    std::snprintf(text, sizeof text, "%0.2f", static_cast<double>(frames) / static_cast<double>(fps > 0 ? fps : 1));
    return text;
}

std::string SequenceFileName(const std::string& path, int index)
{
    const size_t dot = path.find_last_of('.');
    const size_t slash = path.find_last_of('/');
    const bool hasDot = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    char number[16];
    std::snprintf(number, sizeof number, "%03d", index);
    return hasDot ? path.substr(0, dot) + number + path.substr(dot) : path + number;
}
