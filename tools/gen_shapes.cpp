// Generates the glob shape bitmaps in shapes/.
//
//   gen_shapes [DIR]                 write every shape into DIR (default: shapes)
//   gen_shapes --check DIR           validate the .bmp files already in DIR
//   gen_shapes --preview OUT.ppm [N] sheet of all shapes scaled N times, with
//                                    blue and green recolours beside each row
//
// Each shape is a shading template: a fully saturated red body whose value
// carries the lighting, grey highlights and a dark grey rim. The program keeps
// the saturation and value and swaps in the user's hue, so every pixel here is
// pure red hue or grey (green == blue). The key colour breaks that rule on
// purpose, so no shape pixel can ever equal it.
//
// Build: g++ -std=c++20 -O2 tools/gen_shapes.cpp -o /tmp/gen_shapes

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <limits>
#include <map>
#include <numbers>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

constexpr Rgb kKey{0, 255, 0};
constexpr int kMaxLarge = 28;
constexpr int kSuper = 16;      // subsamples per pixel along each axis
constexpr double kMargin = 1.0; // keeps the top-left pixel (and the border) background

struct Image {
    int w = 0, h = 0;
    std::vector<Rgb> px;
    Rgb& at(int x, int y) { return px[static_cast<size_t>(y) * w + x]; }
    const Rgb& at(int x, int y) const { return px[static_cast<size_t>(y) * w + x]; }
};

[[noreturn]] void fail(const std::string& what) {
    std::cerr << "gen_shapes: " << what << '\n';
    std::exit(1);
}

// ---------------------------------------------------------------- geometry
// Shapes live in their own coordinates, y pointing down, roughly within [-1, 1].

struct P {
    double x, y;
};

double len(double x, double y) { return std::sqrt(x * x + y * y); }

P rotate(P p, double deg) {
    const double a = deg * std::numbers::pi / 180.0;
    const double c = std::cos(a), s = std::sin(a);
    return {c * p.x - s * p.y, s * p.x + c * p.y};
}

// Signed distance to a closed polygon (negative inside).
double sdPolygon(const std::vector<P>& v, P p) {
    double d = std::numeric_limits<double>::max();
    bool inside = false;
    for (size_t i = 0, j = v.size() - 1; i < v.size(); j = i++) {
        const double ex = v[j].x - v[i].x, ey = v[j].y - v[i].y;
        const double wx = p.x - v[i].x, wy = p.y - v[i].y;
        const double t = std::clamp((wx * ex + wy * ey) / (ex * ex + ey * ey), 0.0, 1.0);
        d = std::min(d, len(wx - ex * t, wy - ey * t));
        if ((v[i].y > p.y) != (v[j].y > p.y) &&
            p.x < (v[j].x - v[i].x) * (p.y - v[i].y) / (v[j].y - v[i].y) + v[i].x)
            inside = !inside;
    }
    return inside ? -d : d;
}

// Signed distance to a crescent: disc of radius ra minus a disc of radius rb at (d, 0).
double sdMoon(P p, double d, double ra, double rb) {
    p.y = std::abs(p.y);
    const double a = (ra * ra - rb * rb + d * d) / (2 * d);
    const double b = std::sqrt(std::max(ra * ra - a * a, 0.0));
    if (d * (p.x * b - p.y * a) > d * d * std::max(b - p.y, 0.0)) return len(p.x - a, p.y - b);
    return std::max(len(p.x, p.y) - ra, rb - len(p.x - d, p.y));
}

std::vector<P> radialPolygon(const std::vector<double>& radii, double startDeg) {
    std::vector<P> v;
    const double step = 360.0 / static_cast<double>(radii.size());
    for (size_t k = 0; k < radii.size(); ++k) {
        const double a = (startDeg + step * static_cast<double>(k)) * std::numbers::pi / 180.0;
        v.push_back({radii[k] * std::cos(a), radii[k] * std::sin(a)});
    }
    return v;
}

// --------------------------------------------------------------- shape model

enum class Profile { Round, Linear };

// One raised piece of a shape. Overlapping parts keep whichever stands higher,
// which lets petals or puffs read as separate domes.
struct Part {
    std::function<bool(P)> inside;
    double bevel = 0.5;    // width of the rounded edge, shape units
    Profile profile = Profile::Round;
    double lift = 0.0;     // raises the part above its neighbours
    double sat = 1.0;      // below 1 the part recolours to a paler tint
};

struct Family {
    char letter;
    std::string name;
    std::vector<int> sizes;      // subset of {0, 1, 2}
    std::vector<Part> parts;
    double shine = 30.0;         // specular exponent
    double specular = 0.85;
    double blur = 0.35;          // height smoothing, pixels
    int largeSide = 25;
    // Optional tweak of height (shape units) at a point, e.g. the leaf's midrib.
    std::function<double(P, double)> reshape = nullptr;
    // Swells flat tops into a gentle cushion so they still catch a highlight.
    double dome = 0.0;
};

std::vector<Family> families() {
    std::vector<Family> f;
    auto circle = [](double cx, double cy, double r) {
        return [=](P p) { return len(p.x - cx, p.y - cy) <= r; };
    };

    f.push_back({'A', "ball", {0, 1, 2}, {{circle(0, 0, 1), 1.0}}, 28, 0.9});

    f.push_back({'B', "ring", {0, 1, 2},
                 {{[](P p) { return std::abs(len(p.x, p.y) - 0.69) <= 0.31; }, 0.31}}, 24, 0.85});

    {
        std::vector<double> r;
        for (int k = 0; k < 10; ++k) r.push_back(k % 2 ? 0.40 : 0.90);
        const auto star = radialPolygon(r, -90);
        f.push_back({'C', "star", {0, 1, 2},
                     {{[star](P p) { return sdPolygon(star, p) <= 0.09; }, 0.45}}, 26, 0.8});
    }

    f.push_back({'D', "square", {0, 1, 2},
                 {{[](P p) {
                       const double qx = std::max(std::abs(p.x) - 0.62, 0.0);
                       const double qy = std::max(std::abs(p.y) - 0.62, 0.0);
                       return len(qx, qy) <= 0.3;
                   },
                   0.5}},
                 26, 0.8, 0.4});
    f.back().dome = 0.3;

    // Teardrop, point up: a circle plus the cone of its tangents from the tip.
    f.push_back({'E', "drop", {0, 1, 2},
                 {{[](P p) {
                       const double r = 0.62, cy = 0.38, ay = -1.0;
                       if (len(p.x, p.y - cy) <= r) return true;
                       const double d = cy - ay;
                       const double sa = r / d, ca = std::sqrt(1 - sa * sa);
                       const double ty = ay + std::sqrt(d * d - r * r) * ca;
                       return p.y >= ay && p.y <= ty && std::abs(p.x) <= (p.y - ay) * sa / ca;
                   },
                   0.62}},
                 26, 0.9});

    f.push_back({'F', "heart", {0, 1, 2},
                 {{[](P p) {
                       const double x = p.x, y = -p.y + 0.1;
                       const double a = x * x + y * y - 1;
                       return a * a * a - x * x * y * y * y <= 0;
                   },
                   0.7}},
                 26, 0.85});

    // Lens between two circles, tilted, with a groove along its axis.
    f.push_back({'G', "leaf", {0, 1, 2},
                 {{[](P p) {
                       const P q = rotate(p, -40);
                       return len(q.x - 0.62, q.y) <= 1.0 && len(q.x + 0.62, q.y) <= 1.0;
                   },
                   0.5}},
                 22, 0.7, 0.3, 25,
                 [](P p, double h) {
                     const P q = rotate(p, -40);
                     return h * (1.0 - 0.25 * std::exp(-q.x * q.x / 0.002));
                 }});

    {
        Family fl{'H', "flower", {0, 1, 2}, {}, 26, 0.75};
        for (int k = 0; k < 5; ++k) {
            const double a = (-90.0 + 72.0 * k) * std::numbers::pi / 180.0;
            const double cx = 0.56 * std::cos(a), cy = 0.56 * std::sin(a);
            fl.parts.push_back({[=](P p) {
                                    // ellipse stretched along the petal's own axis
                                    const double dx = p.x - cx, dy = p.y - cy;
                                    const double u = dx * std::cos(a) + dy * std::sin(a);
                                    const double v = -dx * std::sin(a) + dy * std::cos(a);
                                    return (u * u) / (0.44 * 0.44) + (v * v) / (0.33 * 0.33) <= 1;
                                },
                                0.33});
        }
        fl.parts.push_back({circle(0, 0, 0.33), 0.33, Profile::Round, 0.12, 0.3});
        f.push_back(fl);
    }

    {
        const std::vector<P> gem{{0, -1}, {0.72, 0}, {0, 1}, {-0.72, 0}};
        f.push_back({'I', "diamond", {0, 1, 2},
                     {{[gem](P p) { return sdPolygon(gem, p) <= 0.03; }, 0.5, Profile::Linear}},
                     40, 0.8, 0.15});
    }

    {
        std::vector<double> r;
        for (int k = 0; k < 16; ++k) r.push_back(k % 4 == 0 ? 1.0 : k % 4 == 2 ? 0.56 : 0.4);
        const auto spark = radialPolygon(r, -90);
        f.push_back({'J', "spark", {0, 1, 2},
                     {{[spark](P p) { return sdPolygon(spark, p) <= 0.05; }, 0.3},
                      {circle(0, 0, 0.2), 0.2, Profile::Round, 0.05, 0.15}},
                     20, 0.8});
    }

    f.push_back({'K', "crescent", {0, 1, 2},
                 {{[](P p) { return sdMoon(rotate(p, 25), 0.46, 1.0 - 0.06, 0.8 + 0.06) <= 0.06; }, 0.4}},
                 24, 0.85});

    {
        const std::vector<P> tri = radialPolygon({0.82, 0.82, 0.82}, -90);
        f.push_back({'L', "triangle", {0, 1, 2},
                     {{[tri](P p) { return sdPolygon(tri, p) <= 0.14; }, 0.42}}, 26, 0.8});
        f.back().dome = 0.2;
    }

    // Families that lack a size, so the program's nearest-size fallback is used.
    f.push_back({'M', "pebble", {2},
                 {{[](P p) {
                       const double a = std::atan2(p.y, p.x / 1.35);
                       const double r = 1.0 + 0.06 * std::sin(2 * a + 1.0) + 0.04 * std::cos(3 * a);
                       return len(p.x / 1.35, p.y) <= r;
                   },
                   0.9}},
                 12, 0.45, 0.35, 27});

    f.push_back({'N', "cloud", {0, 2},
                 {{circle(-0.62, 0.16, 0.46), 0.46},
                  {circle(0.62, 0.18, 0.44), 0.44},
                  {circle(0.0, -0.12, 0.62), 0.62, Profile::Round, 0.05}},
                 20, 0.7, 0.35, 27});

    return f;
}

int sideFor(const Family& f, int size) {
    return size == 0 ? 9 : size == 1 ? 15 : f.largeSide;
}

std::string fileName(const Family& f, int size) {
    return std::string(1, f.letter) + "_" + std::to_string(size) + "_" + f.name + ".bmp";
}

// ----------------------------------------------------------------- rendering

struct Box {
    double x0, y0, x1, y1;
};

Box boundsOf(const Family& f) {
    Box b{1e9, 1e9, -1e9, -1e9};
    const double step = 0.004;
    for (double y = -2.0; y <= 2.0; y += step)
        for (double x = -2.0; x <= 2.0; x += step)
            for (const Part& part : f.parts)
                if (part.inside({x, y})) {
                    b = {std::min(b.x0, x), std::min(b.y0, y), std::max(b.x1, x), std::max(b.y1, y)};
                    break;
                }
    if (b.x0 > b.x1) fail(f.name + ": empty shape");
    return b;
}

int nearestOdd(double v) {
    const int n = static_cast<int>(std::lround((v - 1.0) / 2.0));
    return 2 * n + 1;
}

// Exact squared Euclidean distance transform, one dimension (Felzenszwalb).
void edt1d(std::vector<double>& f, int n, int stride, size_t offset, std::vector<double>& d,
           std::vector<int>& v, std::vector<double>& z) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    auto fq = [&](int q) { return f[offset + static_cast<size_t>(q) * stride]; };
    auto meet = [&](int q, int p) {
        return ((fq(q) + double(q) * q) - (fq(p) + double(p) * p)) / (2.0 * (q - p));
    };
    int k = 0;
    v[0] = 0;
    z[0] = -inf;
    z[1] = inf;
    for (int q = 1; q < n; ++q) {
        double s = meet(q, v[k]);
        while (s <= z[k]) s = meet(q, v[--k]);
        ++k;
        v[k] = q;
        z[k] = s;
        z[k + 1] = inf;
    }
    k = 0;
    for (int q = 0; q < n; ++q) {
        while (z[k + 1] < q) ++k;
        d[q] = double(q - v[k]) * (q - v[k]) + fq(v[k]);
    }
    for (int q = 0; q < n; ++q) f[offset + static_cast<size_t>(q) * stride] = d[q];
}

// Distance (in samples) from each inside sample to the nearest outside one.
std::vector<double> insideDistance(const std::vector<char>& mask, int w, int h) {
    std::vector<double> f(mask.size());
    for (size_t i = 0; i < mask.size(); ++i) f[i] = mask[i] ? 1e20 : 0.0;
    const int n = std::max(w, h);
    std::vector<double> d(n);
    std::vector<int> v(n);
    std::vector<double> z(n + 1);
    for (int y = 0; y < h; ++y) edt1d(f, w, 1, static_cast<size_t>(y) * w, d, v, z);
    for (int x = 0; x < w; ++x) edt1d(f, h, w, static_cast<size_t>(x), d, v, z);
    for (auto& e : f) e = std::sqrt(e);
    return f;
}

void blur(std::vector<double>& g, int w, int h, double sigma) {
    if (sigma <= 0) return;
    const int r = static_cast<int>(std::ceil(sigma * 2.5));
    std::vector<double> k(2 * r + 1);
    double sum = 0;
    for (int i = -r; i <= r; ++i) sum += k[i + r] = std::exp(-0.5 * i * i / (sigma * sigma));
    for (auto& e : k) e /= sum;
    std::vector<double> t(g.size());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            double a = 0;
            for (int i = -r; i <= r; ++i) a += k[i + r] * g[y * w + std::clamp(x + i, 0, w - 1)];
            t[y * w + x] = a;
        }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            double a = 0;
            for (int i = -r; i <= r; ++i) a += k[i + r] * t[std::clamp(y + i, 0, h - 1) * w + x];
            g[y * w + x] = a;
        }
}

struct Linear {
    double r, g; // green and blue are always equal in a template
};

Image render(const Family& f, int size) {
    const Box b = boundsOf(f);
    const double bw = b.x1 - b.x0, bh = b.y1 - b.y0;
    const int side = sideFor(f, size);
    int W, H;
    if (bw >= bh) {
        W = side;
        H = std::max(7, nearestOdd((side - 2 * kMargin) * bh / bw + 2 * kMargin));
    } else {
        H = side;
        W = std::max(7, nearestOdd((side - 2 * kMargin) * bw / bh + 2 * kMargin));
    }
    const double scale = std::min((W - 2 * kMargin) / bw, (H - 2 * kMargin) / bh); // px per unit
    const double cx = (b.x0 + b.x1) / 2, cy = (b.y0 + b.y1) / 2;

    const int sw = W * kSuper, sh = H * kSuper;
    const size_t n = static_cast<size_t>(sw) * sh;
    auto toShape = [&](int sx, int sy) {
        const double px = (sx + 0.5) / kSuper, py = (sy + 0.5) / kSuper;
        return P{(px - W / 2.0) / scale + cx, (py - H / 2.0) / scale + cy};
    };

    std::vector<char> any(n, 0);
    std::vector<double> height(n, 0.0), sat(n, 1.0);
    for (const Part& part : f.parts) {
        std::vector<char> mask(n, 0);
        for (int sy = 0; sy < sh; ++sy)
            for (int sx = 0; sx < sw; ++sx) mask[sy * sw + sx] = part.inside(toShape(sx, sy));
        const auto dist = insideDistance(mask, sw, sh);
        for (size_t i = 0; i < n; ++i) {
            if (!mask[i]) continue;
            // the boundary lies half a sample beyond the nearest outside centre
            const double d = std::max(0.0, dist[i] - 0.5) / (kSuper * scale);
            const double t = std::min(d / part.bevel, 1.0);
            const double prof = part.profile == Profile::Round ? std::sqrt(1 - (1 - t) * (1 - t)) : t;
            const double hgt = part.lift + part.bevel * prof;
            if (!any[i] || hgt > height[i]) {
                height[i] = hgt;
                sat[i] = part.sat;
            }
            any[i] = 1;
        }
    }
    const double reach = std::max({-b.x0, b.x1, -b.y0, b.y1}) * std::sqrt(2.0);
    for (int sy = 0; sy < sh; ++sy)
        for (int sx = 0; sx < sw; ++sx) {
            const size_t id = static_cast<size_t>(sy) * sw + sx;
            if (!any[id]) continue;
            const P p = toShape(sx, sy);
            height[id] += f.dome * std::max(0.0, 1.0 - (p.x * p.x + p.y * p.y) / (reach * reach));
            if (f.reshape) height[id] = f.reshape(p, height[id]);
        }

    const auto edge = insideDistance(any, sw, sh);
    for (auto& h : height) h *= scale; // heights in pixels from here on
    blur(height, sw, sh, f.blur * kSuper);

    // light from the top left, slightly in front
    const double lx0 = -1.0, ly0 = -1.2, lz0 = 1.5, ll = std::sqrt(lx0 * lx0 + ly0 * ly0 + lz0 * lz0);
    const double lx = lx0 / ll, ly = ly0 / ll, lz = lz0 / ll;
    const double hx0 = lx, hy0 = ly, hz0 = lz + 1.0, hl = std::sqrt(hx0 * hx0 + hy0 * hy0 + hz0 * hz0);
    const double hx = hx0 / hl, hy = hy0 / hl, hz = hz0 / hl;
    const double ambient = 0.22;
    const Linear rimColour{0.10, 0.10};
    const double rimWidth = std::clamp(0.06 * side, 0.5, 1.3); // pixels

    Image img{W, H, std::vector<Rgb>(static_cast<size_t>(W) * H, kKey)};
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            Linear acc{0, 0};
            int count = 0;
            for (int j = 0; j < kSuper; ++j)
                for (int i = 0; i < kSuper; ++i) {
                    const int sx = x * kSuper + i, sy = y * kSuper + j;
                    const size_t id = static_cast<size_t>(sy) * sw + sx;
                    if (!any[id]) continue;
                    ++count;
                    auto hAt = [&](int ax, int ay) {
                        return height[std::clamp(ay, 0, sh - 1) * sw + std::clamp(ax, 0, sw - 1)];
                    };
                    const double gx = (hAt(sx + 1, sy) - hAt(sx - 1, sy)) * kSuper / 2.0;
                    const double gy = (hAt(sx, sy + 1) - hAt(sx, sy - 1)) * kSuper / 2.0;
                    const double nl = std::sqrt(gx * gx + gy * gy + 1.0);
                    const double nx = -gx / nl, ny = -gy / nl, nz = 1.0 / nl;
                    const double diff = std::max(0.0, nx * lx + ny * ly + nz * lz);
                    const double glint =
                        f.specular * std::pow(std::max(0.0, nx * hx + ny * hy + nz * hz), f.shine);
                    const double v = ambient + (1 - ambient) * diff;
                    Linear c{v, v * (1 - sat[id])};
                    c.r += (1 - c.r) * glint;
                    c.g += (1 - c.g) * glint;
                    // darken the outermost band so globs keep an outline on any backdrop
                    const double e = std::max(0.0, edge[id] - 0.5) / kSuper;
                    const double rim = 0.7 * (1 - std::clamp(e / rimWidth, 0.0, 1.0));
                    c.r += (rimColour.r - c.r) * rim;
                    c.g += (rimColour.g - c.g) * rim;
                    acc.r += c.r;
                    acc.g += c.g;
                }
            const double cover = double(count) / (kSuper * kSuper);
            if (cover < 0.3) continue;
            // no partial transparency: a thin edge pixel fades into the rim colour instead
            Linear c{acc.r / count, acc.g / count};
            c.r = rimColour.r + (c.r - rimColour.r) * cover;
            c.g = rimColour.g + (c.g - rimColour.g) * cover;
            auto q = [](double v) { return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
            const std::uint8_t g = q(c.g);
            img.at(x, y) = {std::max(q(c.r), g), g, g};
        }
    return img;
}

// ----------------------------------------------------------------------- BMP

void put16(std::vector<std::uint8_t>& o, unsigned v) {
    o.push_back(v & 0xff);
    o.push_back((v >> 8) & 0xff);
}
void put32(std::vector<std::uint8_t>& o, std::uint32_t v) {
    put16(o, v & 0xffff);
    put16(o, v >> 16);
}
unsigned get16(const std::vector<std::uint8_t>& d, size_t at) { return d[at] | (d[at + 1] << 8); }
std::uint32_t get32(const std::vector<std::uint8_t>& d, size_t at) {
    return get16(d, at) | (std::uint32_t(get16(d, at + 2)) << 16);
}

std::vector<std::uint8_t> encodeBmp(const Image& img) {
    const std::uint32_t stride = (img.w * 3 + 3) & ~3u;
    const std::uint32_t dataSize = stride * img.h;
    std::vector<std::uint8_t> o;
    o.push_back('B');
    o.push_back('M');
    put32(o, 54 + dataSize);
    put32(o, 0);
    put32(o, 54);
    put32(o, 40);
    put32(o, img.w);
    put32(o, img.h); // positive: rows run bottom-up
    put16(o, 1);
    put16(o, 24);
    put32(o, 0);
    put32(o, dataSize);
    put32(o, 2835); // 72 dpi
    put32(o, 2835);
    put32(o, 0);
    put32(o, 0);
    for (int y = img.h - 1; y >= 0; --y) {
        for (int x = 0; x < img.w; ++x) {
            const Rgb p = img.at(x, y);
            o.push_back(p.b);
            o.push_back(p.g);
            o.push_back(p.r);
        }
        for (std::uint32_t i = img.w * 3; i < stride; ++i) o.push_back(0);
    }
    return o;
}

// Reads back exactly the layout the program accepts; returns an error message or "".
std::string decodeBmp(const std::vector<std::uint8_t>& d, Image& img) {
    if (d.size() < 54 || d[0] != 'B' || d[1] != 'M') return "not a BMP";
    if (get32(d, 10) != 54 || get32(d, 14) != 40) return "unexpected header layout";
    const auto w = static_cast<std::int32_t>(get32(d, 18)), h = static_cast<std::int32_t>(get32(d, 22));
    if (w <= 0 || h <= 0) return "width and height must be positive (bottom-up)";
    if (get16(d, 26) != 1 || get16(d, 28) != 24 || get32(d, 30) != 0) return "not uncompressed 24-bit";
    const size_t stride = (size_t(w) * 3 + 3) & ~size_t(3);
    if (d.size() != 54 + stride * h || get32(d, 2) != d.size()) return "size does not match dimensions";
    img = {w, h, std::vector<Rgb>(size_t(w) * h)};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const size_t at = 54 + size_t(h - 1 - y) * stride + size_t(x) * 3;
            img.at(x, y) = {d[at + 2], d[at + 1], d[at]};
        }
    return "";
}

std::vector<std::uint8_t> readFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// ---------------------------------------------------------------- validation

// Checks a single template: key at (0, 0), nothing but key or red/grey inside,
// enough body to be worth stamping, and the border left clear.
std::string checkTemplate(const Image& img) {
    if (img.w > kMaxLarge || img.h > kMaxLarge) return "larger than 28 x 28";
    if (!(img.at(0, 0) == kKey)) return "top-left pixel is not the key colour";
    int shape = 0, saturated = 0;
    for (int y = 0; y < img.h; ++y)
        for (int x = 0; x < img.w; ++x) {
            const Rgb p = img.at(x, y);
            if (p == kKey) {
                continue;
            }
            if (p.g != p.b || p.r < p.g) return "pixel outside the red/grey template range";
            if (x == 0 || y == 0 || x == img.w - 1 || y == img.h - 1) return "shape touches the border";
            ++shape;
            saturated += p.r > 0 && p.g * 2 < p.r; // would take the new hue clearly
        }
    if (shape < img.w * img.h / 8) return "too little shape";
    if (saturated < shape / 2) return "body too grey to take a new colour";
    return "";
}

// Names: letter, '_', size digit, '_', family name. One family shares all but the digit.
std::string checkDirectory(const fs::path& dir) {
    std::map<std::string, std::vector<int>> fams; // name with the digit blanked -> sizes
    std::map<char, std::string> letters;
    int files = 0;
    for (const auto& e : fs::directory_iterator(dir)) {
        if (e.path().extension() != ".bmp") continue;
        const std::string n = e.path().filename().string();
        if (n.size() < 8 || n[0] < 'A' || n[0] > 'Z' || n[1] != '_' || n[2] < '0' || n[2] > '2' || n[3] != '_')
            return n + ": name does not follow <letter>_<digit>_<name>.bmp";
        Image img;
        if (auto err = decodeBmp(readFile(e.path()), img); !err.empty()) return n + ": " + err;
        if (auto err = checkTemplate(img); !err.empty()) return n + ": " + err;
        std::string fam = n;
        fam[2] = '#';
        if (letters.count(n[0]) && letters[n[0]] != fam) return n + ": letter shared by two families";
        letters[n[0]] = fam;
        auto& sizes = fams[fam];
        if (std::find(sizes.begin(), sizes.end(), n[2] - '0') != sizes.end()) return n + ": duplicate size";
        sizes.push_back(n[2] - '0');
        ++files;
    }
    int complete = 0, partial = 0;
    for (auto& [name, sizes] : fams) (sizes.size() == 3 ? complete : partial)++;
    if (complete < 12) return "fewer than 12 families in all three sizes";
    if (partial < 1) return "no family lacks a size";
    std::cout << files << " files, " << complete << " complete families, " << partial << " partial\n";
    return "";
}

// ------------------------------------------------------------------- preview

struct Hsv {
    double h, s, v;
};

Hsv toHsv(Rgb c) {
    const double r = c.r / 255.0, g = c.g / 255.0, b = c.b / 255.0;
    const double mx = std::max({r, g, b}), mn = std::min({r, g, b}), d = mx - mn;
    double h = 0;
    if (d > 0) {
        if (mx == r) h = 60 * std::fmod((g - b) / d + 6, 6.0);
        else if (mx == g) h = 60 * ((b - r) / d + 2);
        else h = 60 * ((r - g) / d + 4);
    }
    return {h, mx > 0 ? d / mx : 0, mx};
}

Rgb toRgb(Hsv c) {
    const double C = c.v * c.s, hp = c.h / 60.0, X = C * (1 - std::abs(std::fmod(hp, 2.0) - 1));
    double r = 0, g = 0, b = 0;
    if (hp < 1) r = C, g = X;
    else if (hp < 2) r = X, g = C;
    else if (hp < 3) g = C, b = X;
    else if (hp < 4) g = X, b = C;
    else if (hp < 5) r = X, b = C;
    else r = C, b = X;
    const double m = c.v - C;
    auto q = [](double v) { return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
    return {q(r + m), q(g + m), q(b + m)};
}

// The program's recolour: keep the template's shading, take the new hue.
Rgb recolour(Rgb p, Hsv to) {
    const Hsv t = toHsv(p);
    return toRgb({to.h, t.s * to.s, t.v * (1 - t.s + t.s * to.v)});
}

void writePreview(const std::vector<std::pair<const Family*, std::array<Image, 3>>>& all,
                  const std::array<bool, 3>* have, const std::string& out, int zoom) {
    const int cell = kMaxLarge * zoom + 8;
    const int cols = 9;
    const int W = cols * cell, H = static_cast<int>(all.size()) * cell;
    std::vector<Rgb> sheet(size_t(W) * H, Rgb{200, 200, 200});
    const std::array<Hsv, 3> tints{Hsv{0, 0, 0}, Hsv{240, 1, 1}, Hsv{120, 1, 1}};
    for (size_t row = 0; row < all.size(); ++row)
        for (int col = 0; col < cols; ++col) {
            const int size = col % 3, tint = col / 3;
            if (!have[row][size]) continue;
            const Image& img = all[row].second[size];
            const int ox = col * cell + (cell - img.w * zoom) / 2, oy = int(row) * cell + (cell - img.h * zoom) / 2;
            for (int y = 0; y < img.h * zoom; ++y)
                for (int x = 0; x < img.w * zoom; ++x) {
                    Rgb p = img.at(x / zoom, y / zoom);
                    if (tint > 0) p = p == kKey ? Rgb{60, 60, 60} : recolour(p, tints[tint]);
                    sheet[size_t(oy + y) * W + ox + x] = p;
                }
        }
    std::ofstream o(out, std::ios::binary);
    o << "P6\n" << W << ' ' << H << "\n255\n";
    o.write(reinterpret_cast<const char*>(sheet.data()), static_cast<std::streamsize>(sheet.size() * 3));
}

void selfTest() {
    // The recolour must turn a pure red body into the target colour and leave greys alone,
    // otherwise the preview lies about what the program will show.
    const Rgb blue = recolour({255, 0, 0}, {240, 1, 1});
    const Rgb half = recolour({128, 0, 0}, {120, 1, 1});
    const Rgb grey = recolour({90, 90, 90}, {240, 1, 1});
    if (!(blue == Rgb{0, 0, 255}) || !(half == Rgb{0, 128, 0}) || !(grey == Rgb{90, 90, 90}))
        fail("recolour self-test failed");
    // And the key must be unreachable from any template pixel.
    if (kKey.g == kKey.b) fail("key colour would collide with grey shading");
}

} // namespace

int main(int argc, char** argv) {
    selfTest();
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 2 && args[0] == "--check") {
        const auto err = checkDirectory(args[1]);
        if (!err.empty()) fail(err);
        return 0;
    }

    const auto fams = families();
    {
        std::map<char, int> seen;
        for (const auto& f : fams)
            if (seen[f.letter]++) fail(std::string("letter used twice: ") + f.letter);
    }

    if (!args.empty() && args[0] == "--preview") {
        if (args.size() < 2) fail("--preview needs an output file");
        const int zoom = args.size() > 2 ? std::max(1, std::atoi(args[2].c_str())) : 8;
        std::vector<std::pair<const Family*, std::array<Image, 3>>> all;
        std::vector<std::array<bool, 3>> have;
        for (const auto& f : fams) {
            std::array<Image, 3> imgs;
            std::array<bool, 3> h{false, false, false};
            for (int s : f.sizes) {
                imgs[s] = render(f, s);
                h[s] = true;
            }
            all.push_back({&f, imgs});
            have.push_back(h);
        }
        writePreview(all, have.data(), args[1], zoom);
        return 0;
    }

    const fs::path dir = args.empty() ? fs::path("shapes") : fs::path(args[0]);
    fs::create_directories(dir);
    for (const auto& f : fams)
        for (int s : f.sizes) {
            const Image img = render(f, s);
            if (auto err = checkTemplate(img); !err.empty()) fail(fileName(f, s) + ": " + err);
            const fs::path p = dir / fileName(f, s);
            const auto bytes = encodeBmp(img);
            std::ofstream(p, std::ios::binary)
                .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
            std::cout << p.string() << "  " << img.w << " x " << img.h << '\n';
        }
    // Validate what actually landed on disk, not what we meant to write.
    if (auto err = checkDirectory(dir); !err.empty()) fail(err);
    return 0;
}
