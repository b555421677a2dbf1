#pragma once
#include <QObject>

// Some window managers (openbox among them) give every dialog and tool window an iconify
// button whatever the window asks for. A modal dialog iconified alone leaves the program
// blocked with nothing to answer, and a tool window has no taskbar entry to come back from:
// both are put back on screen at once. Installed once on the application.
class CNoLoneMinimize : public QObject {
public:
    static void Install();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    using QObject::QObject;
};
