#include "app/dialogs/CAboutDialog.h"
#include "app/widgets/ProgramIcon.h"
#include "app/widgets/DialogParts.h"
#include "DaubrixVersion.h"
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

CAboutDialog::CAboutDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle("Daubrix: Doodle with Globs");
    auto* icon = new QLabel;
    icon->setPixmap(ProgramIcon().pixmap(48, 48));
    auto* text = new QLabel("Daubrix\nversion " DAUBRIX_VERSION);
    auto* row = new QHBoxLayout;
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addSpacing(12);
    row->addWidget(text, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* col = new QVBoxLayout(this);
    col->addLayout(row);
    col->addWidget(buttons);
    UseDialogFrame(this);
}
