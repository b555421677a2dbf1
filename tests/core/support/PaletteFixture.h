#pragma once
#include "core/view/CBasicColorsLink.h"
#include "core/shapes/CShapePalette.h"
#include "core/shell/CDaubrixApp.h"
#include "tests/core/support/FakeHost.h"
#include "tests/core/support/TestShapes.h"
#include "core/view/CDaubrixView.h"
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

// A shape table from file names alone; each size gets its own disc diameter.
inline void LoadNamedShapes(CShapeTable& table, const std::vector<std::string>& names)
{
    std::vector<CImage32> images;
    for (const auto& n : names)
        images.push_back(MakeDiscShape(n[2] == '0' ? 9 : n[2] == '1' ? 15 : 25));
    table.LoadFromImages(names, images);
    table.PrepareAll();
}

// Families A..K, each with Small, Medium and Large: 33 shapes, 11 shown at Medium.
inline std::vector<std::string> ElevenFamilies()
{
    std::vector<std::string> names;
    for (char f = 'A'; f <= 'K'; ++f)
        for (char s = '0'; s <= '2'; ++s)
            names.push_back(std::string(1, f) + "_" + s + "_glob.bmp");
    return names;
}

// The palette over a table, with the stand-in colour link recording into an open drawing.
struct PaletteFixture : ::testing::Test {
    FakeHost host;
    CDaubrixApp app{host};
    CBasicColorsLink colors{app.ShapeTable()};
    CShapePalette palette{app.ShapeTable(), colors};
    std::unique_ptr<CDaubrixDoc> doc;
    std::unique_ptr<CDaubrixView> view;
    int fullPaints = 0;
    int selectionPaints = 0;

    CShapeTable& Shapes() { return app.ShapeTable(); }

    void Build(const std::vector<std::string>& names, int width, int height)
    {
        LoadNamedShapes(app.ShapeTable(), names);
        doc = std::make_unique<CDaubrixDoc>(app.ShapeTable(), &host);
        doc->SetWidth(200);
        doc->SetHeight(150);
        view = std::make_unique<CDaubrixView>(app, *doc);
        view->OnInitialUpdate();
        colors.m_activeView = [this] { return view.get(); };
        palette.m_requestPaint = [this](bool selectionOnly) { ++(selectionOnly ? selectionPaints : fullPaints); };
        palette.Resize(width, height);
    }

    // Client point in the middle of the k-th shown cell.
    static int CellX(const CShapePalette& p, int k) { return p.Layout().CentreX(k); }
    static int CellY(const CShapePalette& p, int k) { return p.Layout().CentreY(k); }

    void SetColour(int shape, int h, int s, int v)
    {
        CShape& sh = Shapes().Shape(shape);
        sh.m_hue = static_cast<int16_t>(h);
        sh.m_saturation = static_cast<uint8_t>(s);
        sh.m_value = static_cast<uint8_t>(v);
    }
    HsvColor ColourOf(int shape)
    {
        const CShape& sh = Shapes().Shape(shape);
        return {sh.m_hue, sh.m_saturation, sh.m_value};
    }
};
