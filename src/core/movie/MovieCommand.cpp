#include "core/movie/MovieCommand.h"
#include "core/imaging/ImageFile.h"
#include "core/movie/CAviSink.h"
#include "core/movie/CContainerSink.h"
#include "core/movie/CFrameScaler.h"
#include "core/movie/CGifSink.h"
#include "core/movie/CWebpSink.h"
#include "core/movie/CImageSequenceSink.h"
#include "core/movie/IMovieDialogs.h"
#include "core/movie/MovieSchedule.h"
#include "core/settings/CImageSettings.h"
#include "core/settings/CMovieSettings.h"
#include "core/view/CDaubrixView.h"
#include "core/view/CLongOperation.h"
#include <algorithm>
#include <memory>

namespace {

constexpr const char* kNoFrameSize = "The frames would be smaller than one pixel: choose a larger scale.";
constexpr const char* kBadFps = "The frame rate must be 1 to 120 frames per second.";

std::string TooLargeText(int side)
{
    return "The frames would be wider or taller than this kind of movie can hold (" + std::to_string(side)
        + " pixels): choose a smaller scale.";
}

// What is wrong with the job before anything is written; empty when nothing is.
std::string Refusal(const MovieJob& job)
{
    if (job.kind == MovieKind::Unknown)
        return UnknownMovieKindText(job.path);
    if (job.width <= 0 || job.height <= 0)
        return kNoFrameSize;
    if (job.kind == MovieKind::ImageSequence)
        return {};
    if (job.fps < kMinMovieFps || job.fps > kMaxMovieFps)
        return kBadFps;
    const int most = MaxFrameSide(job.kind);
    if (job.width > most || job.height > most)
        return TooLargeText(most);
    return {};
}

template <class Sink, class... Args>
std::unique_ptr<IMovieSink> Opened(std::string& failure, Args&&... args)
{
    auto sink = std::make_unique<Sink>();
    if (sink->Open(std::forward<Args>(args)...))
        return sink;
    failure = sink->Failure();
    return nullptr;
}

std::unique_ptr<IMovieSink> OpenSink(const MovieJob& job, std::string& failure)
{
    switch (job.kind) {
    case MovieKind::ImageSequence: return std::make_unique<CImageSequenceSink>(job.path);
    case MovieKind::Gif: return Opened<CGifSink>(failure, job.path, job.fps, job.width, job.height);
    case MovieKind::WebP:
        return Opened<CWebpSink>(failure, job.path, job.options.quality, job.fps, job.width, job.height);
    case MovieKind::Mp4:
    case MovieKind::WebM:
        return Opened<CContainerSink>(failure, job.path, ContainerFor(job.kind), job.options, job.fps, job.width,
                                      job.height);
    default: break;
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
    if (ext == "gif")
        return MovieKind::Gif;
    if (ext == "webp")
        return MovieKind::WebP;
    if (ext == "avi")
        return MovieKind::Avi;
    return MovieKind::Unknown;
}

std::string UnknownMovieKindText(const std::string& path)
{
    return "No movie can be written as " + path
        + ": name it .avi, .mp4, .webm, .gif or .webp, or .bmp for a series of pictures.";
}

int MaxFrameSide(MovieKind kind)
{
    return kind == MovieKind::WebP ? 16383 : 32767;
}

MovieContainer ContainerFor(MovieKind kind)
{
    switch (kind) {
    case MovieKind::Mp4: return MovieContainer::Mp4;
    case MovieKind::WebM: return MovieContainer::WebM;
    case MovieKind::Gif: return MovieContainer::Gif;
    case MovieKind::WebP: return MovieContainer::WebP;
    default: return MovieContainer::Avi;
    }
}

MovieJobResult RunMovieJob(CDaubrixView& view, const MovieJob& job, IHost& host)
{
    MovieJobResult result;
    result.failure = Refusal(job);
    if (!result.failure.empty())
        return result;
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

void CreateMovieCommand(IHost& host, const CImageSettings& imaging, CMovieSettings& movie, CDaubrixView& view,
                        IMovieDialogs& dialogs)
{
    const int shown = view.ShownCount();
    if (shown <= 0)
        return;
    const std::string path = dialogs.AskMoviePath(imaging.m_lowColor != 0);
    if (path.empty())
        return;
    CMovieSettings& s = movie;
    MovieJob job;
    job.path = path;
    job.kind = MovieKindFor(path);
    if (job.kind == MovieKind::Unknown) {
        host.Message(UnknownMovieKindText(path), MsgIcon::Stop);
        return;
    }
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
    job.fps = v.fps;
    job.holdSeconds = v.hold;
    if (v.isMovie) {
        if (!dialogs.AskAviOptions(job.options, s, ContainerFor(job.kind)))
            return;
        CAviOptionsModel::Remember(job.options, s);
    }
    const MovieJobResult r = RunMovieJob(view, job, host);
    if (!r.failure.empty())
        host.Message(r.failure, MsgIcon::Stop);
}
