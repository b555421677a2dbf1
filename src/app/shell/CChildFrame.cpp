#include "app/shell/CChildFrame.h"
#include "app/widgets/ProgramIcon.h"
#include "core/shell/CDaubrixApp.h"
#include "app/view/CDrawingWidget.h"
#include <QCloseEvent>
#include <QIcon>
#include <QMdiArea>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>

CChildFrame::CChildFrame(CDaubrixApp& app, std::unique_ptr<CDaubrixDoc> doc, QWidget* parent)
    : QMdiSubWindow(parent), m_app(app), m_doc(std::move(doc))
{
    setAttribute(Qt::WA_DeleteOnClose);
    m_view = std::make_unique<CDaubrixView>(m_app, *m_doc);
    m_scroll = new QScrollArea;
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setAlignment(Qt::AlignCenter);
    m_scroll->setWidgetResizable(false);
    m_widget = new CDrawingWidget(*m_view);
    m_widget->setFixedSize(m_doc->Width(), m_doc->Height());
    m_scroll->setWidget(m_widget);
    setWidget(m_scroll);
    setWindowTitle(QString::fromStdString(m_doc->Title()));
    setWindowIcon(ProgramIcon());
    m_view->OnInitialUpdate();
}

CChildFrame::~CChildFrame()
{
    // The widget refers to the view: it must go first.
    delete m_scroll;
}

QSize CChildFrame::FrameSizeForDrawing() const
{
    QSize client = m_scroll->viewport()->size();
    QSize extra = size() - client;
    if (!isVisible() || client.isEmpty())
        extra = QSize(2 * style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, this),
                      style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this) +
                          style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, this));
    return QSize(m_doc->Width(), m_doc->Height()) + extra;
}

void CChildFrame::ApplyWorkspaceColour()
{
    QPalette pal = m_scroll->viewport()->palette();
    QColor workspace = mdiArea() ? mdiArea()->background().color() : palette().color(QPalette::Dark);
    pal.setColor(QPalette::Window, workspace);
    m_scroll->viewport()->setPalette(pal);
    m_scroll->viewport()->setAutoFillBackground(true);
}

void CChildFrame::FitToDrawing()
{
    ApplyWorkspaceColour();
    if (isMaximized())
        return;
    QSize full = FrameSizeForDrawing();
    // The frame may not grow past the drawing; it may start smaller, inside the workspace.
    setMaximumSize(full);
    QSize s = full;
    if (mdiArea()) {
        QRect area = mdiArea()->viewport()->rect();
        s.setWidth(std::min(s.width(), area.width() - x()));
        s.setHeight(std::min(s.height(), area.height() - y()));
    }
    resize(s);
}

void CChildFrame::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::WindowStateChange) {
        if (isMaximized()) {
            // Lift the limit before the frame takes the whole workspace.
            m_maximized = true;
            setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
            QMdiSubWindow::changeEvent(e);
            return;
        }
        if (m_maximized) {
            m_maximized = false;
            QMdiSubWindow::changeEvent(e);
            setMaximumSize(FrameSizeForDrawing());
            return;
        }
    }
    QMdiSubWindow::changeEvent(e);
}

bool CChildFrame::QuerySave()
{
    if (m_answered || !m_doc->IsModified())
        return true;
    MsgAnswer a = m_app.Host().Ask("Save changes to " + m_doc->Title() + "?", MsgButtons::YesNoCancel,
                                   MsgIcon::Exclamation);
    if (a == MsgAnswer::Cancel)
        return false;
    if (a == MsgAnswer::Yes) {
        if (!m_save) {
            m_app.Host().Message("Failed to save document.", MsgIcon::Exclamation);
            return false;
        }
        if (!m_save(*this))
            return false;
    }
    m_answered = true;
    return true;
}

void CChildFrame::RefreshTitle()
{
    setWindowTitle(QString::fromStdString(m_doc->Title()));
}

void CChildFrame::closeEvent(QCloseEvent* e)
{
    if (!QuerySave()) {
        e->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(e);
    if (e->isAccepted())
        emit closeAccepted();
}
