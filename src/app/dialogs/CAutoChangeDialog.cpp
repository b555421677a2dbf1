#include "app/dialogs/CAutoChangeDialog.h"
#include "app/widgets/DialogParts.h"
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>

namespace {
struct Choice {
    const char* text;
    int mode;
};
// Hue starts with Up; saturation and value with Up and Down.
constexpr std::array<Choice, 6> kHueOrder = {{{"Up", kAutoUp},
                                              {"Down", kAutoDown},
                                              {"Up && Down", kAutoUpDown},
                                              {"Down && Up", kAutoDownUp},
                                              {"Random", kAutoRandom},
                                              {"Off", kAutoOff}}};
constexpr std::array<Choice, 6> kOtherOrder = {{{"Up && Down", kAutoUpDown},
                                                {"Up", kAutoUp},
                                                {"Down", kAutoDown},
                                                {"Down && Up", kAutoDownUp},
                                                {"Random", kAutoRandom},
                                                {"Off", kAutoOff}}};

const char* TitleOf(ColorComponent c)
{
    switch (c) {
    case ColorComponent::Hue:
        return "AutoChange Hue";
    case ColorComponent::Saturation:
        return "AutoChange Saturation";
    default:
        return "AutoChange Value";
    }
}
} // namespace

CAutoChangeDialog::CAutoChangeDialog(ColorComponent component, int mode, int speed, QWidget* parent)
    : QDialog(parent), m_slider(new QSlider(Qt::Horizontal, this))
{
    setWindowTitle(TitleOf(component));
    const auto& order = component == ColorComponent::Hue ? kHueOrder : kOtherOrder;
    auto* grid = new QGridLayout;
    for (size_t i = 0; i < order.size(); ++i) {
        auto* b = new QRadioButton(order[i].text, this);
        b->setAutoExclusive(false);
        m_buttons[i] = b;
        m_modes[i] = order[i].mode;
        const int m = order[i].mode;
        connect(b, &QRadioButton::clicked, this, [this, m] { Choose(m); });
        // Five down the left; "Off" to the right of "Random".
        if (i < 5)
            grid->addWidget(b, static_cast<int>(i), 0);
        else
            grid->addWidget(b, 4, 1);
    }
    Choose(mode >= kAutoUp && mode <= kAutoDownUp ? mode : kAutoOff);

    auto* ok = new QPushButton("OK", this);
    auto* cancel = new QPushButton("Cancel", this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* side = new QVBoxLayout;
    side->addWidget(ok);
    side->addWidget(cancel);
    side->addStretch();

    m_slider->setRange(1, 10);
    m_slider->setValue(std::clamp(speed, 1, 10));
    m_slider->setPageStep(1);
    m_slider->setTickPosition(QSlider::TicksBelow);
    auto* group = new QGroupBox("Speed", this);
    auto* scale = new QHBoxLayout(group);
    scale->addWidget(new QLabel("Slow", group));
    scale->addWidget(m_slider, 1);
    scale->addWidget(new QLabel("Fast", group));

    auto* top = new QHBoxLayout;
    top->addLayout(grid);
    top->addStretch();
    top->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(group);
    UseDialogFrame(this);
}

void CAutoChangeDialog::Choose(int mode)
{
    m_mode = mode;
    for (size_t i = 0; i < m_buttons.size(); ++i)
        m_buttons[i]->setChecked(m_modes[i] == mode);
}

QRadioButton* CAutoChangeDialog::ButtonFor(int mode) const
{
    for (size_t i = 0; i < m_buttons.size(); ++i)
        if (m_modes[i] == mode)
            return m_buttons[i];
    return nullptr;
}

int CAutoChangeDialog::Speed() const
{
    return m_slider->value();
}
