#pragma once
#include "core/movie/IMovieDialogs.h"
#include <QDialog>

class CNumberSpinBox;
class QCheckBox;
class QLineEdit;

// "Create Movie" / "Create Image Sequence": frames, fps with the resulting length, the held
// last frame, and the scale with the frame size it gives, all updated as the user types.
class CMovieDialog : public QDialog {
    Q_OBJECT
public:
    CMovieDialog(const MovieDialogValues& values, QWidget* parent = nullptr);
    MovieDialogValues Values() const { return m_values; }

    CNumberSpinBox* FramesBox() const { return m_frames; }
    CNumberSpinBox* FpsBox() const { return m_fps; }
    CNumberSpinBox* ScaleBox() const { return m_scale; }
    CNumberSpinBox* HoldBox() const { return m_hold; }
    QCheckBox* FirstEmptyBox() const { return m_firstEmpty; }
    QLineEdit* LengthEdit() const { return m_length; }
    QLineEdit* WidthEdit() const { return m_width; }
    QLineEdit* HeightEdit() const { return m_height; }

    void accept() override;

private:
    void UpdateLength();
    void UpdateSize();
    void FirstEmptyClicked();

    MovieDialogValues m_values;
    bool m_filling = true;   // the change handlers wait until the controls are filled
    QCheckBox* m_firstEmpty;
    CNumberSpinBox* m_frames;
    CNumberSpinBox* m_fps;
    CNumberSpinBox* m_hold;
    CNumberSpinBox* m_scale;
    QLineEdit* m_length;
    QLineEdit* m_width;
    QLineEdit* m_height;
};
