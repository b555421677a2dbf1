#pragma once
#include <QDialog>

// The About box: program icon, version and OK.
class CAboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDialog(QWidget* parent = nullptr);
};
