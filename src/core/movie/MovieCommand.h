#pragma once
#include "core/base/IHost.h"
#include "core/movie/CAviOptionsModel.h"
#include "core/movie/MovieExport.h"
#include "core/movie/VideoCompressors.h"
#include <string>
#include <vector>

struct CImageSettings;
struct CMovieSettings;
class CDaubrixView;
class IMovieDialogs;

enum class MovieKind { ImageSequence, Avi, Mp4, WebM, Gif, WebP, Unknown };
// By the extension, in any case: ".bmp" is a picture series, ".avi", ".mp4", ".webm", ".gif"
// and ".webp" those movies; anything else is no kind the program writes.
MovieKind MovieKindFor(const std::string& path);
// The message for a name of no kind the program writes.
std::string UnknownMovieKindText(const std::string& path);
// Frame sides past this cannot be stored (AVI keeps its frame rectangle in 16 signed bits).
int MaxFrameSide(MovieKind kind);
constexpr int kMinMovieFps = 1;
constexpr int kMaxMovieFps = 120;
MovieContainer ContainerFor(MovieKind kind);

constexpr const char* kAviInitFailed = "error on AVI init!";

// One export, as the dialogs or the command line settled it.
struct MovieJob {
    std::string path;
    MovieKind kind = MovieKind::Avi;
    std::vector<int> counts;   // globs shown by each frame
    int width = 0;             // frame size
    int height = 0;
    int fps = 30;
    int holdSeconds = 0;
    AviOptions options;
};

struct MovieJobResult {
    MovieExportResult export_;
    bool started = false;
    std::string failure;       // the user's words; empty when all went well or was cancelled
};

// Runs a job under the wait cursor with the status text and percentage of a long operation.
MovieJobResult RunMovieJob(CDaubrixView& view, const MovieJob& job, IHost& host);

// Create movie: file name, the movie dialog, for movies the options dialog, then the export.
void CreateMovieCommand(IHost& host, const CImageSettings& imaging, CMovieSettings& movie, CDaubrixView& view,
                        IMovieDialogs& dialogs);
