#pragma once
#include <QSlider>
#include <vector>

// A horizontal slider with tick marks at arbitrary values (the section boundaries).
class CTickSlider : public QSlider {
    Q_OBJECT
public:
    explicit CTickSlider(QWidget* parent = nullptr);
    void SetTicks(std::vector<int> ticks);
    const std::vector<int>& Ticks() const { return m_ticks; }
    // The x coordinate of the tick for value v.
    int TickX(int v) const;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    std::vector<int> m_ticks;
};
