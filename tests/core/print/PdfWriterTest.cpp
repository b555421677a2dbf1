#include "core/base/AtomicFile.h"
#include "core/print/PdfWriter.h"
#include "tests/core/print/PdfRaster.h"
#include "tests/core/support/TempDir.h"
#include <gtest/gtest.h>

namespace {
std::vector<uint8_t> RunLengthDecode(const std::vector<uint8_t>& in)
{
    std::vector<uint8_t> out;
    for (size_t i = 0; i < in.size();) {
        const int n = in[i++];
        if (n == 128)
            break;
        if (n < 128) {
            out.insert(out.end(), in.begin() + static_cast<long>(i), in.begin() + static_cast<long>(i + n + 1));
            i += static_cast<size_t>(n) + 1;
        } else {
            out.insert(out.end(), static_cast<size_t>(257 - n), in[i++]);
        }
    }
    return out;
}

// Blocks of colour with single odd pixels, so both runs and literal stretches occur.
CImage32 Checker(int w, int h)
{
    CImage32 img(w, h, MakePixel(20, 40, 200));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if ((x / 3 + y / 2) % 2)
                img.Set(x, y, MakePixel(250, 200 - x, 10 + y));
    img.Set(0, 0, MakePixel(0, 0, 0));
    return img;
}
} // namespace

TEST(PdfWriter, RunLengthRoundTrips)
{
    std::vector<std::vector<uint8_t>> inputs = {{}, {7}, {7, 7}, {1, 2, 3}, {1, 2, 2, 3}};
    inputs.emplace_back(1000, 9);
    std::vector<uint8_t> mixed;
    for (int i = 0; i < 700; ++i)
        mixed.push_back(static_cast<uint8_t>(i % 5 == 0 ? 1 : i * 37));
    inputs.push_back(mixed);
    for (const auto& in : inputs) {
        const std::vector<uint8_t> encoded = RunLengthEncode(in);
        ASSERT_FALSE(encoded.empty());
        EXPECT_EQ(encoded.back(), 128);
        EXPECT_EQ(RunLengthDecode(encoded), in) << in.size();
    }
    EXPECT_LT(RunLengthEncode(std::vector<uint8_t>(1000, 9)).size(), 20u);
}

TEST(PdfWriter, PageSizeAndPictureSeenThroughPoppler)
{
    TempDir dir;
    const CImage32 drawing = Checker(30, 20);
    // A page of 4 x 3 inches with the picture at (1, 0.5) inches, 2 x 1.5 inches large.
    const std::vector<uint8_t> pdf = BuildImagePagePdf(drawing, 288, 216, {72, 36, 144, 108});
    const std::string path = dir.File("page.pdf");
    ASSERT_TRUE(WriteFileAtomically(path, pdf));
    CImage32 page;
    std::string problem;
    ASSERT_TRUE(RasterisePdf(path, 60, dir.Path(), page, problem)) << problem;
    EXPECT_EQ(page.Width(), 240);
    EXPECT_EQ(page.Height(), 180);
    const CRect ink = InkBounds(page);
    EXPECT_NEAR(ink.left, 60, 1);
    EXPECT_NEAR(ink.top, 30, 1);
    EXPECT_NEAR(ink.right, 180, 1);
    EXPECT_NEAR(ink.bottom, 120, 1);
    EXPECT_EQ(DifferingCells(page, ink, drawing), 0);
}
