#include "app/dialogs/CLowColorDialog.h"
#include "app/widgets/DialogParts.h"
#include "core/shell/DisplayCheck.h"
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

CLowColorDialog::CLowColorDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(kLowColorTitle);
    QLabel* icon = StandardIconLabel(this, QStyle::SP_MessageBoxWarning);
    auto* text = new QLabel(kLowColorText);
    text->setObjectName("lowColorText");
    text->setWordWrap(true);
    text->setMinimumWidth(320);
    auto* go = new QPushButton("Continue");
    go->setDefault(true);
    connect(go, &QPushButton::clicked, this, &QDialog::accept);
    auto* row = new QHBoxLayout;
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addWidget(text, 1);
    auto* col = new QVBoxLayout(this);
    col->addLayout(row);
    col->addWidget(go, 0, Qt::AlignHCenter);
    UseDialogFrame(this);
}
