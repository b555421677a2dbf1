#pragma once
#include "core/settings/CImportSettings.h"
#include <QDialog>

class QLabel;
class QRadioButton;
class QSlider;

// "Import Image": how a picture becomes globs. The colour slider only matters for the
// picture's own colours, so it is disabled while "Use new colors" is chosen.
class CImportImageDialog : public QDialog {
    Q_OBJECT
public:
    explicit CImportImageDialog(const CImportSettings& settings, QWidget* parent = nullptr);
    // The choices as they stand (read back on OK).
    CImportSettings Settings() const;

    QRadioButton* PreserveColors() const { return m_preserve; }
    QRadioButton* NewColors() const { return m_newColors; }
    QRadioButton* Ordered() const { return m_ordered; }
    QRadioButton* FromImage() const { return m_fromImage; }
    QRadioButton* Keep() const { return m_keep; }
    QRadioButton* Remove() const { return m_remove; }
    QRadioButton* Fit() const { return m_fit; }
    QRadioButton* Squash() const { return m_squash; }
    QRadioButton* Normal() const { return m_normal; }
    QSlider* ColorSlider() const { return m_colors; }
    QSlider* GlobSlider() const { return m_globs; }
    QLabel* FewerColorsLabel() const { return m_fewerColors; }
    QLabel* MoreColorsLabel() const { return m_moreColors; }

private:
    void UpdateColorSlider();

    QRadioButton* m_preserve;
    QRadioButton* m_newColors;
    QRadioButton* m_ordered;
    QRadioButton* m_fromImage;
    QRadioButton* m_keep;
    QRadioButton* m_remove;
    QRadioButton* m_fit;
    QRadioButton* m_squash;
    QRadioButton* m_normal;
    QSlider* m_colors;
    QSlider* m_globs;
    QLabel* m_fewerColors;
    QLabel* m_moreColors;
};
