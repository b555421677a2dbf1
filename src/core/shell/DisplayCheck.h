#pragma once

// A screen of 256 colours or fewer cannot show the drawings as meant: the program warns once
// at start-up and leaves out what needs true colour (JPEG, movies, background images).
inline bool IsLowColorDisplay(int bitsPerPixel)
{
    return bitsPerPixel <= 8;
}

constexpr const char* kLowColorTitle = "Too Few Colors!";
constexpr const char* kLowColorText =
    "The current display mode is 8-bit (256 colors) or less.\n\n"
    "Daubrix was designed to be run in display modes of greater than 256 colors, so the colors "
    "displayed in the current mode will be a very poor approximation, and some features must be "
    "disabled.\n\n"
    "To see everything the way it was intended to be seen, please exit Daubrix, switch to a 16, "
    "24, or 32-bit display mode, and run Daubrix again.";
