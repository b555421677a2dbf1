#include "core/movie/MovieExport.h"
#include "core/base/IHost.h"
#include "core/movie/CDrawingConverter.h"
#include "core/movie/CFramePipeline.h"
#include "core/movie/CFrameScaler.h"
#include "core/movie/IMovieSink.h"
#include "core/view/CDaubrixView.h"
#include "core/view/CLongOperation.h"
#include <algorithm>
#include <chrono>
#include <cstdint>

namespace {

// How long the drawing thread waits for room in the queue before it looks for ESC again.
constexpr std::chrono::milliseconds kPoll{80};

// SinkFailed: the sink gave up and says why itself; Failed: the export stopped it.
enum class Outcome { Done, Kept, Deleted, Failed, SinkFailed };

// ESC and its two questions. A kept movie gets every frame drawn before the ESC; the worker is
// stopped either way before the sink is finished.
bool Cancelled(IMovieSink& sink, CLongOperation& op, IHost& host, CFramePipeline& pipeline, Outcome& outcome)
{
    if (!sink.IsMovie() || !op.CheckEscape(kCancelMovie))
        return false;
    const bool remove = host.AskYesNo(kDeletePartialMovie, MsgIcon::Exclamation, "Confirm");
    if (!remove)
        pipeline.Flush();
    pipeline.Stop();
    outcome = remove ? Outcome::Deleted : Outcome::Kept;
    return true;
}

// One run of every frame through the pipeline.
Outcome RunPass(CDaubrixView& view, const std::vector<int>& counts, int total, int pass, int passes,
                CFrameScaler& scaler, IMovieSink& sink, CLongOperation& op, IHost& host, int& added)
{
    CFramePipeline pipeline(sink, scaler.Width(), scaler.Height());
    view.BrowseTo(counts[0]);
    view.Regenerate();
    // At the drawing's own size a movie sink may convert it itself (no scaled copy between).
    CDrawingConverter* converter = scaler.Width() == view.DrawingImage().Width()
            && scaler.Height() == view.DrawingImage().Height()
        ? sink.Converter(view.DrawingImage())
        : nullptr;
    std::vector<uint8_t> last;
    const int64_t all = static_cast<int64_t>(total) * passes;
    for (int i = 0; i < total; ++i) {
        Outcome cancelled = Outcome::Done;
        do {
            if (Cancelled(sink, op, host, pipeline, cancelled))
                return cancelled;
        } while (!pipeline.HasRoom(kPoll));
        if (pipeline.Failed())
            break;
        op.ShowPercent(static_cast<int>((static_cast<int64_t>(pass) * total + i) * 100 / all));
        std::vector<uint8_t> record = pipeline.Spare();
        bool converted = true;
        if (i < static_cast<int>(counts.size())) {
            view.PaintNowIfDue();
            converted = converter ? converter->Convert(view.DrawingImage(), record)
                                  : scaler.ScaleInto(view.DrawingImage(), record);
            if (!converted && sink.IsMovie()) {
                pipeline.Stop();
                host.Message(kFrameNotConverted, MsgIcon::None);
                return Outcome::Failed;
            }
            if (converted)
                last = record;
        } else {
            record = last;   // the held last frame
        }
        if (converted) {   // a picture that cannot be made is left out of a series
            pipeline.Push(std::move(record), i, converter != nullptr);
            ++added;
        }
        if (i + 1 < static_cast<int>(counts.size()))
            view.BrowseTo(counts[static_cast<size_t>(i) + 1]);
    }
    const bool flushed = pipeline.Flush();
    pipeline.Stop();
    return flushed ? Outcome::Done : Outcome::SinkFailed;
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
    const int passes = std::max(sink.Passes(), 1);
    Outcome outcome = Outcome::Done;
    for (int pass = 0; pass < passes && outcome == Outcome::Done; ++pass) {
        int added = 0;
        if (!sink.BeginPass(pass))
            outcome = Outcome::SinkFailed;
        else
            outcome = RunPass(view, counts, total, pass, passes, scaler, sink, op, host, added);
        if (pass + 1 == passes || outcome != Outcome::Done)
            result.frames = added;
    }
    switch (outcome) {
    case Outcome::Kept:
    case Outcome::Deleted:
        result.cancelled = true;
        sink.Finish(outcome == Outcome::Kept);
        break;
    case Outcome::Failed:
        sink.Finish(false);
        break;
    case Outcome::SinkFailed:
        break;
    case Outcome::Done:
        result.completed = sink.Finish(true);
        break;
    }
    view.BrowseTo(saved);
    return result;
}
