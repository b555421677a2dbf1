#pragma once
#include "core/view/depth/CDepthRecolorer.h"
#include <QDialog>

class QLabel;
class QRadioButton;
class QSlider;

// "Simulate Depth": the range, the method and the depth range between Bottom and Top, which
// keep Top above Bottom. The labels at the slider ends name the method's colours.
class CDepthDialog : public QDialog {
    Q_OBJECT
public:
    explicit CDepthDialog(const DepthChoice& preset, QWidget* parent = nullptr);

    DepthChoice Choice() const;
    QRadioButton* EntireButton() const { return m_entire; }
    QRadioButton* LightButton() const { return m_light; }
    QRadioButton* ChromaButton() const { return m_chroma; }
    QSlider* Bottom() const { return m_bottom; }
    QSlider* Top() const { return m_top; }
    // The end labels shown now: "Dark"/"Light" or "Blue"/"Red".
    QString EndLabels() const;

private:
    void ShowMethodLabels();

    QRadioButton* m_entire;
    QRadioButton* m_lastSection;
    QRadioButton* m_light;
    QRadioButton* m_chroma;
    QSlider* m_bottom;
    QSlider* m_top;
    QLabel* m_dark;
    QLabel* m_bright;
    QLabel* m_blue;
    QLabel* m_red;
};
