#pragma once
#include <string>
#include <vector>

// How many globs each frame of a movie of the first shown globs shows. The step between frames
// is held in single precision, as stored movies of earlier versions were made; the last frame
// always shows every shown glob, which that step alone can miss by one.
std::vector<int> MovieFrameCounts(int shown, int frames, bool firstEmpty);

// The frame count the export really uses: at most the globs shown, at least one frame, and
// two when the first frame is empty.
int MovieFrameCount(int requested, int shown, bool firstEmpty);

// A frame side for a drawing side at scale percent (integer division).
int ScaledSide(int side, int scale);

// The movie's length in seconds as the dialog shows it ("%0.2f"); fps of 0 or less counts as 1.
std::string MovieLengthText(int frames, int fps);

// Number i of an image sequence: base + "%03d" + suffix, so 1000 and up get four digits.
std::string SequenceFileName(const std::string& path, int index);
