#pragma once
#include <cstdint>

// Image files and the background image: dialog choices kept until the program ends.
struct CImageSettings {
    int32_t m_jpegQuality = 16;      // JPEG settings slider 1..20; the encoder gets 5 times it
    int32_t m_backgroundFit = 0;
    int32_t m_backgroundSquash = 0;
    int32_t m_lowColor = 0;          // display of 256 colours or fewer: BMP only, no background
};
