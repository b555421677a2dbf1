#pragma once
#include <cstdint>

// Movie export and the AVI Options dialog: the last choices, kept until the program ends.
struct CMovieSettings {
    int32_t m_movieFrames = 10;
    int32_t m_movieScale = 100;       // frame size in percent of the drawing
    int32_t m_movieFirstEmpty = 0;
    int32_t m_movieFps = 30;
    int32_t m_movieHold = 0;          // seconds the finished drawing stays at the end

    // The options dialog's last OK; -1 = nothing remembered yet.
    int32_t m_aviCompressorIndex = 0;
    int32_t m_aviQuality = -1;
    int32_t m_aviDataRateOn = 0;
    int32_t m_aviDataRate = -1;
    int32_t m_aviKeyFramesOn = 0;
    int32_t m_aviKeyFrameEvery = -1;
};
