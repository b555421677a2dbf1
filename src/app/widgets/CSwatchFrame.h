#pragma once
#include <QColor>
#include <QFrame>

// A sunken frame filled with one colour, inset by two pixels.
class CSwatchFrame : public QFrame {
    Q_OBJECT
public:
    explicit CSwatchFrame(QWidget* parent = nullptr);
    void SetColor(const QColor& c);
    QColor Color() const { return m_color; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QColor m_color;
};
