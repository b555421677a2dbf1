#pragma once
#include <cstdint>

// Playing a drawing back: the history position moves from a start to an end over a number of
// frames, each frame showing the globs it adds. Which frame is due comes from the time passed,
// so a slow frame makes the next one take a larger step and the whole keeps its length.
class CPlayback {
public:
    struct Range {
        int from;
        int to;
    };

    // frames is at least 1; end is not below start.
    CPlayback(int start, int end, int frames);
    // The frames for seconds at the display's rate.
    static int FrameCount(double seconds, double framesPerSecond);

    int Frames() const { return m_frames; }
    int Frame() const { return m_frame; }
    bool Done() const { return m_frame >= m_frames; }
    // The history position after frame i (0: the start, Frames(): the end).
    int PositionAt(int frame) const;
    // Moves to the frame due after elapsed seconds (at least one frame on, at most the last)
    // and returns the globs it adds.
    Range Advance(double elapsed, double framesPerSecond);
    // The next frame's globs.
    Range Next();

private:
    Range MoveTo(int frame);

    int m_start;
    int m_end;
    int m_frames;
    int m_frame = 0;
};
