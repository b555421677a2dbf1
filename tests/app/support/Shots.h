#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>
#include <QWidget>

// Screenshots for looking at, written only when DAUBRIX_SHOTS names a folder.
inline void MaybeShoot(QWidget& w, const char* name)
{
    const QByteArray dir = qgetenv("DAUBRIX_SHOTS");
    if (!dir.isEmpty())
        w.grab().save(QString::fromLocal8Bit(dir) + "/" + name + ".png");
}

// Renders a widget to an image; with DAUBRIX_SHOTS set the picture is also kept there, plain
// and four times enlarged.
inline QImage GrabFor(QWidget& w, const char* name)
{
    QImage img = w.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QByteArray dir = qgetenv("DAUBRIX_SHOTS");
    if (!dir.isEmpty()) {
        const QString base = QString::fromLocal8Bit(dir) + "/" + name;
        img.save(base + ".png");
        img.scaled(img.size() * 4, Qt::IgnoreAspectRatio, Qt::FastTransformation).save(base + "_x4.png");
    }
    return img;
}
