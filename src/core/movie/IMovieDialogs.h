#pragma once
#include "core/movie/CAviOptionsModel.h"
#include "core/movie/VideoCompressors.h"
#include <string>

struct CMovieSettings;

// The values of the "Create Movie" / "Create Image Sequence" dialog.
struct MovieDialogValues {
    int drawingWidth = 0;
    int drawingHeight = 0;
    int frames = 10;
    int scale = 100;
    bool firstEmpty = false;
    int fps = 30;
    int hold = 0;          // seconds the finished drawing stays at the end
    bool isMovie = false;
};

// The dialogs of Create movie; the Qt program shows real ones, tests script them.
class IMovieDialogs {
public:
    virtual ~IMovieDialogs() = default;
    // Save-file dialog; empty when cancelled. lowColor offers BMP series only.
    virtual std::string AskMoviePath(bool lowColor) = 0;
    virtual bool AskMovieOptions(MovieDialogValues& values) = 0;
    // "AVI Options" over the compressors the container holds, preset from the remembered
    // choices; false when cancelled.
    virtual bool AskAviOptions(AviOptions& options, const CMovieSettings& remembered, MovieContainer container) = 0;
};
