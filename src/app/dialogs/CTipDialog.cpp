#include "app/dialogs/CTipDialog.h"
#include "app/widgets/DialogParts.h"
#include "app/dialogs/LightBulbPicture.h"
#include "app/windows/CDialogUnits.h"
#include "core/shell/CTipOfTheDay.h"
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace {
// White ground, the bulb in its top-left corner and the heading beside it.
class CTipPicture : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        const QPixmap bulb = LightBulbPicture();
        p.drawPixmap(0, 0, bulb);
        QFont heading = font();
        heading.setBold(true);
        heading.setPointSizeF(heading.pointSizeF() * 1.4);
        p.setFont(heading);
        p.setPen(Qt::black);
        p.drawText(QRect(bulb.width() + 8, 0, width() - bulb.width() - 8, bulb.height()),
                   Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, CTipOfTheDay::kHeading);
    }
};
} // namespace

CTipDialog::CTipDialog(CTipOfTheDay& tips, QWidget* parent) : QDialog(parent), m_tips(tips)
{
    setWindowTitle("Daubrix Tip of the Day");
    const CDialogUnits du(fontMetrics());
    auto* frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setGeometry(du.Rect(12, 11, 207, 123));
    auto* picture = new CTipPicture(this);
    picture->setObjectName("tipPicture");
    picture->setGeometry(du.Rect(20, 17, 190, 111));
    m_tip = new QLabel(this);
    m_tip->setObjectName("tipText");
    m_tip->setGeometry(du.Rect(28, 63, 177, 60));
    m_tip->setWordWrap(true);
    m_tip->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_tip->setAutoFillBackground(true);
    QPalette white = m_tip->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    m_tip->setPalette(white);
    m_startUp = new QCheckBox("&Show Tips on StartUp", this);
    m_startUp->setGeometry(du.Rect(13, 146, 85, 10));
    m_startUp->setChecked(tips.ShowAtStartUpChecked());
    m_next = new QPushButton("&Next Tip", this);
    m_next->setGeometry(du.Rect(109, 143, 50, 14));
    m_next->setAutoDefault(false);
    m_next->setEnabled(tips.CanShowNext());
    m_close = new QPushButton("&Close", this);
    m_close->setGeometry(du.Rect(168, 143, 50, 14));
    m_close->setDefault(true);
    setFixedSize(du.X(231), du.Y(164));
    UseDialogFrame(this);

    connect(m_next, &QPushButton::clicked, this, [this] {
        m_tips.NextTip();
        ShowTip();
        m_next->setEnabled(m_tips.CanShowNext());
    });
    // Only Close keeps the box's choice; the title bar's close leaves the setting alone.
    connect(m_close, &QPushButton::clicked, this, [this] {
        m_tips.Close(m_startUp->isChecked());
        accept();
    });
    ShowTip();
}

void CTipDialog::ShowTip()
{
    // The line end a tip is read with is not shown.
    m_tip->setText(QString::fromUtf8(m_tips.Tip()).trimmed());
}
