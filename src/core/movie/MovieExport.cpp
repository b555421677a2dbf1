#include "core/movie/MovieExport.h"
#include "core/base/IHost.h"
#include "core/movie/CFrameScaler.h"
#include "core/movie/IMovieSink.h"
#include "core/view/CDaubrixView.h"
#include "core/view/CLongOperation.h"
#include <algorithm>
#include <cstdint>

namespace {

// ESC and its two questions; true when the export stops here.
bool Cancelled(IMovieSink& sink, CLongOperation& op, IHost& host)
{
    if (!sink.IsMovie() || !op.CheckEscape(kCancelMovie))
        return false;
    const bool remove = host.AskYesNo(kDeletePartialMovie, MsgIcon::Exclamation, "Confirm");
    sink.Finish(!remove);
    return true;
}

} // namespace

MovieExportResult ExportMovieFrames(CDaubrixView& view, const std::vector<int>& counts, int holdFrames,
                                    CFrameScaler& scaler, IMovieSink& sink, CLongOperation& op, IHost& host)
{
    MovieExportResult result;
    if (counts.empty())
        return result;
    const int saved = view.ShownCount();
    const int total = static_cast<int>(counts.size()) + std::max(holdFrames, 0);
    view.BrowseTo(counts[0]);
    view.Regenerate();
    bool stopped = false;
    for (int i = 0; i < total; ++i) {
        if (Cancelled(sink, op, host)) {
            result.cancelled = stopped = true;
            break;
        }
        op.ShowPercent(static_cast<int>(static_cast<int64_t>(i) * 100 / total));
        bool converted = true;
        if (i < static_cast<int>(counts.size())) {
            view.PaintNowIfDue();
            converted = scaler.Scale(view.DrawingImage());
        }
        if (!converted && sink.IsMovie()) {
            host.Message(kFrameNotConverted, MsgIcon::None);
            sink.Finish(false);
            stopped = true;
            break;
        }
        if (converted) {
            if (!sink.AddFrame(scaler, i)) {
                stopped = true;
                break;
            }
            ++result.frames;
        }
        if (i + 1 < static_cast<int>(counts.size()))
            view.BrowseTo(counts[static_cast<size_t>(i) + 1]);
    }
    if (!stopped)
        result.completed = sink.Finish(true);
    view.BrowseTo(saved);
    return result;
}
