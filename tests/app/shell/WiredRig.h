#pragma once
#include "tests/app/shell/ShellTestSupport.h"
#include "app/shell/CChildFrame.h"
#include "app/shell/CFeatureWiring.h"
#include "tests/core/support/TempDir.h"
#include "app/view/CDrawingWidget.h"
#include <QAction>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

// The program as a user meets it: frame, tool windows and commands wired together, with the
// automatic files kept in a folder of the test's own (or in dataDir, to survive a restart).
struct WiredRig {
    TempDir data;
    std::unique_ptr<ShellRig> rig;
    CFeatureWiring* wiring = nullptr;

    explicit WiredRig(const std::string& dataDir = {})
    {
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(dataDir.empty() ? data.Path() : dataDir));
        rig = std::make_unique<ShellRig>();
        wiring = new CFeatureWiring(*rig->frame, rig->app);
        rig->frame->resize(900, 700);
        rig->frame->show();
        rig->frame->UpdateCommands();
    }

    CChildFrame* NewDrawing(int w, int h)
    {
        rig->nextW = w;
        rig->nextH = h;
        CChildFrame* c = rig->frame->NewDrawing();
        c->DrawingWidget().RunEngine();
        QApplication::processEvents();
        return c;
    }

    void Stroke(CChildFrame& c, const std::vector<QPoint>& pts)
    {
        CDrawingWidget* w = &c.DrawingWidget();
        QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, pts.front());
        for (size_t i = 1; i < pts.size(); ++i) {
            QTest::mouseMove(w, pts[i]);
            w->RunEngine();
        }
        QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, pts.back());
        w->RunEngine();
        QApplication::processEvents();
        rig->frame->UpdateCommands();
    }

    QAction* Act(CommandId id) { return rig->frame->Action(id); }
};
