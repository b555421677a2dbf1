#include "app/shell/CMainFrame.h"
#include "app/widgets/ProgramIcon.h"
#include "app/shell/CChildFrame.h"
#include "app/dialogs/CNewDrawingDialog.h"
#include "core/shell/CDaubrixApp.h"
#include "core/base/IProfile.h"
#include "app/view/CDrawingWidget.h"
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMimeData>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>

// The icons live in the app library; a static library's resources must be registered by hand.
static void InitResources()
{
    Q_INIT_RESOURCE(daubrix);
}

namespace {
constexpr const char* kIdleText = "Ready";
constexpr int kRecentCount = 4;

bool IsDrawingFile(const QUrl& url)
{
    return url.isLocalFile() && url.toLocalFile().endsWith(".dbx", Qt::CaseInsensitive);
}
} // namespace

CMainFrame::CMainFrame(CDaubrixApp& app, IProfile& profile, QWidget* parent)
    : QMainWindow(parent), m_app(app), m_profile(profile)
{
    InitResources();
    setWindowTitle("Daubrix");
    setWindowIcon(ProgramIcon());
    setAcceptDrops(true);
    m_mdi = new QMdiArea;
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdi);
    connect(m_mdi, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* w) {
        m_titleChild = w;
        ShowTitle();
        UpdateCommands();
    });
    // Whatever the user did last (a click in a tool window, a key in a dialog) may have changed
    // what the commands can do: their states follow once the event is handled.
    qApp->installEventFilter(this);

    // Coming back to the program, the next paint copies each drawing whole.
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState st) {
        if (st == Qt::ApplicationActive)
            m_app.SetBlitAllOnActivate(true);
    });

    CreateActions();
    CreateMenus();
    CreateToolbars();
    CreateStatusBar();
    CreateToolWindowSlots();

    // Toolbar positions and visibility from the last run.
    QByteArray state = QByteArray::fromBase64(QByteArray::fromStdString(m_profile.GetString("Toolbars", "State", "")));
    if (!state.isEmpty())
        restoreState(state);
    for (int i = 0; i < kRecentCount; ++i) {
        std::string f = m_profile.GetString("Recent File List", "File" + std::to_string(i + 1), "");
        if (!f.empty())
            m_recent << QString::fromStdString(f);
    }
    RefreshRecentActions();
    UpdateCommands();
}

CMainFrame::~CMainFrame()
{
    // Drawing windows own views that refer to the application: close them while it exists.
    // Closed ones may still wait for their deferred deletion.
    for (CChildFrame* c : findChildren<CChildFrame*>()) {
        disconnect(c, nullptr, this, nullptr);
        delete c;
    }
}

void CMainFrame::CreateStatusBar()
{
    m_messagePane = new QLabel(kIdleText);
    m_messagePane->setMinimumWidth(1);
    m_progressPane = new QLabel(" ");
    m_progressPane->setFixedWidth(30);
    m_progressPane->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_progressPane->setFrameShape(QFrame::Panel);
    m_progressPane->setFrameShadow(QFrame::Sunken);
    statusBar()->addWidget(m_messagePane, 1);
    statusBar()->addPermanentWidget(m_progressPane);
}

QWidget* CMainFrame::Bar(int i) const
{
    if (i == 0)
        return m_toolbar1;
    if (i == 1)
        return m_toolbar2;
    return statusBar();
}

bool CMainFrame::IsBarVisible(int i) const
{
    return !Bar(i)->isHidden();
}

void CMainFrame::SetBarVisible(int i, bool visible)
{
    Bar(i)->setVisible(visible);
    UpdateCommands();
}

void CMainFrame::RepaintViewsUnder(const QRect& screenRect)
{
    for (CChildFrame* c : Children()) {
        QWidget* v = &c->DrawingWidget();
        QRect r(v->mapToGlobal(QPoint(0, 0)), v->size());
        if (r.intersects(screenRect))
            v->update();
    }
}

void CMainFrame::ShowProgress(int percent)
{
    m_progressPane->setText(QString::asprintf("%2d%%", percent));
    m_progressPane->repaint();
}

void CMainFrame::ClearProgress()
{
    m_progressPane->setText(" ");
}

void CMainFrame::SetStatusText(int pane, const QString& text)
{
    (pane == 1 ? m_progressPane : m_messagePane)->setText(text);
    if (pane == 0)
        m_messagePane->repaint();
}

QString CMainFrame::StatusText(int pane) const
{
    return (pane == 1 ? m_progressPane : m_messagePane)->text();
}

CChildFrame* CMainFrame::ActiveChild() const
{
    QMdiSubWindow* w = m_mdi->activeSubWindow();
    if (!w) {
        // Without focus (offscreen, other program active) the last active one still counts.
        QList<QMdiSubWindow*> list = m_mdi->subWindowList(QMdiArea::ActivationHistoryOrder);
        w = list.isEmpty() ? nullptr : list.last();
    }
    return qobject_cast<CChildFrame*>(w);
}

CDaubrixView* CMainFrame::ActiveView() const
{
    CChildFrame* c = ActiveChild();
    return c ? &c->View() : nullptr;
}

QList<CChildFrame*> CMainFrame::Children() const
{
    QList<CChildFrame*> out;
    for (QMdiSubWindow* w : m_mdi->subWindowList())
        if (auto* c = qobject_cast<CChildFrame*>(w))
            out << c;
    return out;
}

QString CMainFrame::NextTitle()
{
    return QString("Daubrix%1").arg(++m_untitledCount);
}

bool CMainFrame::AskDrawingSize(int& width, int& height, bool& locked)
{
    if (m_askDrawingSize)
        return m_askDrawingSize(width, height, locked);
    CNewDrawingDialog dlg(width, height, locked, this);
    if (dlg.exec() != QDialog::Accepted)
        return false;
    width = dlg.DrawingWidth();
    height = dlg.DrawingHeight();
    locked = dlg.Locked();
    return true;
}

CChildFrame* CMainFrame::NewDrawing()
{
    int w = m_app.Shell().m_newWidth, h = m_app.Shell().m_newHeight;
    bool locked = m_app.Shell().m_newLockAspect != 0;
    if (!AskDrawingSize(w, h, locked))
        return nullptr;
    m_app.Shell().m_newWidth = w;
    m_app.Shell().m_newHeight = h;
    m_app.Shell().m_newLockAspect = locked ? 1 : 0;
    auto doc = std::make_unique<CDaubrixDoc>(m_app.ShapeTable(), &m_app.Host());
    doc->SetWidth(w);
    doc->SetHeight(h);
    doc->SetUndoImageSaved(1);
    doc->SetTitle(NextTitle().toStdString());
    return AddDocument(std::move(doc));
}

CChildFrame* CMainFrame::AddDocument(std::unique_ptr<CDaubrixDoc> doc)
{
    if (doc->Title().empty())
        doc->SetTitle(doc->PathName().empty() ? NextTitle().toStdString()
                                              : QFileInfo(QString::fromStdString(doc->PathName())).fileName().toStdString());
    auto* child = new CChildFrame(m_app, std::move(doc));
    child->m_save = [this](CChildFrame& c) { return m_saveDocument && m_saveDocument(c); };
    m_mdi->addSubWindow(child);
    child->show();
    PlaceBesideToolWindows(*child);
    child->FitToDrawing();
    CDaubrixView* view = &child->View();
    connect(child, &QObject::destroyed, this, [this, view] {
        if (m_currentView == view)
            m_currentView = nullptr;
        if (m_lastBlurredView == view)
            m_lastBlurredView = nullptr;
        QMetaObject::invokeMethod(this, &CMainFrame::UpdateCommands, Qt::QueuedConnection);
    });
    if (m_childCreated)
        m_childCreated(*child);
    emit childAdded(child);
    m_mdi->setActiveSubWindow(child);
    child->DrawingWidget().setFocus();
    UpdateCommands();
    return child;
}

CChildFrame* CMainFrame::ChildShowing(const QString& path) const
{
    const QString full = QFileInfo(path).absoluteFilePath();
    for (CChildFrame* c : Children())
        if (!c->Doc().PathName().empty() &&
            QFileInfo(QString::fromStdString(c->Doc().PathName())).absoluteFilePath() == full)
            return c;
    return nullptr;
}

bool CMainFrame::OpenFile(const QString& named)
{
    // A name relative to the working folder (the command line) is kept whole, so Save and the
    // recent list find the file again.
    const QString path = QFileInfo(named).absoluteFilePath();
    // A drawing already open comes to the front: two windows on one file would overwrite
    // each other's work when saved.
    if (CChildFrame* open = ChildShowing(path)) {
        m_mdi->setActiveSubWindow(open);
        AddRecentFile(path);
        return true;
    }
    if (!m_openDocument || !m_openDocument(path)) {
        if (!m_openDocument)
            m_app.Host().Message("Failed to open document.", MsgIcon::Exclamation);
        return false;
    }
    AddRecentFile(path);
    return true;
}

void CMainFrame::AddRecentFile(const QString& path)
{
    QString full = QFileInfo(path).absoluteFilePath();
    m_recent.removeAll(full);
    m_recent.prepend(full);
    while (m_recent.size() > kRecentCount)
        m_recent.removeLast();
    StoreRecentFiles();
}

void CMainFrame::RemoveRecentFile(const QString& path)
{
    m_recent.removeAll(QFileInfo(path).absoluteFilePath());
    StoreRecentFiles();
}

void CMainFrame::DocumentRenamed(CChildFrame& child)
{
    child.RefreshTitle();
    ShowTitle();
}

// The program's name and the front drawing's, once: a maximized drawing window would add its
// title to the frame's a second time.
void CMainFrame::ShowTitle()
{
    const QString title = m_titleChild ? "Daubrix - " + m_titleChild->windowTitle() : QString("Daubrix");
    if (windowTitle() != title)
        setWindowTitle(title);
}

void CMainFrame::changeEvent(QEvent* e)
{
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::WindowTitleChange)
        ShowTitle();
}

void CMainFrame::DocumentSaved(CChildFrame& child)
{
    DocumentRenamed(child);
    AddRecentFile(QString::fromStdString(child.Doc().PathName()));
    emit documentSaved(&child);
}

void CMainFrame::StoreRecentFiles()
{
    for (int i = 0; i < kRecentCount; ++i)
        m_profile.SetString("Recent File List", "File" + std::to_string(i + 1),
                            i < m_recent.size() ? m_recent.at(i).toStdString() : std::string());
    RefreshRecentActions();
}

bool CMainFrame::event(QEvent* e)
{
    // Fly-by help goes into the message pane; without one the pane says "Ready".
    if (e->type() == QEvent::StatusTip) {
        QString tip = static_cast<QStatusTipEvent*>(e)->tip();
        m_messagePane->setText(tip.isEmpty() ? QString(kIdleText) : tip);
        return true;
    }
    // Without a window manager nothing keeps the tool windows above the frame: they follow it up.
    if (e->type() == QEvent::WindowActivate)
        RaiseToolWindows();
    const bool handled = QMainWindow::event(e);
    if (e->type() == QEvent::Move || e->type() == QEvent::Resize || e->type() == QEvent::WindowStateChange)
        FollowNormalRect();
    return handled;
}

void CMainFrame::setVisible(bool visible)
{
    QMainWindow::setVisible(visible);
    if (!visible || !m_firstShow)
        return;
    // The tool windows appear with the frame, where and as they were left. They are mapped
    // after the frame: a window manager that meets a tool window before its frame does not
    // know whose it is and lets the frame cover it.
    m_firstShow = false;
    StackToolWindows();
    for (int i = 0; i < 3; ++i) {
        PlaceToolWindow(i);
        if (ShownSetting(i))
            m_toolWindows[static_cast<size_t>(i)]->show();
    }
    RaiseToolWindows();
    activateWindow();
    UpdateCommands();
}

void CMainFrame::closeEvent(QCloseEvent* e)
{
    RecordPlacements();
    // Every modified drawing is asked about before any closes: Cancel (or a failed save)
    // anywhere keeps all of them open, as they were.
    const QList<CChildFrame*> children = Children();
    for (CChildFrame* c : children) {
        if (c->Doc().IsModified())
            m_mdi->setActiveSubWindow(c);   // the question is about the drawing in front
        if (!c->QuerySave()) {
            for (CChildFrame* asked : children)
                asked->ForgetAnswer();
            e->ignore();
            return;
        }
    }
    m_mdi->closeAllSubWindows();
    if (!m_mdi->subWindowList().isEmpty()) {
        e->ignore();
        return;
    }
    // A tool window left on screen would keep the program running with no frame to come back
    // to; what was shown is already recorded.
    for (QWidget* w : m_toolWindows)
        if (w)
            w->hide();
    QMainWindow::closeEvent(e);
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* e)
{
    if (e->mimeData()->hasUrls())
        for (const QUrl& u : e->mimeData()->urls())
            if (IsDrawingFile(u)) {
                e->acceptProposedAction();
                return;
            }
}

void CMainFrame::dropEvent(QDropEvent* e)
{
    for (const QUrl& u : e->mimeData()->urls())
        if (IsDrawingFile(u))
            OpenFile(u.toLocalFile());
    e->acceptProposedAction();
}
