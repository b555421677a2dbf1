#pragma once
#include <QDialog>

// "Too Few Colors!": the warning shown once at start-up on a screen of 256 colours or fewer.
class CLowColorDialog : public QDialog {
    Q_OBJECT
public:
    explicit CLowColorDialog(QWidget* parent = nullptr);
};
