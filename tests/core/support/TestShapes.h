#pragma once
#include "core/imaging/CImage32.h"
#include "core/shapes/CShapeTable.h"
#include <string>
#include <vector>

// Small in-memory shapes for engine tests: a filled disc on a key colour, shaded like the
// shipped templates (saturated body, grey highlight, dark rim).
inline CImage32 MakeDiscShape(int size, Pixel key = MakePixel(0, 255, 0))
{
    CImage32 img(size, size, key);
    const float c = (size - 1) / 2.0f, r = size / 2.0f - 0.5f;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            float dx = x - c, dy = y - c, d2 = dx * dx + dy * dy;
            if (d2 > r * r)
                continue;
            if (d2 > (r - 1) * (r - 1))
                img.Set(x, y, MakePixel(40, 40, 40));
            else if (dx < -r / 3 && dy < -r / 3)
                img.Set(x, y, MakePixel(230, 230, 230));
            else
                img.Set(x, y, MakePixel(255 - 5 * (x + y) % 100, 0, 0));
        }
    return img;
}

// A table of families A, B, C (sizes 0..2, C lacks Medium) built from discs.
inline void LoadTestShapes(CShapeTable& table)
{
    std::vector<std::string> names = {"A_0_a.bmp", "A_1_a.bmp", "A_2_a.bmp", "B_0_b.bmp", "B_1_b.bmp",
                                      "B_2_b.bmp", "C_0_c.bmp", "C_2_c.bmp"};
    std::vector<CImage32> images;
    for (const auto& n : names)
        images.push_back(MakeDiscShape(n[2] == '0' ? 7 : n[2] == '1' ? 15 : 25));
    table.LoadFromImages(names, images);
    table.PrepareAll();
}
