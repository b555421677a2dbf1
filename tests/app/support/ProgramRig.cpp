#include "tests/app/support/ProgramRig.h"
#include "app/menus/CMenuContext.h"
#include <QApplication>
#include <gtest/gtest.h>

ProgramRig::ProgramRig(Features features, const std::string& dataDir)
{
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(dataDir.empty() ? data.Path() : dataDir));
    LoadTestShapes(app.ShapeTable());
    // A tip greeting the test would stand in its way; one test looks at it on purpose.
    profile.SetInt("Tip", "StartUp", 1);
    frame = std::make_unique<CMainFrame>(app, profile);
    InstallMenus(*frame, app);
    frame->m_askDrawingSize = [this](int& w, int& h, bool&) {
        askedW = w;
        askedH = h;
        if (!answer)
            return false;
        w = nextW;
        h = nextH;
        return true;
    };
    if (features == Bare)
        return;
    wiring = new CFeatureWiring(*frame, app);
    frame->resize(900, 700);
    frame->show();
    frame->UpdateCommands();
}

void ProgramRig::Settle()
{
    QApplication::processEvents();
}

CChildFrame* ProgramRig::NewDrawing(int w, int h)
{
    nextW = w;
    nextH = h;
    CChildFrame* c = frame->NewDrawing();
    c->DrawingWidget().RunEngine();
    Settle();
    return c;
}

CChildFrame* ProgramRig::Drawing(int w, int h)
{
    CChildFrame* c = NewDrawing(w, h);
    Stroke(*c, {{20, 20}, {w / 2, h / 3}, {w - 20, h / 2}, {w / 3, h - 20}});
    return c;
}

CChildFrame* ProgramRig::SavedDrawing(int w, int h, const std::string& path)
{
    CChildFrame* c = Drawing(w, h);
    c->Doc().SetPathName(path);
    Run(CommandId::FileSave);
    return c;
}

void ProgramRig::Stroke(CChildFrame& c, const std::vector<QPoint>& pts)
{
    CDrawingWidget* w = &c.DrawingWidget();
    QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, pts.front());
    for (size_t i = 1; i < pts.size(); ++i) {
        QTest::mouseMove(w, pts[i]);
        w->RunEngine();
    }
    QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, pts.back());
    w->RunEngine();
    Settle();
    frame->UpdateCommands();
}

void ProgramRig::Run(CommandId id)
{
    frame->UpdateCommands();
    ASSERT_TRUE(Act(id)->isEnabled()) << Act(id)->text().toStdString();
    Act(id)->trigger();
    Settle();
    if (CChildFrame* c = frame->ActiveChild())
        c->DrawingWidget().RunEngine();
    frame->UpdateCommands();
}

void ProgramRig::Close(CChildFrame* c)
{
    c->close();
    Settle();
}
