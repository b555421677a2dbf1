#include "core/panels/CColorValues.h"
#include <gtest/gtest.h>

namespace {
HsvColor C(int h, int s, int v)
{
    return {static_cast<int16_t>(h), static_cast<uint8_t>(s), static_cast<uint8_t>(v)};
}
} // namespace

TEST(CColorValues, OpeningFillsRgbFromHsv)
{
    const CColorValues v = CColorValues::FromHsv(C(0, 255, 255));
    EXPECT_EQ(v.hue, 0);
    EXPECT_EQ(v.saturation, 255);
    EXPECT_EQ(v.value, 255);
    EXPECT_EQ(v.red, 255);
    EXPECT_EQ(v.green, 0);
    EXPECT_EQ(v.blue, 0);
}

TEST(CColorValues, TypedHsvIsKeptExactlyWhileRgbIsUntouched)
{
    const CColorValues opened = CColorValues::FromHsv(C(0, 255, 255));
    CColorValues typed = opened;
    typed.value = 128;
    EXPECT_EQ(CColorValues::Result(opened, typed), C(0, 255, 128));
}

TEST(CColorValues, ChangedRgbDecides)
{
    const CColorValues opened = CColorValues::FromHsv(C(0, 255, 255));
    CColorValues typed = opened;
    typed.red = 0;
    typed.green = 0;
    typed.blue = 255;
    typed.hue = 17;   // ignored once RGB differs
    EXPECT_EQ(CColorValues::Result(opened, typed), C(240, 255, 255));
}

TEST(CColorValues, ConversionButtonsTruncateBothWays)
{
    CColorValues v = CColorValues::FromHsv(C(0, 255, 255));
    v.hue = 200;
    v.saturation = 100;
    v.value = 100;
    v.HsvToRgbFields();
    EXPECT_EQ(v.red, 60);
    EXPECT_EQ(v.green, 86);
    EXPECT_EQ(v.blue, 100);
    v.RgbToHsvFields();
    EXPECT_NEAR(v.hue, 200, 2);
    EXPECT_NEAR(v.saturation, 100, 2);
    EXPECT_NEAR(v.value, 100, 2);
    // The RGB produced by ">>" now differs from the opening colour, so it decides the result.
    const CColorValues opened = CColorValues::FromHsv(C(0, 255, 255));
    CColorValues afterRight = opened;
    afterRight.hue = 200;
    afterRight.saturation = 100;
    afterRight.value = 100;
    afterRight.HsvToRgbFields();
    CColorValues expected = afterRight;
    expected.RgbToHsvFields();
    EXPECT_EQ(CColorValues::Result(opened, afterRight), C(expected.hue, expected.saturation, expected.value));

    CColorValues grey;
    grey.red = grey.green = grey.blue = 77;
    grey.RgbToHsvFields();
    EXPECT_EQ(grey.hue, 0);
    EXPECT_EQ(grey.saturation, 0);
    EXPECT_EQ(grey.value, 77);
}

TEST(CColorValues, FieldValidation)
{
    int out = -1;
    EXPECT_TRUE(CColorValues::ParseField("360", 0, 360, out));
    EXPECT_EQ(out, 360);
    EXPECT_TRUE(CColorValues::ParseField(" 7 ", 0, 255, out));
    EXPECT_EQ(out, 7);
    out = -1;
    EXPECT_FALSE(CColorValues::ParseField("361", 0, 360, out));
    EXPECT_FALSE(CColorValues::ParseField("-1", 0, 255, out));
    EXPECT_FALSE(CColorValues::ParseField("", 0, 255, out));
    EXPECT_FALSE(CColorValues::ParseField("12a", 0, 255, out));
    EXPECT_FALSE(CColorValues::ParseField("99999999999999", 0, 255, out));
    EXPECT_FALSE(CColorValues::ParseField("-", 0, 255, out));
    EXPECT_EQ(out, -1);
    EXPECT_EQ(CColorValues::RangeMessage(0, 255), "Please enter an integer between 0 and 255.");
    EXPECT_EQ(CColorValues::RangeMessage(0, 360), "Please enter an integer between 0 and 360.");
}
