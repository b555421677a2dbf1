#include "app/dialogs/CDrawingInfoDialog.h"
#include "app/widgets/DialogParts.h"
#include "core/view/DrawingInfo.h"
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

CDrawingInfoDialog::CDrawingInfoDialog(const DrawingInfo& info, QWidget* parent) : QDialog(parent)
{
    setWindowTitle("Drawing Information");
    QLabel* icon = StandardIconLabel(this, QStyle::SP_MessageBoxInformation);
    auto* group = new QGroupBox;
    // Wide enough that a title bar with more buttons still shows the whole title.
    group->setMinimumWidth(fontMetrics().horizontalAdvance(windowTitle()) * 2);
    auto* text = new QVBoxLayout(group);
    const char* names[] = {"globs", "colors", "imageSize", "background"};
    int i = 0;
    for (const std::string* line : {&info.globs, &info.colors, &info.imageSize, &info.background}) {
        auto* label = new QLabel(QString::fromStdString(*line));
        label->setObjectName(names[i++]);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        text->addWidget(label);
        m_lines << label;
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* row = new QHBoxLayout;
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addWidget(group, 1);
    auto* col = new QVBoxLayout(this);
    col->addLayout(row);
    col->addWidget(buttons);
    UseDialogFrame(this);
}

QStringList CDrawingInfoDialog::Lines() const
{
    QStringList out;
    for (QLabel* l : m_lines)
        out << l->text();
    return out;
}
