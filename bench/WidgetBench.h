#pragma once
#include "app/view/CDrawingWidget.h"
#include <QApplication>
#include <QPaintEvent>
#include <cstdlib>

// The program's drawing widget on Qt's offscreen platform, counting the paints it receives.
namespace bench {

class CountingWidget : public CDrawingWidget {
public:
    using CDrawingWidget::CDrawingWidget;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent* e) override
    {
        ++paints;
        CDrawingWidget::paintEvent(e);
    }
};

// Runs the event loop until the engine has nothing left to do and the window has painted
// what it did.
inline void Settle(CountingWidget& w)
{
    for (;;) {
        QCoreApplication::processEvents();
        if (w.View().NeedsEngineWork())
            continue;
        const int before = w.paints;
        for (int spin = 0; spin < 1000 && w.paints == before; ++spin)
            QCoreApplication::processEvents();
        if (!w.View().NeedsEngineWork())
            return;
    }
}

// The offscreen platform unless the caller chose one.
inline void UseOffscreenPlatform()
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
}

} // namespace bench
