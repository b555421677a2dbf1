#pragma once
#include "core/panels/CColorsPainter.h"
#include "core/panels/CColorsPanel.h"
#include "core/imaging/CImage32.h"
#include <QWidget>
#include <functional>
#include <optional>

class CDaubrixApp;
class QMenu;
class QPushButton;

// The Colors tool window: hue/saturation field, value strip, current colour swatch, colour
// history row, the Values/Last/Next buttons and the history's context menu.
class CColorsWindow : public QWidget {
    Q_OBJECT
public:
    // autoFile: the history file read at the first show and written when the window goes.
    CColorsWindow(CDaubrixApp& app, const std::string& autoFile, QWidget* parent = nullptr);
    ~CColorsWindow() override;

    CColorsPanel& Panel() { return m_panel; }
    // For other parts of the program that changed the current colour themselves.
    void SetCurrentColor(HsvColor c);
    void AddCurrentToHistory();
    void ApplyCurrentColor();

    // Ask the user for paths and colours; replaceable so the window can be driven without dialogs.
    std::function<QString()> m_askSavePath;
    std::function<QString()> m_askLoadPath;
    std::function<std::optional<HsvColor>(HsvColor)> m_askValues;
    // Closing only hides; whoever keeps the "shown" setting listens here.
    std::function<void()> m_onClosed;

    // The context menu with its items enabled as they stand now (the caller owns it).
    QMenu* BuildContextMenu();
    void OnValues();
    void OnLast();
    void OnNext();
    void SaveColors();
    void LoadColors();

    QPushButton* ValuesButton() const { return m_values; }
    QPushButton* LastButton() const { return m_last; }
    QPushButton* NextButton() const { return m_next; }

protected:
    void showEvent(QShowEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    QPushButton* MakeButton(const QRect& r, const QPixmap& picture, const char* tip, const char* name);
    CColorsPainter::Palette DesktopColors() const;

    CColorsPanel m_panel;
    CColorsPainter m_painter;
    CImage32 m_client;
    QPushButton* m_values = nullptr;
    QPushButton* m_last = nullptr;
    QPushButton* m_next = nullptr;
};
