#include "app/widgets/DialogParts.h"
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QStyle>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

QString RangeMessage(int minimum, int maximum)
{
    return QString("Please enter an integer between %1 and %2.").arg(minimum).arg(maximum);
}

QString IntegerMessage()
{
    return "Please enter an integer.";
}

QString NumberBoxMessage(const QString& text, int minimum, int maximum)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (!ok)
        return IntegerMessage();
    return v < minimum || v > maximum ? RangeMessage(minimum, maximum) : QString();
}

namespace {
// What a title bar needs for the whole title: the text in a bold face (as window managers draw
// it) beside the icon and the buttons a window manager may add.
int TitleBarWidth(const QWidget& w)
{
    QFont bold = w.font();
    bold.setBold(true);
    constexpr int kIconAndButtons = 110;
    return QFontMetrics(bold).horizontalAdvance(w.windowTitle()) + kIconAndButtons;
}
} // namespace

void UseDialogFrame(QDialog* dialog, bool fixedSize)
{
    const Qt::WindowFlags frame = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                  Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    dialog->setWindowFlags(fixedSize ? frame | Qt::MSWindowsFixedSizeDialogHint : frame);
    if (!fixedSize)
        return;
    if (dialog->layout()) {
        dialog->layout()->setSizeConstraint(QLayout::SetFixedSize);
        // The fixed size is known before the window maps, so the window manager never offers
        // to resize or maximise it.
        dialog->layout()->activate();
        const int titled = TitleBarWidth(*dialog);
        if (dialog->width() < titled) {
            // Narrower than its title: the title bar would cut the title short.
            dialog->layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
            dialog->setFixedSize(titled, dialog->height());
        }
    } else
        dialog->setFixedSize(dialog->size());
}

void ShowRangeMessage(QWidget* parent, const QString& text)
{
    QMessageBox::warning(parent, "Daubrix", text);
}

QHBoxLayout* OnOffRow(QRadioButton* onButton, QRadioButton* offButton, bool on)
{
    (on ? onButton : offButton)->setChecked(true);
    auto* row = new QHBoxLayout;
    row->addWidget(onButton);
    row->addWidget(offButton);
    row->addStretch();
    return row;
}

QLabel* StandardIconLabel(QWidget* dialog, int standardPixmap)
{
    auto* icon = new QLabel;
    QStyle* style = dialog->style();
    const int side = style->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, dialog);
    icon->setPixmap(style->standardIcon(static_cast<QStyle::StandardPixmap>(standardPixmap), nullptr, dialog).pixmap(side, side));
    return icon;
}

QDialogButtonBox* OkCancelButtons(QDialog* dialog)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}
