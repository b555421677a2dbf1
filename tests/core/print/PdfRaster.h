#pragma once
#include "core/base/AtomicFile.h"
#include "core/base/CRect.h"
#include "core/imaging/CImage32.h"
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

// Test support: a PDF page turned into pixels by poppler's pdftoppm, as a person would see it.

// Page 1 of pdf at dpi pixels per inch; false (with the reason in problem) when pdftoppm is
// missing or fails, or its picture cannot be read.
inline bool RasterisePdf(const std::string& pdf, int dpi, const std::string& workDir, CImage32& out,
                         std::string& problem)
{
    const std::string base = workDir + "/page";
    const std::string cmd = "pdftoppm -singlefile -r " + std::to_string(dpi) + " '" + pdf + "' '" + base + "' 2>&1";
    if (std::system(cmd.c_str()) != 0) {
        problem = "pdftoppm failed or is missing (Debian package poppler-utils)";
        return false;
    }
    std::string ppm;
    if (!ReadWholeFile(base + ".ppm", ppm)) {
        problem = "no page picture";
        return false;
    }
    // Binary PPM: "P6", width, height, maximum, one white-space byte, then RGB triples.
    size_t pos = 0;
    auto token = [&]() {
        while (pos < ppm.size() && std::isspace(static_cast<unsigned char>(ppm[pos])))
            ++pos;
        const size_t start = pos;
        while (pos < ppm.size() && !std::isspace(static_cast<unsigned char>(ppm[pos])))
            ++pos;
        return ppm.substr(start, pos - start);
    };
    if (token() != "P6") {
        problem = "not a binary PPM";
        return false;
    }
    const int w = std::atoi(token().c_str()), h = std::atoi(token().c_str());
    token();
    ++pos;
    if (w <= 0 || h <= 0 || ppm.size() < pos + static_cast<size_t>(w) * h * 3) {
        problem = "short PPM";
        return false;
    }
    out = CImage32(w, h);
    const auto* p = reinterpret_cast<const unsigned char*>(ppm.data() + pos);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x, p += 3)
            out.Set(x, y, MakePixel(p[0], p[1], p[2]));
    return true;
}

// The smallest rectangle holding every pixel that is not the page colour.
inline CRect InkBounds(const CImage32& img, Pixel paper = MakePixel(255, 255, 255))
{
    CRect r{img.Width(), img.Height(), 0, 0};
    for (int y = 0; y < img.Height(); ++y)
        for (int x = 0; x < img.Width(); ++x)
            if (img.At(x, y) != paper)
                r = {std::min(r.left, x), std::min(r.top, y), std::max(r.right, x + 1), std::max(r.bottom, y + 1)};
    return r;
}

// Whether the picture inside ink shows drawing: each drawing pixel sampled at the centre of
// the cell it was stretched onto. Returns the number of cells that differ.
inline int DifferingCells(const CImage32& page, const CRect& ink, const CImage32& drawing)
{
    int differ = 0;
    for (int y = 0; y < drawing.Height(); ++y)
        for (int x = 0; x < drawing.Width(); ++x) {
            const int px = ink.left + static_cast<int>((x + 0.5) * ink.Width() / drawing.Width());
            const int py = ink.top + static_cast<int>((y + 0.5) * ink.Height() / drawing.Height());
            differ += page.At(px, py) != drawing.At(x, y);
        }
    return differ;
}

// The drawing lies on the page where printed (in printer pixels, scale page pixels to one of
// them) says, to within one pixel, with its own colours.
inline void ExpectDrawingAt(const CImage32& page, const CRect& printed, double scale, const CImage32& drawing)
{
    const CRect ink = InkBounds(page);
    EXPECT_NEAR(ink.left, printed.left * scale, 1);
    EXPECT_NEAR(ink.top, printed.top * scale, 1);
    EXPECT_NEAR(ink.right, printed.right * scale, 1);
    EXPECT_NEAR(ink.bottom, printed.bottom * scale, 1);
    EXPECT_EQ(DifferingCells(page, ink, drawing), 0);
}
