#pragma once
#include "core/print/CPrintSizeModel.h"
#include <QWidget>

// The dialog's picture of the page: the page frame in the page's proportions and the drawing's
// frame inside it, where the print would put it.
class CPagePreview : public QWidget {
    Q_OBJECT
public:
    static constexpr int kSide = 132;

    // Reshapes the page frame from the model's page; the model must outlive the widget.
    explicit CPagePreview(CPrintSizeModel& model, QWidget* parent = nullptr);

    QRect PageFrame() const;
    QRect DrawingFrame() const;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    CPrintSizeModel& m_model;
    CRect m_page;
};
