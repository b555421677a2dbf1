#include "core/movie/MovieCommand.h"
#include "core/imaging/ImageFile.h"
#include "core/movie/CAviSink.h"
#include "core/movie/CContainerSink.h"
#include "core/movie/CFrameScaler.h"
#include "core/movie/CImageSequenceSink.h"
#include "core/movie/IMovieDialogs.h"
#include "core/movie/MovieSchedule.h"
#include "core/shell/CDaubrixApp.h"
#include "core/view/CDaubrixView.h"
#include "core/view/CLongOperation.h"
#include <algorithm>
#include <memory>

namespace {

constexpr const char* kNoFrameSize = "The frames would be smaller than one pixel: choose a larger scale.";

std::unique_ptr<IMovieSink> OpenSink(const MovieJob& job, std::string& failure)
{
    if (job.kind == MovieKind::ImageSequence)
        return std::make_unique<CImageSequenceSink>(job.path);
    if (job.kind == MovieKind::Mp4 || job.kind == MovieKind::WebM) {
        auto sink = std::make_unique<CContainerSink>();
        if (sink->Open(job.path, ContainerFor(job.kind), job.options, job.fps, job.width, job.height))
            return sink;
        failure = sink->Failure();
        return nullptr;
    }
    auto avi = std::make_unique<CAviSink>();
    switch (avi->Open(job.path, job.options, job.fps, job.width, job.height)) {
    case CAviSink::Start::Ok: return avi;
    case CAviSink::Start::ParamsFailed: failure = kAviInitFailed; break;
    case CAviSink::Start::OpenFailed: failure = AviFailureText(avi->Writer().LastError()); break;
    }
    return nullptr;
}

} // namespace

MovieKind MovieKindFor(const std::string& path)
{
    const std::string ext = LowerExtension(path);
    if (ext == "bmp")
        return MovieKind::ImageSequence;
    if (ext == "mp4")
        return MovieKind::Mp4;
    if (ext == "webm")
        return MovieKind::WebM;
    return MovieKind::Avi;
}

MovieContainer ContainerFor(MovieKind kind)
{
    switch (kind) {
    case MovieKind::Mp4: return MovieContainer::Mp4;
    case MovieKind::WebM: return MovieContainer::WebM;
    default: return MovieContainer::Avi;
    }
}

MovieJobResult RunMovieJob(CDaubrixView& view, const MovieJob& job, IHost& host)
{
    MovieJobResult result;
    if (job.width <= 0 || job.height <= 0) {
        result.failure = kNoFrameSize;
        return result;
    }
    CLongOperation op(host);
    op.BeginWait();
    std::unique_ptr<IMovieSink> sink = OpenSink(job, result.failure);
    if (!sink)
        return result;
    result.started = true;
    if (sink->IsMovie())
        op.SetStatus(kMovieStatus);
    CFrameScaler scaler(job.width, job.height);
    const int hold = sink->IsMovie() ? std::clamp(job.holdSeconds, 0, 30) * job.fps : 0;
    result.export_ = ExportMovieFrames(view, job.counts, hold, scaler, *sink, op, host);
    result.failure = sink->Failure();
    return result;
}

void CreateMovieCommand(CDaubrixApp& app, CDaubrixView& view, IMovieDialogs& dialogs)
{
    const int shown = view.ShownCount();
    if (shown <= 0)
        return;
    const std::string path = dialogs.AskMoviePath(app.Imaging().m_lowColor != 0);
    if (path.empty())
        return;
    CMovieSettings& s = app.Movie();
    MovieJob job;
    job.path = path;
    job.kind = MovieKindFor(path);
    MovieDialogValues v;
    v.drawingWidth = view.Doc().Width();
    v.drawingHeight = view.Doc().Height();
    v.frames = std::max(std::min(shown, s.m_movieFrames), 1);
    v.scale = s.m_movieScale;
    v.firstEmpty = s.m_movieFirstEmpty != 0;
    v.fps = s.m_movieFps;
    v.hold = s.m_movieHold;
    v.isMovie = job.kind != MovieKind::ImageSequence;
    if (!dialogs.AskMovieOptions(v))
        return;
    const int frames = MovieFrameCount(v.frames, shown, v.firstEmpty);
    s.m_movieFrames = frames;
    s.m_movieFirstEmpty = v.firstEmpty ? 1 : 0;
    s.m_movieScale = v.scale;
    s.m_movieFps = v.fps;
    s.m_movieHold = v.hold;
    job.counts = MovieFrameCounts(shown, frames, v.firstEmpty);
    job.width = ScaledSide(v.drawingWidth, v.scale);
    job.height = ScaledSide(v.drawingHeight, v.scale);
    job.fps = std::max(v.fps, 1);
    job.holdSeconds = v.hold;
    if (v.isMovie) {
        if (!dialogs.AskAviOptions(job.options, s, ContainerFor(job.kind)))
            return;
        CAviOptionsModel::Remember(job.options, s);
    }
    const MovieJobResult r = RunMovieJob(view, job, app.Host());
    if (!r.failure.empty())
        app.Host().Message(r.failure, MsgIcon::Stop);
}
