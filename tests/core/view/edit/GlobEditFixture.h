#pragma once
#include "core/colour/ColorRef.h"
#include "core/view/CReplayer.h"
#include "core/view/IImportDialogs.h"
#include "core/commands/ImageImport.h"
#include "core/view/edit/CGlobEdits.h"
#include "tests/core/support/DrawingFixture.h"
#include <array>
#include <ostream>
#include <vector>

// Everything of a document that undo and redo must give back.
struct DocState {
    std::vector<CGlob> globs;
    std::vector<CColorChange> changes;
    int floor = 0;
    std::vector<int> sections;
    int shown = 0;
    bool operator==(const DocState&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const DocState& s)
{
    os << s.globs.size() << " globs, shown " << s.shown << ", changes:";
    for (const CColorChange& c : s.changes)
        os << " " << c.m_position << "=" << c.m_hue << "/" << int(c.m_saturation) << "/" << int(c.m_value);
    os << ", floor " << s.floor << ", sections:";
    for (int b : s.sections)
        os << " " << b;
    return os;
}

// A drawing view with strokes in chosen colours and shapes, and ways to look at the result.
class GlobEditFixture : public DrawingFixture {
protected:
    CGlobEdits& edits() { return view->Edits(); }

    // A stroke of n globs in a row from (x, y), in shape `shape` of colour hue.
    void Stroke(int hue, int n, int x, int y, int shape = 0, int step = 4)
    {
        app.ShapeTable().m_currentShape = static_cast<uint8_t>(shape);
        app.CurrentShape().m_hue = static_cast<int16_t>(hue);
        std::vector<CPoint> pts;
        for (int i = 0; i < n; ++i)
            pts.push_back({x + step * (i % 40), y + 6 * (i / 40)});
        Drag(pts);
        view->Paint();
    }
    // Three strokes of 4, 5 and 6 globs: three colours, the middle one in another shape.
    void ThreeStrokes()
    {
        Stroke(10, 4, 10, 10);
        Stroke(130, 5, 30, 40, 3);
        Stroke(250, 6, 60, 70);
    }

    // Image > Import with the file chosen and the settings as they stand.
    void Import(const std::string& path)
    {
        struct Dialogs : IImportDialogs {
            std::string path;
            std::string AskImportPath() override { return path; }
            bool AskImportSettings(CImportSettings&) override { return true; }
        } dialogs;
        dialogs.path = path;
        ImportImageCommand(app, *view, dialogs);
    }

    DocState State() const
    {
        DocState s{doc.Globs(), doc.ColorChanges(), doc.Sections().Floor(), {}, view->ShownCount()};
        for (int i = 0; i < doc.Sections().Count(); ++i)
            s.sections.push_back(doc.Sections().At(i));
        return s;
    }
    // What the view shows once its pending work is done.
    CImage32 Rendered()
    {
        view->Paint();
        return view->DrawingImage();
    }
    // The shown globs replayed from nothing, as a fresh regeneration would draw them.
    CImage32 Replayed()
    {
        CImage32 img(doc.Width(), doc.Height());
        img.Fill(ColorRefToPixel(doc.BackgroundColor()));
        CReplayer(doc).Draw(img, 0, view->ShownCount());
        return img;
    }
};
