#pragma once
#include "core/imaging/BackgroundImage.h"
#include <QDialog>

class QRadioButton;

// "Load Background Image": how the picture is sized to the drawing.
class CLoadBackgroundDialog : public QDialog {
    Q_OBJECT
public:
    explicit CLoadBackgroundDialog(BackgroundSizing sizing, QWidget* parent = nullptr);
    BackgroundSizing Sizing() const;
    QRadioButton* Button(BackgroundSizing sizing) const;

private:
    QRadioButton* m_fit;
    QRadioButton* m_squash;
    QRadioButton* m_normal;
};
