#pragma once
#include "core/model/CDaubrixDoc.h"
#include "core/view/CDaubrixView.h"
#include <QMdiSubWindow>
#include <functional>
#include <memory>

class CDaubrixApp;
class CDrawingWidget;
class QScrollArea;

// The window of one drawing: its document, its view and the widget showing it. The client area
// is never larger than the drawing; when maximized the drawing stands centred with the
// workspace colour around it, and scroll bars appear only when the window is smaller.
class CChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    CChildFrame(CDaubrixApp& app, std::unique_ptr<CDaubrixDoc> doc, QWidget* parent = nullptr);
    ~CChildFrame() override;

    CDaubrixDoc& Doc() { return *m_doc; }
    CDaubrixView& View() { return *m_view; }
    CDrawingWidget& DrawingWidget() { return *m_widget; }
    QScrollArea& ScrollArea() { return *m_scroll; }
    bool IsMaximizedFrame() const { return m_maximized; }

    // Sizes the window so that its client area is exactly the drawing, kept inside the
    // workspace, and fixes that as the largest size. Call once the frame is in the MDI area.
    void FitToDrawing();
    // The frame size that gives a client area of exactly the drawing.
    QSize FrameSizeForDrawing() const;

    // Asked when closing a modified drawing and the user chooses to save; false keeps it open.
    std::function<bool(CChildFrame&)> m_save;

    // "Save changes?" for a modified drawing: true when it may close (saved, or the user chose
    // No); false on Cancel or a failed save. After true the next close asks no more, so the
    // program can ask about every drawing before closing any of them.
    bool QuerySave();
    void ForgetAnswer() { m_answered = false; }
    // Shows the document's title again (after Save As).
    void RefreshTitle();

signals:
    // The window is closing at the user's wish (its drawing saved or given up).
    void closeAccepted();

protected:
    void changeEvent(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void ApplyWorkspaceColour();

    CDaubrixApp& m_app;
    std::unique_ptr<CDaubrixDoc> m_doc;
    std::unique_ptr<CDaubrixView> m_view;
    QScrollArea* m_scroll = nullptr;
    CDrawingWidget* m_widget = nullptr;
    bool m_maximized = false;
    bool m_answered = false;
};
