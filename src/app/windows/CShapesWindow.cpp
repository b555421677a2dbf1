#include "app/windows/CShapesWindow.h"
#include "core/panels/CPalettePainter.h"
#include "core/shapes/ShapeStateFile.h"
#include "core/shell/CDaubrixApp.h"
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QTimerEvent>
#include <QWheelEvent>

namespace {

struct MenuEntry {
    PaletteCommand cmd;
    const char* text;
    const char* status;
    bool separatorAfter;
};

const MenuEntry kMenu[] = {
    {PaletteCommand::Small, "&Small", "Select Small shape size", false},
    {PaletteCommand::Medium, "&Medium", "Selects Medium shape size", false},
    {PaletteCommand::Large, "&Large", "Selects Large shape size", true},
    {PaletteCommand::RandomColor, "Ran&dom color", "Pick a random color for this shape", false},
    {PaletteCommand::RandomHistoryColor, "Random &history color",
     "Set color of shape to a random color from the color history", true},
    {PaletteCommand::AllThisSize, "&All this size", "Set all shapes to the size of this shape", false},
    {PaletteCommand::AllThisColor, "All this &color", "Set all shapes to the color of this shape", false},
    {PaletteCommand::AllRandomColors, "All &random colors", "Set all shapes to different random colors", false},
    {PaletteCommand::AllHistoryColors, "All histor&y colors", "Set all shapes to colors from the color history",
     true},
    {PaletteCommand::SaveState, "Sa&ve state", "Save the sizes and colors of all shapes.", false},
    {PaletteCommand::LoadState, "L&oad state", "Load the sizes and colors of all shapes.", false},
};

const char* const kStateFilter = "Daubrix Shape State files (*.DSS)";

} // namespace

CShapesWindow::CShapesWindow(CDaubrixApp& app, IColorsLink& colors, const std::string& automaticStatePath,
                             QWidget* parent)
    : QWidget(parent, Qt::Tool), m_app(app), m_palette(app.ShapeTable(), colors),
      m_commands(m_palette, app.Random()), m_automaticStatePath(automaticStatePath)
{
    setWindowTitle("Shapes");
    // Every pixel comes from the palette image: nothing to erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
    setMinimumSize(CPaletteLayout::kMinWidth, CPaletteLayout::kMinHeight);
    m_scrollBar = new QScrollBar(Qt::Vertical, this);
    m_scrollBar->setSingleStep(CPaletteLayout::kCellSize);
    m_scrollBar->hide();
    connect(m_scrollBar, &QScrollBar::actionTriggered, this, &CShapesWindow::OnScrollAction);
    connect(m_scrollBar, &QScrollBar::sliderReleased, this, &CShapesWindow::OnThumbReleased);
    m_palette.m_requestPaint = [this](bool selectionOnly) {
        if (selectionOnly) {
            m_selectionPending = true;
        } else {
            m_fullPending = true;
            SyncLayout();
        }
        update();
    };
    resize(sizeHint());
    SyncLayout();
    if (!m_automaticStatePath.empty())
        m_palette.LoadState(m_automaticStatePath, m_app.Host());
}

CShapesWindow::~CShapesWindow()
{
    SaveAutomaticState();
}

QSize CShapesWindow::sizeHint() const
{
    // 68 x 96 dialog units of the window's font.
    const QFontMetrics fm(font());
    return {std::max(CPaletteLayout::kMinWidth, 68 * fm.averageCharWidth() / 4),
            std::max(CPaletteLayout::kMinHeight, 96 * fm.height() / 8)};
}

bool CShapesWindow::SaveAutomaticState()
{
    if (m_automaticStatePath.empty())
        return false;
    if (SaveShapeState(m_automaticStatePath, m_app.ShapeTable()))
        return true;
    m_app.Unwritten().Note(m_automaticStatePath, "the shape sizes and colors");
    return false;
}

int CShapesWindow::ClientWidth() const
{
    return m_palette.Layout().Width();
}

void CShapesWindow::SyncLayout()
{
    const int w = width(), h = height();
    const int shown = m_palette.ShownCount();
    // The bar takes its width from the client area; narrower only means more rows. Decided
    // before resizing the layout so the scrolled row is not clamped to the wider layout.
    const bool needBar = h < CPaletteLayout::kCellSize * CPaletteLayout::RowsFor(shown, w);
    const int barWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_scrollBar);
    m_palette.Resize(needBar ? std::max(1, w - barWidth) : w, h);
    const CPaletteLayout& l = m_palette.Layout();
    if (needBar) {
        m_scrollBar->setGeometry(l.Width(), 0, w - l.Width(), h);
        m_scrollBar->setRange(0, std::max(0, l.ScrollExtent() - l.ScrollPage()));
        m_scrollBar->setPageStep(std::max(1, l.ScrollPage()));
        m_scrollBar->setValue(l.ScrollPosition());
        m_scrollBar->show();
    } else {
        m_scrollBar->setValue(0);
        m_scrollBar->hide();
    }
}

void CShapesWindow::InvalidateShapes()
{
    m_palette.RequestFullPaint();
}

void CShapesWindow::ScrollToCurrentShape()
{
    if (m_palette.ScrollToCurrentShape())
        m_palette.RequestFullPaint();
}

void CShapesWindow::OnScrollAction(int action)
{
    CPaletteLayout& l = m_palette.Layout();
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub: l.LineUp(); break;
    case QAbstractSlider::SliderSingleStepAdd: l.LineDown(); break;
    case QAbstractSlider::SliderPageStepSub: l.PageUp(); break;
    case QAbstractSlider::SliderPageStepAdd: l.PageDown(); break;
    case QAbstractSlider::SliderToMinimum: l.ThumbReleased(0); break;
    case QAbstractSlider::SliderToMaximum: l.ThumbReleased(l.ScrollExtent()); break;
    default: return;   // a thumb drag scrolls when it is released
    }
    m_scrollBar->setSliderPosition(l.ScrollPosition());
    m_palette.RequestFullPaint();
}

void CShapesWindow::OnThumbReleased()
{
    m_palette.Layout().ThumbReleased(m_scrollBar->sliderPosition());
    m_palette.RequestFullPaint();
}

QImage CShapesWindow::PaletteImage() const
{
    if (m_image.IsNull())
        return {};
    return QImage(reinterpret_cast<const uchar*>(m_image.Data()), m_image.Width(), m_image.Height(),
                  m_image.Width() * 4, QImage::Format_RGB32)
        .copy();
}

void CShapesWindow::paintEvent(QPaintEvent*)
{
    const CPaletteLayout& l = m_palette.Layout();
    if (m_fullPending || m_image.Width() != l.Width() || m_image.Height() != l.Height()) {
        CPalettePainter::PaintFull(m_palette, m_image);
        m_fullPending = m_selectionPending = false;
    } else if (m_selectionPending) {
        CPalettePainter::PaintSelection(m_palette, m_image);
        m_selectionPending = false;
    }
    QPainter p(this);
    if (!m_image.IsNull())
        p.drawImage(0, 0,
                    QImage(reinterpret_cast<const uchar*>(m_image.Data()), m_image.Width(), m_image.Height(),
                           m_image.Width() * 4, QImage::Format_RGB32));
}

void CShapesWindow::resizeEvent(QResizeEvent*)
{
    m_fullPending = true;
    SyncLayout();
    update();
}

void CShapesWindow::TellIfChosen(int before)
{
    if (m_app.ShapeTable().m_currentShape != before && m_shapeChosen)
        m_shapeChosen();
}

void CShapesWindow::mousePressEvent(QMouseEvent* e)
{
    const QPoint p = e->position().toPoint();
    const int before = m_app.ShapeTable().m_currentShape;
    if (e->button() == Qt::LeftButton) {
        m_palette.LeftDown(p.x(), p.y());
        m_autoScroll.start(kAutoScrollMs, this);
    } else if (e->button() == Qt::RightButton) {
        m_palette.RightDown(p.x(), p.y());
    }
    TellIfChosen(before);
}

void CShapesWindow::mouseMoveEvent(QMouseEvent* e)
{
    const QPoint p = e->position().toPoint();
    m_palette.MouseMove(p.x(), p.y());
}

void CShapesWindow::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return;
    const QPoint p = e->position().toPoint();
    const int before = m_app.ShapeTable().m_currentShape;
    m_palette.LeftUp(p.x(), p.y());
    m_autoScroll.stop();
    TellIfChosen(before);
}

void CShapesWindow::timerEvent(QTimerEvent* e)
{
    if (e->timerId() == m_autoScroll.timerId())
        m_palette.AutoScrollTick();
    else
        QWidget::timerEvent(e);
}

void CShapesWindow::wheelEvent(QWheelEvent* e)
{
    const int dy = e->angleDelta().y();
    const bool moved = dy > 0 ? m_palette.Layout().LineUp() : dy < 0 && m_palette.Layout().LineDown();
    if (moved)
        m_palette.RequestFullPaint();
    e->accept();
}

void CShapesWindow::keyPressEvent(QKeyEvent* e)
{
    QWidget* target = m_keyTarget ? m_keyTarget() : nullptr;
    if (!target || e->text().isEmpty()) {
        QWidget::keyPressEvent(e);
        return;
    }
    // The drawing view's keys work while the palette has the focus.
    QKeyEvent copy(e->type(), e->key(), e->modifiers(), e->text(), e->isAutoRepeat(),
                   static_cast<ushort>(e->count()));
    QCoreApplication::sendEvent(target, &copy);
}

void CShapesWindow::closeEvent(QCloseEvent* e)
{
    e->accept();
    emit closedByUser();
}

std::unique_ptr<QMenu> CShapesWindow::CreateContextMenu()
{
    auto menu = std::make_unique<QMenu>(this);
    for (const MenuEntry& m : kMenu) {
        QAction* a = menu->addAction(QString::fromUtf8(m.text));
        a->setData(static_cast<int>(m.cmd));
        a->setStatusTip(QString::fromUtf8(m.status));
        const MenuItemState state = m_commands.State(m.cmd);
        a->setEnabled(state.enabled);
        // Only the checked size is checkable, so the other items show no empty box.
        if (state.checked) {
            a->setCheckable(true);
            a->setChecked(true);
        }
        if (m.separatorAfter)
            menu->addSeparator();
    }
    return menu;
}

void CShapesWindow::contextMenuEvent(QContextMenuEvent* e)
{
    if (!m_palette.ShapesReady())
        return;
    std::unique_ptr<QMenu> menu = CreateContextMenu();
    if (QAction* chosen = menu->exec(e->globalPos()))
        RunCommand(static_cast<PaletteCommand>(chosen->data().toInt()));
}

QString CShapesWindow::AskStateFile(bool save)
{
    if (m_askStateFile)
        return m_askStateFile(save);
    QFileDialog dialog(this);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(kStateFilter);
    dialog.setDefaultSuffix("dss");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

void CShapesWindow::RunCommand(PaletteCommand cmd)
{
    const int before = m_app.ShapeTable().m_currentShape;
    RunPaletteCommand(cmd);
    TellIfChosen(before);
}

void CShapesWindow::RunPaletteCommand(PaletteCommand cmd)
{
    if (cmd == PaletteCommand::SaveState || cmd == PaletteCommand::LoadState) {
        const bool save = cmd == PaletteCommand::SaveState;
        const QString path = AskStateFile(save);
        if (path.isEmpty())
            return;
        if (save)
            m_palette.SaveState(path.toStdString(), m_app.Host());
        else
            m_palette.LoadState(path.toStdString(), m_app.Host());
        m_palette.RequestFullPaint();
        return;
    }
    m_commands.Run(cmd);
}
