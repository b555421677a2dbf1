#pragma once
#include "core/shell/CDaubrixApp.h"
#include "app/shell/CMainFrame.h"
#include "core/base/CMapProfile.h"
#include "tests/core/support/FakeHost.h"
#include "tests/core/support/TestShapes.h"
#include <QApplication>
#include <QString>
#include <cstdlib>
#include <memory>

// One application, profile and main frame, as the program builds them at start-up.
struct ShellRig {
    FakeHost host;
    CDaubrixApp app{host};
    CMapProfile profile;
    std::unique_ptr<CMainFrame> frame;
    int askedW = 400, askedH = 400;
    bool answer = true;   // what the size question answers

    ShellRig()
    {
        LoadTestShapes(app.ShapeTable());
        frame = std::make_unique<CMainFrame>(app, profile);
        frame->m_askDrawingSize = [this](int& w, int& h, bool&) {
            askedW = w;
            askedH = h;
            if (!answer)
                return false;
            w = nextW;
            h = nextH;
            return true;
        };
    }
    int nextW = 400, nextH = 400;

    void Settle() { QApplication::processEvents(); }
};

// Screenshots for looking at, written only when DAUBRIX_SHOTS names a folder.
inline void MaybeShoot(QWidget& w, const char* name)
{
    if (const char* dir = std::getenv("DAUBRIX_SHOTS"))
        w.grab().save(QString("%1/%2.png").arg(dir, name));
}
