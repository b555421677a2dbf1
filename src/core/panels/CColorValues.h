#pragma once
#include "core/colour/HsvColor.h"
#include <string>

// The six numbers of the colour values dialog and the conversions between its two halves.
struct CColorValues {
    int hue = 0, saturation = 0, value = 0;
    int red = 0, green = 0, blue = 0;

    // HSV as given, RGB converted from it.
    static CColorValues FromHsv(HsvColor c);
    // ">>": the red, green and blue of the hue, saturation and value.
    void HsvToRgbFields();
    // "<<": hue, saturation and value of the red, green and blue, each truncated.
    void RgbToHsvFields();
    // The colour the dialog hands back: the typed HSV while the RGB numbers are untouched,
    // otherwise the RGB numbers converted.
    static HsvColor Result(const CColorValues& opened, const CColorValues& accepted);

    static constexpr int HueMax = 360;
    static constexpr int ByteMax = 255;
    // Reads one field; false for text that is not a whole number within lo..hi.
    static bool ParseField(const std::string& text, int lo, int hi, int& out);
    static std::string RangeMessage(int lo, int hi);
};
