#pragma once
#include "tests/core/support/FakeHost.h"
#include "tests/core/support/TestShapes.h"
#include "core/shell/CDaubrixApp.h"
#include "core/view/CDaubrixView.h"
#include <gtest/gtest.h>
#include <vector>

// Counts what a view tells the program.
struct RecordingObserver : IViewObserver {
    int historyChanges = 0;
    std::vector<HsvColor> colorsShown;
    void HistoryChanged() override { ++historyChanges; }
    void ColorShown(HsvColor c) override { colorsShown.push_back(c); }
};

// A 200 x 100 drawing with its view, and every drawing mode off so that a test switches on
// only what it looks at.
class DrawingFixture : public ::testing::Test {
protected:
    FakeHost host;
    CDaubrixApp app{host};
    CDaubrixDoc doc{app.ShapeTable(), &host};
    std::unique_ptr<CDaubrixView> view;
    RecordingObserver observer;

    void SetUp() override
    {
        LoadTestShapes(app.ShapeTable());
        doc.SetWidth(200);
        doc.SetHeight(100);
        app.Drawing().m_jitter = 0;
        app.Drawing().m_polar = 0;
        view = std::make_unique<CDaubrixView>(app, doc);
        view->SetObserver(&observer);
        view->OnInitialUpdate();
    }
    CStrokeEngine& stroke() { return view->Stroke(); }

    // A freehand stroke through the given points.
    void Drag(std::vector<CPoint> pts)
    {
        stroke().ButtonDown(pts[0].x, pts[0].y, false, false);
        for (size_t i = 1; i < pts.size(); ++i)
            stroke().MouseMove(pts[i].x, pts[i].y, false);
        stroke().ButtonUp();
    }
    std::vector<CPoint> Globs() const
    {
        std::vector<CPoint> out;
        for (const CGlob& g : doc.Globs())
            out.push_back({g.m_x, g.m_y});
        return out;
    }
};
