#include "app/dialogs/CMovieDialog.h"
#include "app/widgets/DialogParts.h"
#include "app/widgets/CNumberSpinBox.h"
#include "core/movie/MovieCommand.h"
#include "core/movie/MovieSchedule.h"
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

QLineEdit* ReadOnlyEdit(const char* name)
{
    auto* e = new QLineEdit;
    e->setObjectName(name);
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::NoFocus);
    e->setMaximumWidth(70);
    return e;
}

CNumberSpinBox* NumberBox(const char* name, int lo, int hi, int value)
{
    auto* b = new CNumberSpinBox(lo, hi);
    b->setObjectName(name);
    b->SetValue(value);
    b->setMaximumWidth(80);
    return b;
}

int Number(const CNumberSpinBox* box, int fallback)
{
    bool ok = false;
    const int v = box->Text().trimmed().toInt(&ok);
    return ok ? v : fallback;
}

} // namespace

CMovieDialog::CMovieDialog(const MovieDialogValues& values, QWidget* parent) : QDialog(parent), m_values(values)
{
    setWindowTitle(values.isMovie ? "Create Movie" : "Create Image Sequence");
    m_firstEmpty = new QCheckBox("First frame empty");
    m_firstEmpty->setObjectName("firstEmpty");
    m_firstEmpty->setChecked(values.firstEmpty);
    m_frames = NumberBox("frames", 1, 1000, values.frames);
    m_fps = NumberBox("fps", kMinMovieFps, kMaxMovieFps, values.fps);
    m_hold = NumberBox("hold", 0, 30, values.hold);
    m_scale = NumberBox("scale", 1, 200, values.scale);
    m_length = ReadOnlyEdit("length");
    m_length->setEnabled(false);
    m_width = ReadOnlyEdit("width");
    m_height = ReadOnlyEdit("height");

    auto* framesGroup = new QGroupBox("Number of frames");
    (new QVBoxLayout(framesGroup))->addWidget(m_frames);

    auto* movieGroup = new QGroupBox("Movie");
    auto* movie = new QGridLayout(movieGroup);
    auto* fpsLabel = new QLabel("fps:");
    fpsLabel->setBuddy(m_fps);
    auto* lengthLabel = new QLabel("length:");
    auto* seconds = new QLabel("sec.");
    auto* holdLabel = new QLabel("Hold last frame for");
    holdLabel->setBuddy(m_hold);
    auto* holdSeconds = new QLabel("sec.");
    movie->addWidget(fpsLabel, 0, 0);
    movie->addWidget(m_fps, 0, 1);
    movie->addWidget(lengthLabel, 1, 0);
    movie->addWidget(m_length, 1, 1);
    movie->addWidget(seconds, 1, 2);
    movie->addWidget(holdLabel, 2, 0);
    movie->addWidget(m_hold, 2, 1);
    movie->addWidget(holdSeconds, 2, 2);

    auto* sizeGroup = new QGroupBox("Size");
    auto* size = new QGridLayout(sizeGroup);
    auto* scaleLabel = new QLabel("Scale (%):");
    scaleLabel->setBuddy(m_scale);
    size->addWidget(scaleLabel, 0, 0);
    size->addWidget(m_scale, 0, 1);
    size->addWidget(new QLabel("Width:"), 1, 0);
    size->addWidget(m_width, 1, 1);
    size->addWidget(new QLabel("Height:"), 2, 0);
    size->addWidget(m_height, 2, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_firstEmpty);
    layout->addWidget(framesGroup);
    layout->addWidget(movieGroup);
    layout->addWidget(sizeGroup);
    layout->addWidget(OkCancelButtons(this));

    // A picture series has no rate, length or held frame; its fps box shows the button face.
    if (!values.isMovie) {
        for (QWidget* w : {static_cast<QWidget*>(fpsLabel), static_cast<QWidget*>(lengthLabel),
                           static_cast<QWidget*>(seconds), static_cast<QWidget*>(holdLabel),
                           static_cast<QWidget*>(holdSeconds), static_cast<QWidget*>(m_fps),
                           static_cast<QWidget*>(m_hold)})
            w->setEnabled(false);
        QPalette pal = m_fps->palette();
        pal.setColor(QPalette::Disabled, QPalette::Base, pal.color(QPalette::Button));
        m_fps->setPalette(pal);
        m_hold->setPalette(pal);
    }
    connect(m_frames, &CNumberSpinBox::TextEdited, this, &CMovieDialog::UpdateLength);
    connect(m_fps, &CNumberSpinBox::TextEdited, this, &CMovieDialog::UpdateLength);
    connect(m_scale, &CNumberSpinBox::TextEdited, this, &CMovieDialog::UpdateSize);
    connect(m_firstEmpty, &QCheckBox::clicked, this, &CMovieDialog::FirstEmptyClicked);
    m_filling = false;
    UpdateLength();
    UpdateSize();
    m_frames->setFocus();
    UseDialogFrame(this);
}

void CMovieDialog::UpdateLength()
{
    if (m_filling)
        return;
    m_length->setText(QString::fromStdString(MovieLengthText(Number(m_frames, 0), Number(m_fps, 0))));
}

void CMovieDialog::UpdateSize()
{
    if (m_filling)
        return;
    int scale = Number(m_scale, 0);
    if (scale > 200) {
        scale = 200;
        m_scale->SetValue(scale);   // comes back here once more
        return;
    }
    m_width->setText(QString::number(ScaledSide(m_values.drawingWidth, scale)));
    m_height->setText(QString::number(ScaledSide(m_values.drawingHeight, scale)));
}

void CMovieDialog::FirstEmptyClicked()
{
    if (m_firstEmpty->isChecked() && Number(m_frames, 0) == 1)
        m_frames->SetValue(2);
}

void CMovieDialog::accept()
{
    // A rate or hold outside its range could only make a runaway or broken movie.
    struct Range {
        CNumberSpinBox* box;
        int lo, hi;
        bool movieOnly;
    };
    for (const Range& r : {Range{m_scale, 1, 200, false}, Range{m_fps, kMinMovieFps, kMaxMovieFps, true},
                           Range{m_hold, 0, 30, true}}) {
        CNumberSpinBox* box = r.box;
        const QString problem = NumberBoxMessage(box->Text(), r.lo, r.hi);
        if (!problem.isEmpty() && (!r.movieOnly || m_values.isMovie)) {
            ShowRangeMessage(this, problem);
            box->setFocus();
            return;
        }
    }
    m_values.frames = Number(m_frames, 0);
    m_values.fps = Number(m_fps, 0);
    m_values.scale = Number(m_scale, 100);
    m_values.hold = m_values.isMovie ? Number(m_hold, 0) : m_values.hold;
    m_values.firstEmpty = m_firstEmpty->isChecked();
    QDialog::accept();
}
