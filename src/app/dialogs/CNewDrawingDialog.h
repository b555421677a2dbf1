#pragma once
#include "core/shell/CNewDrawingModel.h"
#include <QDialog>

class CNumberSpinBox;
class QCheckBox;
class QRadioButton;

// "New Drawing": the drawing's size with four presets and an aspect lock.
class CNewDrawingDialog : public QDialog {
    Q_OBJECT
public:
    CNewDrawingDialog(int width, int height, bool locked, QWidget* parent = nullptr);

    int DrawingWidth() const { return m_model.m_width; }
    int DrawingHeight() const { return m_model.m_height; }
    bool Locked() const { return m_model.m_locked; }

    CNumberSpinBox* WidthBox() const { return m_widthBox; }
    CNumberSpinBox* HeightBox() const { return m_heightBox; }
    QCheckBox* LockBox() const { return m_lock; }
    QRadioButton* PresetButton(int i) const { return m_presets[i]; }
    // The message the last refused OK showed (tests read it).
    QString LastMessage() const { return m_lastMessage; }
    // Shows refusals in a message box; tests turn it off.
    bool m_showMessages = true;

public slots:
    void accept() override;

private:
    void ApplyLock();
    void ChoosePreset(int index);
    void OnWidthEdited(const QString& text);

    CNewDrawingModel m_model;
    CNumberSpinBox* m_widthBox;
    CNumberSpinBox* m_heightBox;
    QCheckBox* m_lock;
    QRadioButton* m_presets[4];
    QString m_lastMessage;
};
