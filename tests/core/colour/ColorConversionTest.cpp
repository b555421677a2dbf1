#include "core/colour/ColorConversion.h"
#include <algorithm>
#include <gtest/gtest.h>

TEST(RgbToHsv, WorkedExamplesAndTies)
{
    HsvF black = RgbToHsv(0, 0, 0);
    EXPECT_EQ(black.hue, 0.0f);
    EXPECT_EQ(black.saturation, 0.0f);
    EXPECT_EQ(black.value, 0.0f);
    EXPECT_FLOAT_EQ(RgbToHsv(255, 0, 255).hue, 300.0f);
    EXPECT_FLOAT_EQ(RgbToHsv(255, 255, 0).hue, 60.0f);   // red wins the tie with green
    EXPECT_FLOAT_EQ(RgbToHsv(0, 255, 255).hue, 180.0f);  // green wins the tie with blue
    HsvF grey = RgbToHsv(128, 128, 128);
    EXPECT_EQ(grey.saturation, 0.0f);
    EXPECT_EQ(grey.hue, 0.0f);
    EXPECT_FLOAT_EQ(grey.value, 128 * 0.003921569f);
    // Only the low 8 bits of each input count.
    HsvF wrapped = RgbToHsv(256 + 255, 0, 0);
    EXPECT_FLOAT_EQ(wrapped.value, 255 * 0.003921569f);
    EXPECT_FLOAT_EQ(RgbToHsv(255, 0, 128).hue, 360.0f - 60.0f * (128 * 0.003921569f) / (255 * 0.003921569f));
}

TEST(HsvToRgb, EdgeCasesAndTruncation)
{
    EXPECT_EQ(HsvToRgb(360, 1.0f, 1.0f), HsvToRgb(0, 1.0f, 1.0f));
    EXPECT_EQ(HsvToRgb(0, 1.0f, 1.0f), MakeColorRef(255, 0, 0));
    for (int hue : {0, 45, 180, 359, 360})
        EXPECT_EQ(HsvToRgb(hue, 0.0f, 1.0f), MakeColorRef(255, 255, 255)) << hue;
    EXPECT_EQ(HsvToRgb(120, 1.0f, 1.0f), MakeColorRef(0, 255, 0));
    EXPECT_EQ(HsvToRgb(240, 1.0f, 1.0f), MakeColorRef(0, 0, 255));
    // 0.5 * 255 = 127.5 truncates to 127, never rounds up.
    EXPECT_EQ(HsvToRgb(0, 0.0f, 0.5f), MakeColorRef(127, 127, 127));
    // Hue 30: hh = 0.5, t = v * (1 - s * 0.5).
    EXPECT_EQ(HsvToRgb(30, 1.0f, 1.0f), MakeColorRef(255, 127, 0));
    // Hue 300: hh = 5.0000005 in single precision, so q = 1 - f lands just below 1 and the blue
    // channel truncates to 254. Exactness here is what keeps stored colours stable.
    EXPECT_EQ(HsvToRgb(300, 1.0f, 1.0f), MakeColorRef(255, 0, 254));
}

TEST(ColorConversion, RoundTripsLoseAtMostOneUnitOnCleanHues)
{
    struct Case {
        int r, g, b;
    } cases[] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 0}, {255, 0, 255}, {0, 255, 255},
                 {255, 255, 255}, {0, 0, 0}, {200, 200, 200}, {17, 17, 17}, {128, 0, 0}, {0, 64, 64}};
    for (const Case& c : cases) {
        HsvF h = RgbToHsv(c.r, c.g, c.b);
        ColorRef back = HsvToRgb(static_cast<int>(h.hue), h.saturation, h.value);
        EXPECT_NEAR(RedOf(back), c.r, 1) << c.r << "," << c.g << "," << c.b;
        EXPECT_NEAR(GreenOf(back), c.g, 1) << c.r << "," << c.g << "," << c.b;
        EXPECT_NEAR(BlueOf(back), c.b, 1) << c.r << "," << c.g << "," << c.b;
        EXPECT_LE(RedOf(back), c.r);   // truncation only ever loses
        EXPECT_LE(GreenOf(back), c.g);
        EXPECT_LE(BlueOf(back), c.b);
    }
}

TEST(RgbToHsvBytes, GivesRgbToHsvsNumbersForEveryColour)
{
    // Every colour, a blue run at a time; an odd count exercises the padded tail too.
    int32_t r[256], g[256], b[256];
    int16_t hue[256];
    uint8_t saturation[256], value[256];
    long mismatches = 0;
    for (int red = 0; red < 256; ++red)
        for (int green = 0; green < 256; ++green) {
            const size_t n = green % 2 ? 255 : 256;
            for (int blue = 0; blue < 256; ++blue)
                r[blue] = red, g[blue] = green, b[blue] = blue;
            RgbToHsvBytes(r, g, b, n, {hue, saturation, value});
            for (size_t blue = 0; blue < n; ++blue) {
                const HsvF f = RgbToHsv(red, green, static_cast<int>(blue));
                const int want[3] = {static_cast<int16_t>(f.hue), static_cast<uint8_t>(f.saturation * 255.0f),
                                     static_cast<uint8_t>(f.value * 255.0f)};
                const int got[3] = {hue[blue], saturation[blue], value[blue]};
                if (!std::equal(got, got + 3, want) && ++mismatches < 5)
                    ADD_FAILURE() << red << "," << green << "," << blue << ": " << got[0] << " " << got[1] << " " << got[2]
                                  << " for " << want[0] << " " << want[1] << " " << want[2];
            }
        }
    EXPECT_EQ(mismatches, 0);
}
