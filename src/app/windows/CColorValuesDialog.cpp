#include "app/windows/CColorValuesDialog.h"
#include "app/widgets/DialogParts.h"
#include "app/windows/CDialogUnits.h"
#include "app/widgets/CRangeSpinBox.h"
#include "app/widgets/CSwatchFrame.h"
#include "core/panels/CColorsPainter.h"
#include "core/base/IHost.h"
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {
enum { kHue, kSat, kVal, kRed, kGreen, kBlue };
constexpr int kEditW = 34;   // dialog units, edit and its arrows together
constexpr int kEditH = 13;
} // namespace

CColorValuesDialog::CColorValuesDialog(IHost& host, HsvColor current, QWidget* parent)
    : QDialog(parent), m_host(host), m_opened(CColorValues::FromHsv(current)), m_accepted(m_opened)
{
    setWindowTitle("Enter Color Values");
    const CDialogUnits du(fontMetrics());
    setFixedSize(du.X(240), du.Y(82));
    setModal(true);

    auto* hsv = new QGroupBox("HSV", this);
    hsv->setGeometry(du.Rect(7, 6, 64, 69));
    auto* rgb = new QGroupBox("RGB", this);
    rgb->setGeometry(du.Rect(104, 6, 67, 69));
    const char* labels[6] = {"Hue:", "Sat:", "Val:", "Red:", "Green:", "Blue:"};
    const char* names[6] = {"hue", "saturation", "value", "red", "green", "blue"};
    const int values[6] = {m_opened.hue, m_opened.saturation, m_opened.value,
                           m_opened.red, m_opened.green, m_opened.blue};
    for (int i = 0; i < 6; ++i) {
        const int x = i < 3 ? 33 : 132, y = 17 + 19 * (i % 3), labelX = i < 3 ? 11 : 108;
        const int hi = i == kHue ? CColorValues::HueMax : CColorValues::ByteMax;
        m_edits[i] = AddEdit(0, hi, values[i], du.Rect(x, y, kEditW, kEditH), names[i]);
        auto* label = new QLabel(labels[i], this);
        label->setGeometry(du.Rect(labelX, y, x - labelX - 1, kEditH));
        label->setBuddy(m_edits[i]);
    }

    auto* toRgb = new QPushButton(">>", this);
    toRgb->setObjectName("toRgb");
    toRgb->setGeometry(du.Rect(79, 21, 16, 14));
    toRgb->setAutoDefault(false);
    connect(toRgb, &QPushButton::clicked, this, &CColorValuesDialog::HsvToRgb);
    auto* toHsv = new QPushButton("<<", this);
    toHsv->setObjectName("toHsv");
    toHsv->setGeometry(du.Rect(79, 46, 16, 14));
    toHsv->setAutoDefault(false);
    connect(toHsv, &QPushButton::clicked, this, &CColorValuesDialog::RgbToHsv);

    auto* ok = new QPushButton("OK", this);
    ok->setGeometry(du.Rect(181, 10, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CColorValuesDialog::accept);
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setGeometry(du.Rect(181, 27, 50, 14));
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &CColorValuesDialog::reject);

    m_swatch = new CSwatchFrame(this);
    m_swatch->setGeometry(du.Rect(195, 51, 23, 20));
    m_swatch->SetColor(QColor::fromRgb(CColorsPainter::Shown(current)));

    auto fromHsv = [this] {
        const CColorValues p = Positions();
        m_swatch->SetColor(QColor::fromRgb(CColorsPainter::Shown(
            {static_cast<int16_t>(p.hue), static_cast<uint8_t>(p.saturation), static_cast<uint8_t>(p.value)})));
    };
    auto fromRgb = [this] {
        const CColorValues p = Positions();
        m_swatch->SetColor(QColor(p.red, p.green, p.blue));
    };
    for (int i = 0; i < 6; ++i)
        connect(m_edits[i], &QSpinBox::valueChanged, this, i < 3 ? std::function<void()>(fromHsv) : fromRgb);
    m_edits[kHue]->setFocus();
    m_edits[kHue]->selectAll();
    UseDialogFrame(this);
}

CRangeSpinBox* CColorValuesDialog::AddEdit(int lo, int hi, int value, const QRect& r, const char* name)
{
    auto* e = new CRangeSpinBox(lo, hi, this);
    e->setObjectName(name);
    e->setValue(value);
    e->setGeometry(r);
    return e;
}

CColorValues CColorValuesDialog::Positions() const
{
    CColorValues v;
    v.hue = m_edits[kHue]->Position();
    v.saturation = m_edits[kSat]->Position();
    v.value = m_edits[kVal]->Position();
    v.red = m_edits[kRed]->Position();
    v.green = m_edits[kGreen]->Position();
    v.blue = m_edits[kBlue]->Position();
    return v;
}

void CColorValuesDialog::HsvToRgb()
{
    CColorValues v = Positions();
    v.HsvToRgbFields();
    m_edits[kRed]->setValue(v.red);
    m_edits[kGreen]->setValue(v.green);
    m_edits[kBlue]->setValue(v.blue);
}

void CColorValuesDialog::RgbToHsv()
{
    CColorValues v = Positions();
    v.RgbToHsvFields();
    m_edits[kHue]->setValue(v.hue);
    m_edits[kSat]->setValue(v.saturation);
    m_edits[kVal]->setValue(v.value);
}

void CColorValuesDialog::accept()
{
    int numbers[6] = {};
    for (int i = 0; i < 6; ++i) {
        CRangeSpinBox* e = m_edits[i];
        if (!CColorValues::ParseField(e->cleanText().toStdString(), e->Low(), e->High(), numbers[i])) {
            QString message = NumberBoxMessage(e->cleanText(), e->Low(), e->High());
            if (message.isEmpty())
                message = RangeMessage(e->Low(), e->High());
            m_host.Message(message.toStdString(), MsgIcon::Exclamation);
            e->setFocus();
            e->selectAll();
            return;
        }
    }
    m_accepted = {numbers[kHue], numbers[kSat], numbers[kVal], numbers[kRed], numbers[kGreen], numbers[kBlue]};
    QDialog::accept();
}

QColor CColorValuesDialog::SwatchColor() const
{
    return m_swatch->Color();
}

std::optional<HsvColor> CColorValuesDialog::Ask(IHost& host, HsvColor current, QWidget* parent)
{
    CColorValuesDialog dlg(host, current, parent);
    if (dlg.exec() != QDialog::Accepted)
        return std::nullopt;
    return dlg.ResultColor();
}
