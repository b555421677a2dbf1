// Draws the toolbar buttons (16 x 15 and 32 x 30) and the program icon (16 .. 256) as PNG files.
//
//   gen_icons [DIR]             write into DIR (default: src/app/resources/icons)
//   gen_icons --sheet OUT.png   every button at both scales on one sheet, to look at
//
// Every picture is described once in a 16 x 15 grid and painted at each scale, so the 2x
// buttons are drawn, not enlarged. Build: cmake --build <dir> --target gen_icons

#include <QColor>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <string>

namespace {

const QColor kInk(40, 40, 48);
const QColor kPaper(250, 250, 245);
const QColor kBlue(40, 100, 200);
const QColor kRed(210, 50, 40);
const QColor kGreen(40, 150, 60);
const QColor kYellow(235, 190, 40);
const QColor kGrey(140, 140, 150);

using Painter = std::function<void(QPainter&)>;

void Pen(QPainter& p, const QColor& c, double w = 1.0)
{
    p.setPen(QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void Glob(QPainter& p, double x, double y, double r, const QColor& c)
{
    QRadialGradient g(QPointF(x - r * 0.35, y - r * 0.35), r * 1.4);
    g.setColorAt(0, c.lighter(170));
    g.setColorAt(1, c.darker(130));
    p.setBrush(g);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(x, y), r, r);
}

void Page(QPainter& p)
{
    QPainterPath path;
    path.moveTo(3.5, 1.5);
    path.lineTo(10.5, 1.5);
    path.lineTo(13.5, 4.5);
    path.lineTo(13.5, 13.5);
    path.lineTo(3.5, 13.5);
    path.closeSubpath();
    p.setBrush(kPaper);
    Pen(p, kInk);
    p.drawPath(path);
    p.drawLine(QPointF(10.5, 1.5), QPointF(10.5, 4.5));
    p.drawLine(QPointF(10.5, 4.5), QPointF(13.5, 4.5));
}

void Centre(QPainter& p, double x, double y)
{
    Pen(p, kRed, 1.0);
    p.drawLine(QPointF(x - 2.5, y), QPointF(x + 2.5, y));
    p.drawLine(QPointF(x, y - 2.5), QPointF(x, y + 2.5));
}

void Arrow(QPainter& p, QPointF a, QPointF b, const QColor& c)
{
    Pen(p, c, 1.2);
    p.drawLine(a, b);
    double ang = std::atan2(b.y() - a.y(), b.x() - a.x());
    for (double d : {2.5, -2.5})
        p.drawLine(b, b - QPointF(3 * std::cos(ang + d / 4), 3 * std::sin(ang + d / 4)));
}

void Letter(QPainter& p, const QString& s, const QColor& c)
{
    QFont f("DejaVu Sans");
    f.setPixelSize(8);
    f.setBold(true);
    p.setFont(f);
    p.setPen(c);
    p.drawText(QRectF(3, 7, 10, 8), Qt::AlignCenter, s);
}

// Undo's arrow turning back to the left; redo's is its mirror image.
void TurnArrow(QPainter& p, bool mirrored)
{
    const auto x = [mirrored](double v) { return mirrored ? 16 - v : v; };
    QPainterPath path;
    path.moveTo(x(4), 6);
    path.cubicTo(x(7), 2, x(14), 3, x(13), 9);
    path.cubicTo(x(12.5), 12, x(9), 13, x(7), 12.5);
    p.setBrush(Qt::NoBrush);
    Pen(p, kBlue, 1.6);
    p.drawPath(path);
    p.setBrush(kBlue);
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF({{x(1), 7.5}, {x(6.5), 2.5}, {x(7), 8.5}}));
}

const std::map<std::string, Painter>& Buttons()
{
    static const std::map<std::string, Painter> b = {
        {"new", [](QPainter& p) { Page(p); Glob(p, 8, 9, 2.5, kBlue); }},
        {"open",
         [](QPainter& p) {
             p.setBrush(kYellow.darker(110));
             Pen(p, kInk);
             p.drawRect(QRectF(1.5, 4.5, 12, 8));
             p.setBrush(kYellow);
             QPolygonF front({{1.5, 12.5}, {4.5, 7.5}, {15.0, 7.5}, {12.5, 12.5}});
             p.drawPolygon(front);
         }},
        {"save",
         [](QPainter& p) {
             p.setBrush(kBlue);
             Pen(p, kInk);
             p.drawRect(QRectF(1.5, 1.5, 12, 12));
             p.setBrush(kPaper);
             p.drawRect(QRectF(4.5, 1.5, 6, 4));
             p.setBrush(kGrey.lighter(140));
             p.drawRect(QRectF(3.5, 8.5, 8, 5));
         }},
        {"cut",
         [](QPainter& p) {
             Pen(p, kInk, 1.1);
             p.drawLine(QPointF(4.5, 1.5), QPointF(10, 10));
             p.drawLine(QPointF(11.5, 1.5), QPointF(6, 10));
             p.setBrush(Qt::NoBrush);
             Pen(p, kRed, 1.2);
             p.drawEllipse(QPointF(4.5, 11.5), 2.2, 2.2);
             p.drawEllipse(QPointF(11.5, 11.5), 2.2, 2.2);
         }},
        {"copy",
         [](QPainter& p) {
             p.setBrush(kPaper);
             Pen(p, kInk);
             p.drawRect(QRectF(1.5, 1.5, 8, 9));
             p.drawRect(QRectF(6.5, 4.5, 8, 9));
             Glob(p, 10.5, 9, 2, kBlue);
         }},
        {"paste",
         [](QPainter& p) {
             p.setBrush(kYellow.darker(130));
             Pen(p, kInk);
             p.drawRect(QRectF(1.5, 2.5, 10, 11));
             p.setBrush(kGrey);
             p.drawRect(QRectF(4.5, 1.5, 4, 2));
             p.setBrush(kPaper);
             p.drawRect(QRectF(7.5, 6.5, 7, 7));
         }},
        {"print",
         [](QPainter& p) {
             p.setBrush(kPaper);
             Pen(p, kInk);
             p.drawRect(QRectF(4.5, 1.5, 7, 5));
             p.setBrush(kGrey.lighter(130));
             p.drawRect(QRectF(1.5, 6.5, 13, 5));
             p.setBrush(kPaper);
             p.drawRect(QRectF(4.5, 10.5, 7, 3));
             Pen(p, kGreen);
             p.drawPoint(QPointF(12.5, 8.5));
         }},
        {"preview",
         [](QPainter& p) {
             Page(p);
             p.setBrush(QColor(200, 230, 255, 200));
             Pen(p, kInk, 1.2);
             p.drawEllipse(QPointF(7.5, 7), 3.2, 3.2);
             p.drawLine(QPointF(10, 9.5), QPointF(13.5, 13));
         }},
        {"contexthelp",
         [](QPainter& p) {
             QPolygonF arrow({{1.5, 1.5}, {1.5, 11}, {4, 8.5}, {6, 12.5}, {7.5, 11.8}, {5.5, 8}, {8.5, 8}});
             p.setBrush(Qt::white);
             Pen(p, kInk);
             p.drawPolygon(arrow);
             QFont f("DejaVu Sans");
             f.setPixelSize(10);
             f.setBold(true);
             p.setFont(f);
             p.setPen(kBlue);
             p.drawText(QRectF(8, 2, 8, 12), Qt::AlignCenter, "?");
         }},
        {"undo", [](QPainter& p) { TurnArrow(p, false); }},
        {"redo", [](QPainter& p) { TurnArrow(p, true); }},
        {"movecenter",
         [](QPainter& p) {
             Centre(p, 8, 7.5);
             Arrow(p, {8, 7.5}, {14, 7.5}, kInk);
             Arrow(p, {8, 7.5}, {2, 7.5}, kInk);
             Arrow(p, {8, 7.5}, {8, 1.5}, kInk);
             Arrow(p, {8, 7.5}, {8, 13.5}, kInk);
         }},
        {"mirrorh",
         [](QPainter& p) {
             Pen(p, kGrey, 1.0);
             p.drawLine(QPointF(7.5, 0.5), QPointF(7.5, 14.5));
             Glob(p, 4, 6, 2.5, kBlue);
             Glob(p, 11, 6, 2.5, kBlue);
             Glob(p, 3, 11, 1.5, kRed);
             Glob(p, 12, 11, 1.5, kRed);
         }},
        {"mirrorv",
         [](QPainter& p) {
             Pen(p, kGrey, 1.0);
             p.drawLine(QPointF(0.5, 7.5), QPointF(15.5, 7.5));
             Glob(p, 6, 4, 2.5, kBlue);
             Glob(p, 6, 11, 2.5, kBlue);
             Glob(p, 12, 3, 1.5, kRed);
             Glob(p, 12, 12, 1.5, kRed);
         }},
        {"mirrorboth",
         [](QPainter& p) {
             Pen(p, kGrey, 1.0);
             p.drawLine(QPointF(7.5, 0.5), QPointF(7.5, 14.5));
             p.drawLine(QPointF(0.5, 7.5), QPointF(15.5, 7.5));
             for (double x : {3.5, 11.5})
                 for (double y : {3.5, 11.5})
                     Glob(p, x, y, 2.3, kBlue);
         }},
        {"polar",
         [](QPainter& p) {
             for (int i = 0; i < 5; ++i) {
                 double a = -M_PI / 2 + i * 2 * M_PI / 5;
                 Glob(p, 8 + 4.8 * std::cos(a), 7.5 + 4.8 * std::sin(a), 2, i % 2 ? kRed : kBlue);
             }
             Centre(p, 8, 7.5);
         }},
        {"lines",
         [](QPainter& p) {
             Pen(p, kGrey, 0.8);
             p.drawLine(QPointF(2, 12), QPointF(14, 3));
             for (int i = 0; i < 4; ++i)
                 Glob(p, 2.5 + i * 3.7, 11.8 - i * 2.8, 1.7, kBlue);
         }},
        {"jitter",
         [](QPainter& p) {
             const double pts[][2] = {{4, 4}, {10, 3}, {7, 8}, {12, 10}, {3, 11}, {9, 13}};
             for (auto& q : pts)
                 Glob(p, q[0], q[1], 1.7, kGreen);
         }},
        {"skipping",
         [](QPainter& p) {
             for (int i = 0; i < 4; ++i)
                 Glob(p, 2.5 + i * 3.7, 7.5, 1.7, i % 2 ? QColor(210, 210, 215) : kBlue);
         }},
        {"pattern",
         [](QPainter& p) {
             Pen(p, kInk, 1.0);
             p.setBrush(kGrey.lighter(150));
             p.drawRect(QRectF(5.5, 9.5, 5, 4));
             p.drawRect(QRectF(7, 2, 2, 7.5));
             Glob(p, 3.5, 4, 1.7, kRed);
             Glob(p, 12.5, 4, 1.7, kBlue);
             Glob(p, 3.5, 12, 1.3, kGreen);
             Glob(p, 12.5, 12, 1.3, kYellow);
         }},
        {"regenerate",
         [](QPainter& p) {
             p.setBrush(Qt::NoBrush);
             Pen(p, kGreen, 1.6);
             p.drawArc(QRectF(2.5, 2, 11, 11), 30 * 16, 280 * 16);
             p.setBrush(kGreen);
             p.setPen(Qt::NoPen);
             p.drawPolygon(QPolygonF({{15, 2}, {14.5, 8}, {9.5, 5}}));
             Glob(p, 8, 7.5, 2, kBlue);
         }},
        {"clear",
         [](QPainter& p) {
             p.setBrush(kPaper);
             Pen(p, kInk);
             p.drawRect(QRectF(1.5, 1.5, 13, 12));
             Pen(p, kRed, 1.8);
             p.drawLine(QPointF(4.5, 4), QPointF(11.5, 11));
             p.drawLine(QPointF(11.5, 4), QPointF(4.5, 11));
         }},
        {"autohue",
         [](QPainter& p) {
             for (int i = 0; i < 12; ++i) {
                 p.setBrush(QColor::fromHsv(i * 30, 230, 240));
                 p.setPen(Qt::NoPen);
                 p.drawPie(QRectF(1.5, 1, 13, 13), (90 - i * 30) * 16, -30 * 16);
             }
             p.setBrush(Qt::white);
             p.drawEllipse(QPointF(8, 7.5), 2.5, 2.5);
         }},
        {"autosat",
         [](QPainter& p) {
             QLinearGradient g(1, 0, 15, 0);
             g.setColorAt(0, QColor(180, 170, 170));
             g.setColorAt(1, kRed);
             p.setBrush(g);
             Pen(p, kInk);
             p.drawRect(QRectF(1.5, 1.5, 13, 5));
             Letter(p, "S", kInk);
         }},
        {"autoval",
         [](QPainter& p) {
             QLinearGradient g(1, 0, 15, 0);
             g.setColorAt(0, Qt::black);
             g.setColorAt(1, kBlue.lighter(150));
             p.setBrush(g);
             Pen(p, kInk);
             p.drawRect(QRectF(1.5, 1.5, 13, 5));
             Letter(p, "V", kInk);
         }},
        {"sampleshape",
         [](QPainter& p) {
             Glob(p, 5, 5, 3.5, kBlue);
             Pen(p, kInk, 1.0);
             p.setBrush(Qt::NoBrush);
             p.drawRect(QRectF(8.5, 8.5, 6, 6));
             Arrow(p, {8, 8}, {12, 12}, kInk);
         }},
        {"samplecolor",
         [](QPainter& p) {
             Pen(p, kInk, 1.0);
             p.setBrush(kGrey.lighter(140));
             QPolygonF dropper({{9, 2}, {13, 6}, {6, 13}, {3, 13}, {3, 10}});
             p.drawPolygon(dropper);
             Glob(p, 4, 12, 1.8, kRed);
             p.setBrush(kInk);
             p.drawEllipse(QPointF(12.5, 3), 2, 2);
         }},
        {"depth",
         [](QPainter& p) {
             Glob(p, 4.5, 5, 3.5, QColor(60, 60, 70));
             Glob(p, 8, 8, 3.5, QColor(120, 120, 140));
             Glob(p, 11.5, 10.5, 3.5, QColor(200, 200, 230));
         }},
    };
    return b;
}

void ProgramIcon(QPainter& p, int size)
{
    p.scale(size / 16.0, size / 16.0);
    QLinearGradient bg(0, 0, 16, 16);
    bg.setColorAt(0, QColor(250, 246, 235));
    bg.setColorAt(1, QColor(225, 220, 205));
    p.setBrush(bg);
    p.setPen(QPen(QColor(90, 80, 70), 0.6));
    p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);
    // A swirl of globs that grow along the stroke.
    for (int i = 0; i < 9; ++i) {
        double t = i / 8.0;
        double a = 0.5 + t * 4.2;
        double r = 1.2 + t * 4.0;
        Glob(p, 8 + r * std::cos(a), 8 + r * std::sin(a), 0.9 + t * 1.3, QColor::fromHsv((i * 40) % 360, 220, 235));
    }
}

QImage Render(const Painter& paint, int scale)
{
    QImage img(16 * scale, 15 * scale, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    paint(p);
    p.end();
    return img;
}

bool Save(const QImage& img, const QString& path)
{
    if (!img.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc > 2 && QString(argv[1]) == "--sheet") {
        // Per row: 1x and 2x at real size, then both enlarged to 64 x 60 without smoothing.
        const auto& buttons = Buttons();
        QImage sheet(220, 8 + 68 * int(buttons.size()), QImage::Format_ARGB32);
        sheet.fill(QColor(212, 208, 200));
        QPainter s(&sheet);
        int y = 8;
        for (const auto& entry : buttons) {
            QImage one = Render(entry.second, 1), two = Render(entry.second, 2);
            s.drawImage(QPoint(4, y), one);
            s.drawImage(QPoint(24, y), two);
            s.drawImage(QRect(64, y, 64, 60), one);
            s.drawImage(QRect(140, y, 64, 60), two);
            y += 68;
        }
        s.end();
        return sheet.save(argv[2]) ? 0 : 1;
    }
    QString dir = argc > 1 ? argv[1] : "src/app/resources/icons";
    QDir().mkpath(dir);
    int written = 0;
    for (const auto& [name, paint] : Buttons())
        for (int scale : {1, 2}) {
            QImage img = Render(paint, scale);
            QString file = QString("%1/%2%3.png").arg(dir, QString::fromStdString(name), scale == 2 ? "@2x" : "");
            written += Save(img, file);
        }
    for (int size : {16, 32, 48, 64, 128, 256}) {
        QImage img(size, size, QImage::Format_ARGB32);
        img.fill(Qt::transparent);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        ProgramIcon(p, size);
        p.end();
        QString file = size == 48 ? dir + "/daubrix.png" : QString("%1/daubrix-%2.png").arg(dir).arg(size);
        written += Save(img, file);
    }
    std::printf("%d images written to %s\n", written, qPrintable(dir));
    return 0;
}
