#include "app/windows/CColorsWindow.h"
#include "app/windows/CButtonPictures.h"
#include "app/windows/CColorValuesDialog.h"
#include "core/panels/CColorsLayout.h"
#include "core/shell/CDaubrixApp.h"
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace {
using L = CColorsLayout;
const QString kFilter = QStringLiteral("Daubrix Color History files (*.DCH *.dch)");

QRect ToQRect(const CRect& r)
{
    return {r.left, r.top, r.Width(), r.Height()};
}

// Saving adds the extension when the user typed a bare name.
QString WithExtension(QString path)
{
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += ".dch";
    return path;
}
} // namespace

CColorsWindow::CColorsWindow(CDaubrixApp& app, const std::string& autoFile, QWidget* parent)
    : QWidget(parent, Qt::Tool), m_panel(app.Host(), app.Random(), app.ShapeTable(), app.Unwritten())
{
    setWindowTitle("Colors");
    setFixedSize(L::kClientWidth, L::kClientHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_panel.SetAutoFile(autoFile);

    const QColor ink = palette().color(QPalette::ButtonText);
    m_values = MakeButton(ToQRect(L::kValuesButton), CButtonPictures::Digits(ink), "Color values", "values");
    m_last = MakeButton(ToQRect(L::kLastButton), CButtonPictures::LeftTriangle(ink), "Previous color", "last");
    m_next = MakeButton(ToQRect(L::kNextButton), CButtonPictures::RightTriangle(ink), "Next color", "next");
    connect(m_values, &QPushButton::clicked, this, &CColorsWindow::OnValues);
    connect(m_last, &QPushButton::clicked, this, &CColorsWindow::OnLast);
    connect(m_next, &QPushButton::clicked, this, &CColorsWindow::OnNext);

    m_askValues = [this](HsvColor c) { return CColorValuesDialog::Ask(m_panel.Host(), c, this); };
    m_askSavePath = [this] {
        return WithExtension(QFileDialog::getSaveFileName(this, {}, "*.dch", kFilter, nullptr,
                                                          QFileDialog::DontUseNativeDialog));
    };
    m_askLoadPath = [this] {
        return QFileDialog::getOpenFileName(this, {}, "*.dch", kFilter, nullptr, QFileDialog::DontUseNativeDialog);
    };
}

CColorsWindow::~CColorsWindow()
{
    m_panel.OnDestroy();
}

QPushButton* CColorsWindow::MakeButton(const QRect& r, const QPixmap& picture, const char* tip, const char* name)
{
    auto* b = new QPushButton(this);
    b->setObjectName(name);
    b->setGeometry(r);
    b->setIcon(CButtonPictures::Icon(picture));
    b->setIconSize(picture.size());
    b->setToolTip(tip);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

CColorsPainter::Palette CColorsWindow::DesktopColors() const
{
    const QPalette& p = palette();
    CColorsPainter::Palette pal;
    pal.face = p.color(QPalette::Button).rgb();
    pal.shadow = p.color(QPalette::Dark).rgb();
    pal.highlight = p.color(QPalette::Light).rgb();
    return pal;
}

void CColorsWindow::SetCurrentColor(HsvColor c)
{
    m_panel.SetCurrentColor(c);
    update();
}

void CColorsWindow::AddCurrentToHistory()
{
    m_panel.AddCurrentToHistory();
    update();
}

void CColorsWindow::ApplyCurrentColor()
{
    m_panel.ApplyCurrentColor();
    update();
}

void CColorsWindow::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    // The saved history is read when the window first appears, not when it is made.
    if (!m_panel.HadFirstPaint()) {
        m_panel.OnFirstPaint();
        update();
    }
}

void CColorsWindow::paintEvent(QPaintEvent*)
{
    m_painter.Render(m_client, DesktopColors(), m_panel.CurrentColor(), m_panel.History(), m_panel.IsDragging());
    QPainter p(this);
    p.drawImage(0, 0, QImage(reinterpret_cast<const uchar*>(m_client.Data()), m_client.Width(),
                             m_client.Height(), m_client.Width() * 4, QImage::Format_RGB32));
}

void CColorsWindow::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(e);
    const QPoint at = e->position().toPoint();
    m_panel.MouseDown(at.x(), at.y());
    update();
}

void CColorsWindow::mouseMoveEvent(QMouseEvent* e)
{
    if (!m_panel.IsDragging())
        return;
    const QPoint at = e->position().toPoint();
    m_panel.MouseMove(at.x(), at.y());
    update();
}

void CColorsWindow::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton || !m_panel.IsDragging())
        return;
    m_panel.MouseUp();
    update();
}

void CColorsWindow::OnValues()
{
    if (const auto c = m_askValues(m_panel.CurrentColor())) {
        m_panel.AcceptValues(*c);
        update();
    }
}

void CColorsWindow::OnLast()
{
    if (m_panel.Last())
        update();
}

void CColorsWindow::OnNext()
{
    if (m_panel.Next())
        update();
}

void CColorsWindow::SaveColors()
{
    const QString path = m_askSavePath();
    if (!path.isEmpty())
        m_panel.SaveHistory(path.toStdString());
}

void CColorsWindow::LoadColors()
{
    const QString path = m_askLoadPath();
    if (!path.isEmpty() && m_panel.LoadHistory(path.toStdString()))
        update();
}

QMenu* CColorsWindow::BuildContextMenu()
{
    auto* menu = new QMenu(this);
    auto add = [&](const char* text, const char* tip, auto slot) {
        QAction* a = menu->addAction(text, this, slot);
        a->setStatusTip(tip);
        return a;
    };
    add("&Random color", "Pick a color at random", [this] {
        m_panel.RandomColor();
        update();
    });
    menu->addSeparator();
    add("&Delete color", "Remove the current color from the color history", [this] {
        if (m_panel.DeleteColor())
            update();
    })->setEnabled(m_panel.CanDelete());
    add("&Clear all colors", "Delete all colors from the color history", [this] {
        if (m_panel.ClearColors())
            update();
    })->setEnabled(m_panel.CanDelete());
    menu->addSeparator();
    add("&Save colors", "Save the color history to a file", [this] { SaveColors(); });
    add("&Load colors", "Load the color history from a file", [this] { LoadColors(); });
    return menu;
}

void CColorsWindow::contextMenuEvent(QContextMenuEvent* e)
{
    QMenu* menu = BuildContextMenu();
    menu->exec(e->globalPos());
    delete menu;
}

void CColorsWindow::closeEvent(QCloseEvent* e)
{
    e->ignore();
    hide();
    if (m_onClosed)
        m_onClosed();
}
