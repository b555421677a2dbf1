#include "cli/MovieCliCommand.h"
#include "cli/CliSession.h"
#include "core/movie/CAviOptionsModel.h"
#include "core/movie/MovieCommand.h"
#include "core/movie/MovieSchedule.h"
#include "core/movie/VideoCompressors.h"
#include "core/settings/CMovieSettings.h"
#include "core/view/CDaubrixView.h"
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>

const char* const kMovieHelp =
    "\n"
    "usage: daubrix-cli movie FILE.dbx OUT.avi|.mp4|.webm|.gif|.webp|.bmp [--frames N] [--fps F]\n"
    "                         [--scale S] [--first-empty] [--codec NAME] [--quality Q]\n"
    "                         [--keyframe-every K] [--data-rate KB] [--hold SEC] [--duration SEC]\n"
    "       daubrix-cli movie --codec list\n"
    "movie   records the drawing being regenerated, as the program's Create movie does: each\n"
    "        frame shows more of the globs, the last one all of them. OUT.bmp writes the\n"
    "        frames as OUT000.bmp, OUT001.bmp ...; the other names write one movie of that\n"
    "        kind (GIF and WebP animations loop for ever).\n"
    "        --frames N          number of frames (default 10, at most the number of globs)\n"
    "        --fps F             frames per second, 1..120 (default 30)\n"
    "        --scale S           frame size in percent of the drawing, 1..200 (default 100)\n"
    "        --first-empty       the first frame shows no globs\n"
    "        --codec NAME        compressor; 'list' shows those there are (default: the\n"
    "                            first listed for the movie's kind)\n"
    "        --quality Q         0..10000 (default: the compressor's own)\n"
    "        --keyframe-every K  a key frame every K frames (compressors with key frames)\n"
    "        --data-rate KB      kilobytes per second instead of a quality\n"
    "        --hold SEC          keep the finished drawing on screen SEC more seconds, 0..30\n"
    "        --duration SEC      choose the frame count so the movie lasts SEC seconds at\n"
    "                            its fps (at most one frame per glob)\n";

namespace {

constexpr int kOk = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;

int Usage(const std::string& problem) { return CliUsage(problem, kMovieHelp); }

std::optional<int> Number(const std::string& text, long lo, long hi) { return CliNumber(text, lo, hi); }

std::string ShortName(const CompressorInfo& c)
{
    if (c.handler == 0)
        return "uncompressed";
    if (c.encoder == "libx264")
        return "h264";
    if (c.encoder == "libvpx-vp9")
        return "vp9";
    if (c.encoder == "libwebp")
        return "webp";
    return c.encoder;
}

std::string FlagsText(uint32_t flags)
{
    std::string t;
    for (const auto& [bit, word] : {std::pair{kCompressorQuality, "quality"}, std::pair{kCompressorDataRate, "data rate"},
                                    std::pair{kCompressorTemporal, "key frames"}})
        if (flags & bit)
            t += (t.empty() ? "" : ", ") + std::string(word);
    return t;
}

void ListCodecs()
{
    for (const auto& [container, title] : {std::pair{MovieContainer::Avi, ".avi"}, std::pair{MovieContainer::Mp4, ".mp4"},
                                           std::pair{MovieContainer::WebM, ".webm"}, std::pair{MovieContainer::Gif, ".gif"},
                                           std::pair{MovieContainer::WebP, ".webp"}}) {
        std::printf("%s:\n", title);
        for (const CompressorInfo& c : ListCompressors(container))
            std::printf("  %-13s %-28s %s\n", ShortName(c).c_str(), c.description.c_str(), FlagsText(c.flags).c_str());
    }
}

struct MovieArgs {
    std::vector<std::string> files;
    std::optional<int> frames, quality, keyEvery, dataRate;
    int fps = 30, scale = 100, hold = 0;
    std::optional<double> duration;
    bool firstEmpty = false;
    std::string codec;
};

std::string Parse(const std::vector<std::string>& args, MovieArgs& o)
{
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--first-empty") {
            o.firstEmpty = true;
            continue;
        }
        if (!a.starts_with("--")) {
            o.files.push_back(a);
            continue;
        }
        if (i + 1 >= args.size())
            return a + " needs a value";
        const std::string& v = args[++i];
        auto take = [&](std::optional<int>& into, long lo, long hi) {
            into = Number(v, lo, hi);
            return into.has_value();
        };
        std::optional<int> n;
        if (a == "--frames") {
            if (!take(o.frames, 1, 100000))
                return "--frames takes 1..100000";
        } else if (a == "--fps") {
            if (!take(n, 1, 120))
                return "--fps takes 1..120";
            o.fps = *n;
        } else if (a == "--scale") {
            if (!take(n, 1, 200))
                return "--scale takes 1..200";
            o.scale = *n;
        } else if (a == "--hold") {
            if (!take(n, 0, 30))
                return "--hold takes 0..30 seconds";
            o.hold = *n;
        } else if (a == "--quality") {
            if (!take(o.quality, 0, 10000))
                return "--quality takes 0..10000";
        } else if (a == "--keyframe-every") {
            if (!take(o.keyEvery, 1, 100000))
                return "--keyframe-every takes a number greater than zero";
        } else if (a == "--data-rate") {
            if (!take(o.dataRate, 1, 1000000))
                return "--data-rate takes a number greater than zero";
        } else if (a == "--duration") {
            char* end = nullptr;
            const double d = std::strtod(v.c_str(), &end);
            if (!end || *end || !(d > 0) || d > 100000)
                return "--duration takes a number of seconds greater than zero";
            o.duration = d;
        } else if (a == "--codec") {
            o.codec = v;
        } else {
            return "unknown option " + a;
        }
    }
    return {};
}

// The options the program's dialog would give for this compressor, changed as asked.
std::string ChooseOptions(const MovieArgs& a, MovieContainer container, AviOptions& options)
{
    const std::vector<CompressorInfo> list = ListCompressors(container);
    if (list.empty())
        return "no compressor for this kind of movie (the video libraries are missing)";
    CAviOptionsModel model(list, options);
    model.Open(CMovieSettings{});
    if (!a.codec.empty()) {
        int found = -1;
        for (size_t i = 0; i < list.size(); ++i)
            if (ShortName(list[i]) == a.codec || list[i].encoder == a.codec)
                found = static_cast<int>(i);
        if (found < 0)
            return "no compressor '" + a.codec + "' for this kind of movie; --codec list shows them";
        model.Select(found);
    }
    if (a.quality)
        model.quality = *a.quality;
    if (a.keyEvery) {
        model.keyFramesOn = true;
        model.keyFrameText = std::to_string(*a.keyEvery);
    }
    if (a.dataRate) {
        model.dataRateOn = true;
        model.dataRateText = std::to_string(*a.dataRate);
    }
    const std::string name = ShortName(*model.Selected());
    if ((a.quality && !model.QualityEnabled()) || (a.keyEvery && !model.KeyFramesEnabled())
        || (a.dataRate && !model.DataRateEnabled()))
        return "the compressor " + name + " does not take that option (--codec list shows what each takes)";
    if (model.Accept(options) != CAviOptionsModel::Invalid::None)
        return CAviOptionsModel::kInvalidNumber;
    return {};
}

} // namespace

int MovieCliCommand(const std::vector<std::string>& args)
{
    if (args.size() == 2 && args[0] == "--codec" && args[1] == "list") {
        ListCodecs();
        return kOk;
    }
    MovieArgs a;
    if (const std::string problem = Parse(args, a); !problem.empty())
        return Usage(problem);
    if (a.files.size() != 2)
        return Usage("movie needs FILE.dbx and OUT.avi, OUT.mp4, OUT.webm, OUT.gif, OUT.webp or OUT.bmp");
    if (a.frames && a.duration)
        return Usage("--frames and --duration cannot go together");
    MovieJob job;
    job.path = a.files[1];
    job.kind = MovieKindFor(job.path);
    if (job.kind == MovieKind::Unknown)
        return Usage(UnknownMovieKindText(job.path));
    const bool movie = job.kind != MovieKind::ImageSequence;
    if (!movie && (!a.codec.empty() || a.quality || a.keyEvery || a.dataRate || a.hold))
        return Usage("a picture series takes no compressor options and no --hold");
    if (movie) {
        if (const std::string problem = ChooseOptions(a, ContainerFor(job.kind), job.options); !problem.empty())
            return Usage(problem);
    }
    CliSession s;
    if (!s.Open(a.files[0], true))
        return kFailed;
    CDaubrixView& view = *s.view;
    // As the program shows a drawing before its movie is made: the shapes take the colours
    // the whole drawing leaves them in, which globs before their shape's first colour change use.
    view.Paint();
    const int shown = view.ShownCount();
    if (shown <= 0) {
        Say("The drawing has no globs to make a movie of.");
        return kFailed;
    }
    int requested = a.frames.value_or(CMovieSettings{}.m_movieFrames);
    if (a.duration)
        requested = static_cast<int>(std::lround(*a.duration * a.fps));
    const int frames = MovieFrameCount(requested, shown, a.firstEmpty);
    job.counts = MovieFrameCounts(shown, frames, a.firstEmpty);
    job.width = ScaledSide(s.doc->Width(), a.scale);
    job.height = ScaledSide(s.doc->Height(), a.scale);
    job.fps = a.fps;
    job.holdSeconds = a.hold;
    const MovieJobResult r = RunMovieJob(view, job, s.quiet);
    if (!r.failure.empty()) {
        Say(r.failure);
        return kFailed;
    }
    return r.export_.completed ? kOk : kFailed;
}
