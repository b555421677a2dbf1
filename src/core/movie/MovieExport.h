#pragma once
#include <string>
#include <vector>

class CDaubrixView;
class CLongOperation;
class CFrameScaler;
class IMovieSink;
class IHost;

constexpr const char* kMovieStatus = "Generating AVI file.    Press ESC to cancel...";
constexpr const char* kCancelMovie = "Cancel AVI creation?";
constexpr const char* kDeletePartialMovie = "Delete the partial movie?";
constexpr const char* kFrameNotConverted = "hDIB is NULL";

struct MovieExportResult {
    int frames = 0;          // frames handed to the sink
    bool cancelled = false;  // ESC, confirmed
    bool completed = false;  // every frame written and the result kept
};

// The frame loop: the view regenerates from an empty drawing to counts[0] globs and then
// draws only the globs each next frame adds; every frame is scaled and handed to the sink,
// then the last one holdFrames times more. Movies look for ESC before each frame. The view's
// history position is the same afterwards.
MovieExportResult ExportMovieFrames(CDaubrixView& view, const std::vector<int>& counts, int holdFrames,
                                    CFrameScaler& scaler, IMovieSink& sink, CLongOperation& op, IHost& host);
