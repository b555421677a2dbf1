// Draws the icons the desktop shows: the program's and the drawing file type's, as PNG files at
// every hicolor size and as scalable SVG files, from one description of each.
//
//   gen_desktop_icons [DIR]   write DIR/hicolor/... (default: packaging/icons)
//
// Build: cmake --build <dir> --target gen_desktop_icons

#include <QColor>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <cstdio>
#include <variant>
#include <vector>

namespace {

// Everything is laid out on a 16 x 16 grid and scaled to the size asked for.
constexpr double kGrid = 16.0;

struct Plate {   // a rounded square with a diagonal gradient
    QRectF rect;
    double radius;
    QColor from, to, edge;
    double edgeWidth;
};
struct Sheet {   // an outline, filled, such as a page with a folded corner
    std::vector<QPointF> points;
    QColor fill, edge;
    double edgeWidth;
};
struct Glob {    // a shaded ball, lit from the top left
    QPointF centre;
    double radius;
    QColor colour;
};
using Item = std::variant<Plate, Sheet, Glob>;
using Picture = std::vector<Item>;

// A stroke of globs curling inwards and growing as it goes.
void Swirl(Picture& pic, QPointF centre, double scale, int count)
{
    for (int i = 0; i < count; ++i) {
        const double t = i / double(count - 1);
        const double a = 0.5 + t * 4.2, r = (1.2 + t * 4.0) * scale;
        pic.push_back(Glob{centre + QPointF(r * std::cos(a), r * std::sin(a)), (0.9 + t * 1.3) * scale,
                           QColor::fromHsv((i * 40) % 360, 220, 235)});
    }
}

Picture ProgramIcon()
{
    Picture pic;
    pic.push_back(Plate{{0.5, 0.5, 15, 15}, 3, QColor(250, 246, 235), QColor(225, 220, 205), QColor(90, 80, 70), 0.6});
    Swirl(pic, {8, 8}, 1.0, 9);
    return pic;
}

Picture DocumentIcon()
{
    Picture pic;
    pic.push_back(Sheet{{{2.5, 0.5}, {10, 0.5}, {13.5, 4}, {13.5, 15.5}, {2.5, 15.5}},
                        QColor(252, 252, 248), QColor(110, 110, 120), 0.4});
    pic.push_back(Sheet{{{10, 0.5}, {10, 4}, {13.5, 4}}, QColor(215, 215, 222), QColor(110, 110, 120), 0.4});
    Swirl(pic, {8, 9.5}, 0.7, 6);
    return pic;
}

QColor Lit(const QColor& c) { return c.lighter(170); }
QColor Shade(const QColor& c) { return c.darker(130); }
QPointF Highlight(const Glob& g) { return g.centre - QPointF(g.radius * 0.35, g.radius * 0.35); }

void Paint(QPainter& p, const Picture& pic)
{
    for (const Item& item : pic) {
        if (const auto* plate = std::get_if<Plate>(&item)) {
            QLinearGradient bg(plate->rect.topLeft(), plate->rect.bottomRight());
            bg.setColorAt(0, plate->from);
            bg.setColorAt(1, plate->to);
            p.setBrush(bg);
            p.setPen(QPen(plate->edge, plate->edgeWidth));
            p.drawRoundedRect(plate->rect, plate->radius, plate->radius);
        } else if (const auto* sheet = std::get_if<Sheet>(&item)) {
            p.setBrush(sheet->fill);
            p.setPen(QPen(sheet->edge, sheet->edgeWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
            p.drawPolygon(sheet->points.data(), int(sheet->points.size()));
        } else if (const auto* glob = std::get_if<Glob>(&item)) {
            QRadialGradient g(Highlight(*glob), glob->radius * 1.4);
            g.setColorAt(0, Lit(glob->colour));
            g.setColorAt(1, Shade(glob->colour));
            p.setBrush(g);
            p.setPen(Qt::NoPen);
            p.drawEllipse(glob->centre, glob->radius, glob->radius);
        }
    }
}

QImage Raster(const Picture& pic, int size)
{
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / kGrid, size / kGrid);
    Paint(p, pic);
    return img;
}

QString Num(double v) { return QString::number(v, 'f', 3); }

QString Svg(const Picture& pic)
{
    QString defs, body;
    int id = 0;
    for (const Item& item : pic) {
        const QString name = QString("g%1").arg(id++);
        if (const auto* plate = std::get_if<Plate>(&item)) {
            const QRectF& r = plate->rect;
            defs += QString("    <linearGradient id=\"%1\" gradientUnits=\"userSpaceOnUse\" x1=\"%2\" y1=\"%3\" x2=\"%4\" "
                            "y2=\"%5\"><stop offset=\"0\" stop-color=\"%6\"/><stop offset=\"1\" stop-color=\"%7\"/>"
                            "</linearGradient>\n")
                        .arg(name, Num(r.left()), Num(r.top()), Num(r.right()), Num(r.bottom()),
                             plate->from.name(), plate->to.name());
            body += QString("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" fill=\"url(#%6)\" "
                            "stroke=\"%7\" stroke-width=\"%8\"/>\n")
                        .arg(Num(r.left()), Num(r.top()), Num(r.width()), Num(r.height()), Num(plate->radius), name,
                             plate->edge.name(), Num(plate->edgeWidth));
        } else if (const auto* sheet = std::get_if<Sheet>(&item)) {
            QString points;
            for (const QPointF& pt : sheet->points)
                points += Num(pt.x()) + "," + Num(pt.y()) + " ";
            body += QString("  <polygon points=\"%1\" fill=\"%2\" stroke=\"%3\" stroke-width=\"%4\" "
                            "stroke-linejoin=\"miter\"/>\n")
                        .arg(points.trimmed(), sheet->fill.name(), sheet->edge.name(), Num(sheet->edgeWidth));
        } else if (const auto* glob = std::get_if<Glob>(&item)) {
            const QPointF h = Highlight(*glob);
            defs += QString("    <radialGradient id=\"%1\" gradientUnits=\"userSpaceOnUse\" cx=\"%2\" cy=\"%3\" r=\"%4\">"
                            "<stop offset=\"0\" stop-color=\"%5\"/><stop offset=\"1\" stop-color=\"%6\"/>"
                            "</radialGradient>\n")
                        .arg(name, Num(h.x()), Num(h.y()), Num(glob->radius * 1.4), Lit(glob->colour).name(),
                             Shade(glob->colour).name());
            body += QString("  <circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"url(#%4)\"/>\n")
                        .arg(Num(glob->centre.x()), Num(glob->centre.y()), Num(glob->radius), name);
        }
    }
    return QString("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                   "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 16 16\">\n"
                   "  <defs>\n%1  </defs>\n%2</svg>\n")
        .arg(defs, body);
}

bool Write(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

bool WritePng(const QString& path, const QImage& img)
{
    QDir().mkpath(QFileInfo(path).path());
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
    const QString dir = (argc > 1 ? QString(argv[1]) : QString("packaging/icons")) + "/hicolor";
    struct Icon {
        const char* context;
        const char* name;
        Picture picture;
    };
    const Icon icons[] = {{"apps", "daubrix", ProgramIcon()}, {"mimetypes", "application-x-daubrix", DocumentIcon()}};
    int written = 0, wanted = 0;
    for (const Icon& icon : icons) {
        for (int size : {16, 24, 32, 48, 64, 128, 256}) {
            ++wanted;
            written += WritePng(QString("%1/%2x%2/%3/%4.png").arg(dir).arg(size).arg(icon.context, icon.name),
                                Raster(icon.picture, size));
        }
        ++wanted;
        written += Write(QString("%1/scalable/%2/%3.svg").arg(dir, icon.context, icon.name), Svg(icon.picture).toUtf8());
    }
    std::printf("%d of %d icons written to %s\n", written, wanted, qPrintable(dir));
    return written == wanted ? 0 : 1;
}
