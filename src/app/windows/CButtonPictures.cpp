#include "app/windows/CButtonPictures.h"
#include <QImage>

namespace {
constexpr int kW = 16;
constexpr int kH = 15;

QImage Blank(int w = kW, int h = kH)
{
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    return img;
}

// A solid triangle with its point at column tip, opening towards dir (+1 right, -1 left).
void Triangle(QImage& img, int tip, int dir, const QColor& ink)
{
    const int mid = kH / 2;
    for (int k = 0; k <= 5; ++k)
        for (int y = mid - k; y <= mid + k; ++y)
            img.setPixelColor(tip + dir * k, y, ink);
}

void Bar(QImage& img, int x, const QColor& ink)
{
    for (int y = 2; y <= kH - 3; ++y) {
        img.setPixelColor(x, y, ink);
        img.setPixelColor(x + 1, y, ink);
    }
}

// 3 x 5 glyphs for 1, 2, 3; each row is three bits, left to right.
constexpr int kGlyphs[3][5] = {
    {0b010, 0b110, 0b010, 0b010, 0b111},
    {0b110, 0b001, 0b010, 0b100, 0b111},
    {0b110, 0b001, 0b010, 0b001, 0b110},
};
} // namespace

QPixmap CButtonPictures::LeftTriangle(const QColor& ink)
{
    QImage img = Blank();
    Triangle(img, 5, +1, ink);
    return QPixmap::fromImage(img);
}

QPixmap CButtonPictures::RightTriangle(const QColor& ink)
{
    QImage img = Blank();
    Triangle(img, 10, -1, ink);
    return QPixmap::fromImage(img);
}

QPixmap CButtonPictures::PreviousSection(const QColor& ink)
{
    QImage img = Blank();
    Bar(img, 3, ink);
    Triangle(img, 6, +1, ink);
    return QPixmap::fromImage(img);
}

QPixmap CButtonPictures::NextSection(const QColor& ink)
{
    QImage img = Blank();
    Triangle(img, 9, -1, ink);
    Bar(img, 11, ink);
    return QPixmap::fromImage(img);
}

QPixmap CButtonPictures::Stop(const QColor& ink)
{
    QImage img = Blank();
    for (int y = 3; y <= kH - 4; ++y)
        for (int x = 4; x <= 12; ++x)
            img.setPixelColor(x, y, ink);
    return QPixmap::fromImage(img);
}

QPixmap CButtonPictures::Digits(const QColor& ink)
{
    // Drawn at 3 x 5 and doubled, so the glyphs stay crisp.
    QImage img = Blank(13, 7);
    for (int g = 0; g < 3; ++g)
        for (int row = 0; row < 5; ++row)
            for (int col = 0; col < 3; ++col)
                if (kGlyphs[g][row] & (4 >> col))
                    img.setPixelColor(1 + g * 4 + col, 1 + row, ink);
    return QPixmap::fromImage(img.scaled(26, 14));
}

QIcon CButtonPictures::Icon(const QPixmap& picture)
{
    QIcon icon(picture);
    QPixmap doubled = picture.scaled(picture.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    doubled.setDevicePixelRatio(2);
    icon.addPixmap(doubled);
    return icon;
}
