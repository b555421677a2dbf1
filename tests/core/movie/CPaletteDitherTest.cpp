#include "core/base/AtomicFile.h"
#include "core/base/CRandom.h"
#include "core/movie/CPaletteDither.h"
#include "tests/core/support/Commands.h"
#include "tests/core/support/TempDir.h"
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>

namespace {

constexpr uint32_t kBlack = 0xFF000000u, kWhite = 0xFFFFFFFFu;

// Smooth ramps under a few flat blocks: what dithering must spread and what it must keep.
std::vector<uint32_t> Picture(int w, int h, uint32_t seed)
{
    CRandom rnd(seed);
    std::vector<uint32_t> p(static_cast<size_t>(w) * static_cast<size_t>(h));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            p[static_cast<size_t>(y) * w + x] = 0xFF000000u | uint32_t(x * 255 / w) << 16 | uint32_t(y * 255 / h) << 8
                | uint32_t((x + y) * 127 / (w + h) + 60);
    for (int i = 0; i < 4; ++i) {
        const int x0 = static_cast<int>(rnd.Next() % uint32_t(w - 8)), y0 = static_cast<int>(rnd.Next() % uint32_t(h - 8));
        const uint32_t c = 0xFF000000u | (rnd.Next() & 0xFFFFFF);
        for (int y = y0; y < y0 + 8; ++y)
            for (int x = x0; x < x0 + 8; ++x)
                p[static_cast<size_t>(y) * w + x] = c;
    }
    return p;
}

std::vector<uint8_t> Bytes(const std::vector<uint32_t>& words)
{
    std::vector<uint8_t> b;
    for (uint32_t v : words)
        for (int s : {0, 8, 16, 24})
            b.push_back(static_cast<uint8_t>(v >> s));   // as ffmpeg's bgra
    return b;
}

} // namespace

TEST(CPaletteDither, NearestIsTheFirstOfEqualsAndNeverTheTransparentEntry)
{
    const uint32_t palette[] = {0x00000000u, 0xFF102030u, 0xFF000000u, 0xFF102030u, kWhite};
    CPaletteDither dither(palette, 5);
    EXPECT_EQ(dither.Nearest(0x000000), 2) << "the transparent black is no colour";
    EXPECT_EQ(dither.Nearest(0x102030), 1);
    EXPECT_EQ(dither.Nearest(0x102031), 1) << "asked again, from the table";
    EXPECT_EQ(dither.Nearest(0xF0F0F0), 4);
    EXPECT_EQ(dither.Nearest(0x080808), 2);
}

TEST(CPaletteDither, AFlatGreyBetweenBlackAndWhiteKeepsItsMeanAndPaletteColoursStayPut)
{
    const uint32_t palette[] = {kBlack, kWhite};
    CPaletteDither dither(palette, 2);
    const int w = 64, h = 64;
    std::vector<uint32_t> grey(size_t{w} * h, 0xFF646464u);   // 100 of 255
    std::vector<uint8_t> out(size_t{w} * h, 9);
    ASSERT_TRUE(dither.Dither(grey.data(), w, h, out.data(), w));
    double white = 0;
    for (uint8_t i : out) {
        ASSERT_LE(i, 1);
        white += i;
    }
    EXPECT_NEAR(white / (w * h), 100.0 / 255.0, 0.02);
    // A frame of palette colours only has no error to spread.
    CPaletteDither fresh(palette, 2);
    std::vector<uint32_t> checks(size_t{w} * h);
    for (size_t i = 0; i < checks.size(); ++i)
        checks[i] = (i / 3 + i / w) % 2 ? kWhite : kBlack;
    ASSERT_TRUE(fresh.Dither(checks.data(), w, h, out.data(), w));
    for (size_t i = 0; i < checks.size(); ++i)
        ASSERT_EQ(out[i], checks[i] == kWhite ? 1 : 0) << i;
}

TEST(CPaletteDither, OnlyTheRectangleThatChangedIsDitheredAgain)
{
    const int w = 48, h = 40, stride = 50;
    std::vector<uint32_t> palette;
    for (int i = 0; i < 16; ++i)
        palette.push_back(0xFF000000u | uint32_t(i * 17) << 16 | uint32_t(255 - i * 17) << 8 | 0x40);
    CPaletteDither dither(palette.data(), 16);
    std::vector<uint32_t> a = Picture(w, h, 3), b = a;
    for (int y = 10; y < 14; ++y)
        for (int x = 20; x < 25; ++x)
            b[static_cast<size_t>(y) * w + x] = 0xFF808080u;
    std::vector<uint8_t> outA(size_t{stride} * h, 0), outB(size_t{stride} * h, 0), alone(size_t{stride} * h, 0);
    ASSERT_TRUE(dither.Dither(a.data(), w, h, outA.data(), stride));
    ASSERT_TRUE(dither.Dither(b.data(), w, h, outB.data(), stride));
    CPaletteDither fresh(palette.data(), 16);
    ASSERT_TRUE(fresh.Dither(b.data(), w, h, alone.data(), stride));
    int changedInside = 0, differsFromFresh = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const size_t i = static_cast<size_t>(y) * stride + x;
            const bool inside = y >= 10 && y < 14 && x >= 20 && x < 25;
            if (!inside) {
                ASSERT_EQ(outB[i], outA[i]) << x << "," << y;
            }
            changedInside += inside && outB[i] != outA[i];
            differsFromFresh += outB[i] != alone[i];
        }
    EXPECT_GT(changedInside, 0);
    EXPECT_GT(differsFromFresh, 0) << "a fresh start dithers the whole frame, errors running on";
}

// FFmpeg's paletteuse (Sierra-2-4A, rectangle) searching the whole palette gives exactly our
// pictures; its default tree search, which now and then stops at a colour that is not the
// nearest, gives pictures no closer to the source than ours.
TEST(CPaletteDither, DithersAsFfmpegsPaletteuseDoes)
{
    TempDir dir;
    const int w = 96, h = 64;
    const std::vector<uint32_t> first = Picture(w, h, 11);
    std::vector<uint32_t> second = first;
    for (int y = 20; y < 30; ++y)
        for (int x = 30; x < 50; ++x)
            second[static_cast<size_t>(y) * w + x] ^= 0x00305070u;
    std::vector<uint8_t> both = Bytes(first), more = Bytes(second);
    both.insert(both.end(), more.begin(), more.end());
    ASSERT_TRUE(WriteFileAtomically(dir.File("src.raw"), both));
    const std::string input = "-f rawvideo -pix_fmt bgra -s 96x64 -i " + Quoted(dir.File("src.raw"));
    const CommandOutput pal = RunCommand("ffmpeg -nostdin -v error " + input
                                         + " -vf palettegen=max_colors=256:stats_mode=full -f rawvideo -pix_fmt bgra -");
    ASSERT_EQ(pal.out.size(), 1024u);
    std::vector<uint32_t> palette(256);
    std::memcpy(palette.data(), pal.out.data(), 1024);
    ASSERT_TRUE(WriteFileAtomically(dir.File("pal.raw"), std::vector<uint8_t>(pal.out.begin(), pal.out.end())));
    const auto theirs = [&](const char* search) {
        return RunCommand("ffmpeg -nostdin -v error " + input + " -f rawvideo -pix_fmt bgra -s 16x16 -i "
                          + Quoted(dir.File("pal.raw")) + " -lavfi '[0][1]paletteuse=dither=sierra2_4a:diff_mode=rectangle"
                          + search + "' -f rawvideo -pix_fmt bgra -")
            .out;
    };
    const std::string exact = theirs(":color_search=bruteforce"), tree = theirs("");
    ASSERT_EQ(exact.size(), size_t{2} * w * h * 4);
    ASSERT_EQ(tree.size(), exact.size());
    CPaletteDither dither(palette.data(), 256);
    std::vector<uint8_t> out(size_t{w} * h);
    size_t same = 0, total = 0;
    double ourError = 0, treeError = 0;
    for (int f = 0; f < 2; ++f) {
        const std::vector<uint32_t>& src = f ? second : first;
        ASSERT_TRUE(dither.Dither(src.data(), w, h, out.data(), w));
        for (size_t i = 0; i < out.size(); ++i, ++total) {
            uint32_t them = 0, treeColour = 0;
            const size_t at = (static_cast<size_t>(f) * out.size() + i) * 4;
            std::memcpy(&them, exact.data() + at, 4);
            std::memcpy(&treeColour, tree.data() + at, 4);
            const uint32_t ours = palette[out[i]];
            same += (ours & 0xFFFFFF) == (them & 0xFFFFFF);
            for (int s : {0, 8, 16}) {
                const int want = static_cast<int>(src[i] >> s & 0xFF);
                ourError += std::abs(static_cast<int>(ours >> s & 0xFF) - want);
                treeError += std::abs(static_cast<int>(treeColour >> s & 0xFF) - want);
            }
        }
    }
    std::printf("mean error ours %.3f, ffmpeg's tree search %.3f\n", ourError / (3.0 * total), treeError / (3.0 * total));
    EXPECT_EQ(same, total);
    EXPECT_LE(ourError, treeError * 1.01);
}
