#include "core/movie/CAviOptionsModel.h"
#include "core/settings/CMovieSettings.h"
#include <gtest/gtest.h>

namespace {

// A fixed list, so the rules are checked apart from what the library offers.
std::vector<CompressorInfo> List()
{
    return {
        {FourCC("MJPG"), "Motion JPEG", "mjpeg", kCompressorQuality | kCompressorDataRate, 0, 8500, false, true},
        {FourCC("FMP4"), "MPEG-4 Part 2", "mpeg4", 7, 15, 8000, false, true},
        {FourCC("H264"), "H.264 (x264)", "libx264", 7, 30, 7500, true, true},
        {0, "Full Frames (Uncompressed)", "", 0, 0, 0, false, false},
    };
}

} // namespace

TEST(AviOptionsModelTest, SelectionSetsDefaultsAndEnablesByCapability)
{
    CAviOptionsModel m(List(), AviOptions{});
    EXPECT_EQ(m.Selection(), 3) << "an unknown current handler selects the uncompressed entry";
    m.Open(CMovieSettings{});
    EXPECT_EQ(m.Selection(), 0);
    EXPECT_EQ(m.quality, 8500);
    EXPECT_FALSE(m.keyFramesOn) << "no temporal compression: key frames off";
    EXPECT_TRUE(m.QualityEnabled());
    EXPECT_TRUE(m.DataRateEnabled());
    EXPECT_FALSE(m.KeyFramesEnabled());
    EXPECT_TRUE(m.AboutEnabled());
    EXPECT_FALSE(m.ConfigureEnabled());

    m.keyFramesOn = true;
    m.Select(2);
    EXPECT_EQ(m.keyFrameText, "30");
    EXPECT_TRUE(m.keyFramesOn);
    EXPECT_EQ(m.quality, 7500);
    EXPECT_TRUE(m.ConfigureEnabled());

    m.state = {'f', 'a', 's', 't'};
    m.Select(3);
    EXPECT_TRUE(m.state.empty()) << "a new selection drops the stored configuration";
    EXPECT_FALSE(m.QualityEnabled() || m.DataRateEnabled() || m.KeyFramesEnabled() || m.AboutEnabled()
                 || m.ConfigureEnabled());
    AviOptions out;
    m.keyFramesOn = m.dataRateOn = true;
    ASSERT_EQ(m.Accept(out), CAviOptionsModel::Invalid::None);
    EXPECT_EQ(out.handler, 0u);
    EXPECT_EQ(out.quality, 0);
    EXPECT_EQ(out.keyFramesOn, 0) << "forced off without the capability";
    EXPECT_EQ(out.dataRateOn, 0);
}

TEST(AviOptionsModelTest, NumbersMustBeGreaterThanZeroWhereTheirBoxIsChecked)
{
    struct Case {
        int index;
        bool keyOn;
        std::string key;
        bool rateOn;
        std::string rate;
        CAviOptionsModel::Invalid result;
    };
    const Case cases[] = {
        {1, true, "0", false, "300", CAviOptionsModel::Invalid::KeyFrameEvery},
        {1, true, "x", false, "300", CAviOptionsModel::Invalid::KeyFrameEvery},
        {1, false, "0", true, "-5", CAviOptionsModel::Invalid::DataRate},
        {1, true, "12", true, "0", CAviOptionsModel::Invalid::DataRate},
        {1, true, "12", true, "250", CAviOptionsModel::Invalid::None},
        {0, true, "0", false, "0", CAviOptionsModel::Invalid::None},   // key frames not offered: ignored
    };
    for (const Case& c : cases) {
        CAviOptionsModel m(List(), AviOptions{});
        m.Select(c.index);
        m.keyFramesOn = c.keyOn;
        m.keyFrameText = c.key;
        m.dataRateOn = c.rateOn;
        m.dataRateText = c.rate;
        AviOptions out;
        out.handler = 99;
        EXPECT_EQ(m.Accept(out), c.result) << c.index << " " << c.key << " " << c.rate;
        if (c.result != CAviOptionsModel::Invalid::None) {
            EXPECT_EQ(out.handler, 99u) << "a refused OK changes nothing";
        }
    }
}

TEST(AviOptionsModelTest, ReopeningRestoresTheChoicesOfTheLastOk)
{
    CMovieSettings remembered;
    {
        CAviOptionsModel m(List(), AviOptions{});
        m.Open(remembered);
        m.Select(1);
        m.quality = 4321;
        m.keyFramesOn = true;
        m.keyFrameText = "7";
        m.dataRateOn = true;
        m.dataRateText = "450";
        AviOptions out;
        ASSERT_EQ(m.Accept(out), CAviOptionsModel::Invalid::None);
        CAviOptionsModel::Remember(out, remembered);
        EXPECT_EQ(out.handler, FourCC("FMP4"));
        EXPECT_EQ(out.quality, 4321);
        EXPECT_EQ(out.keyFrameEvery, 7);
        EXPECT_EQ(out.dataRate, 450);
    }
    CAviOptionsModel again(List(), AviOptions{});
    again.Open(remembered);
    EXPECT_EQ(again.Selection(), 1);
    EXPECT_EQ(again.quality, 4321);
    EXPECT_TRUE(again.keyFramesOn);
    EXPECT_EQ(again.keyFrameText, "7");
    EXPECT_TRUE(again.dataRateOn);
    EXPECT_EQ(again.dataRateText, "450");
}
