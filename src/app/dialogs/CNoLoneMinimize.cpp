#include "app/dialogs/CNoLoneMinimize.h"
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QPointer>
#include <QTimer>

void CNoLoneMinimize::Install()
{
    static QPointer<CNoLoneMinimize> installed;
    if (!installed) {
        installed = new CNoLoneMinimize(qApp);
        qApp->installEventFilter(installed);
    }
}

bool CNoLoneMinimize::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() != QEvent::WindowStateChange || !watched->isWidgetType())
        return false;
    auto* w = static_cast<QWidget*>(watched);
    const bool modalDialog = qobject_cast<QDialog*>(w) && w->isModal();
    const bool toolWindow = w->windowType() == Qt::Tool;
    if (!w->isWindow() || !(modalDialog || toolWindow) || !w->isMinimized())
        return false;
    // After the window manager has finished iconifying, or it would undo the restore.
    QPointer<QWidget> guarded(w);
    QTimer::singleShot(0, w, [guarded] {
        if (!guarded || !guarded->isMinimized())
            return;
        guarded->setWindowState(guarded->windowState() & ~Qt::WindowMinimized);
        guarded->show();
        guarded->raise();
        guarded->activateWindow();
    });
    return false;
}
