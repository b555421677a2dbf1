#pragma once
#include <QDialog>

struct DrawingInfo;
class QLabel;

// "Drawing Information": glob and colour counts, the size and the background colour.
class CDrawingInfoDialog : public QDialog {
    Q_OBJECT
public:
    CDrawingInfoDialog(const DrawingInfo& info, QWidget* parent = nullptr);
    // The four lines in the order shown.
    QStringList Lines() const;

private:
    QList<QLabel*> m_lines;
};
