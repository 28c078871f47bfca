// Draws the program's icon: the gallows of the game's desert scene, with its rope and an
// empty noose, on a sky-and-sand square. One list of shapes is written twice, as a scalable
// SVG and through QPainter as PNGs of the sizes desktops look for, so the two never drift
// apart.
//
// Build and run: see README.md beside this file.

#include <QColor>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>
#include <QTextStream>

#include <cstdio>
#include <vector>

namespace {

constexpr double Units = 64.0;  // the drawing's own square
constexpr int SS = 4;           // supersampling factor of the PNGs
const int Sizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

struct Stop {
    double at;
    QColor color;
};

// A fill or stroke: one colour, or a linear gradient between two points.
struct Paint {
    QColor color;
    QPointF from, to;
    std::vector<Stop> stops;
    bool none() const { return !color.isValid() && stops.empty(); }
};

Paint solid(const QColor& c) {
    return {c, {}, {}, {}};
}
Paint gradient(QPointF from, QPointF to, std::vector<Stop> stops) {
    return {QColor(), from, to, std::move(stops)};
}

enum class Kind { RoundedRect, Polygon, Polyline, Ellipse };

struct Shape {
    Kind kind;
    std::vector<QPointF> points;  // rect: top-left, size, (radius, -); ellipse: centre, radii
    Paint fill;
    Paint stroke;
    double strokeWidth = 0;
};

Shape polygon(std::vector<QPointF> pts, Paint fill, Paint stroke = {}, double w = 0) {
    return {Kind::Polygon, std::move(pts), std::move(fill), std::move(stroke), w};
}

// A plank of the gallows, shaded across its grain as in the scene.
Shape plank(std::vector<QPointF> pts, bool vertical) {
    QPolygonF poly;
    for (const QPointF& p : pts)
        poly << p;
    const QRectF b = poly.boundingRect();
    const QPointF from = vertical ? QPointF(b.left(), 0) : QPointF(0, b.top());
    const QPointF to = vertical ? QPointF(b.right(), 0) : QPointF(0, b.bottom());
    return polygon(
        std::move(pts),
        gradient(
            from, to,
            {{0.0, QColor(176, 118, 66)}, {0.35, QColor(150, 96, 52)}, {1.0, QColor(98, 60, 32)}}),
        solid(QColor(62, 36, 18)), 1.0);
}

std::vector<Shape> shapes() {
    std::vector<Shape> s;
    // Sky fading into the sand's glow, as behind the gallows in the game.
    s.push_back({Kind::RoundedRect,
                 {{2, 2}, {60, 60}, {12, 0}},
                 gradient({0, 2}, {0, 62},
                          {{0.0, QColor(38, 92, 178)},
                           {0.45, QColor(92, 160, 222)},
                           {0.72, QColor(176, 214, 236)},
                           {1.0, QColor(252, 222, 170)}}),
                 {},
                 0});
    // The sun and its halo.
    s.push_back({Kind::Ellipse, {{48, 15}, {9, 9}}, solid(QColor(255, 240, 170, 110)), {}, 0});
    s.push_back({Kind::Ellipse, {{48, 15}, {5.5, 5.5}}, solid(QColor(255, 226, 112)), {}, 0});
    // Dunes.
    s.push_back(polygon(
        {{0, 46}, {14, 42}, {30, 44}, {46, 40}, {64, 43}, {64, 64}, {0, 64}},
        gradient({0, 40}, {0, 64}, {{0.0, QColor(242, 196, 128)}, {1.0, QColor(214, 150, 84)}})));
    s.push_back(polygon({{0, 55}, {20, 51}, {40, 54}, {64, 50}, {64, 64}, {0, 64}},
                        solid(QColor(200, 134, 72))));
    // The gallows: post, brace, beam and foot.
    s.push_back(plank({{12, 9}, {20, 9}, {20, 55}, {12, 55}}, true));
    s.push_back(plank({{20, 26}, {20, 33}, {34, 16}, {27, 16}}, true));
    s.push_back(plank({{7, 9}, {52, 9}, {52, 16}, {7, 16}}, false));
    s.push_back(plank({{5, 52}, {27, 52}, {29, 58}, {3, 58}}, false));
    // Rope with a dark edge, down to an empty noose.
    const Paint ropeEdge = solid(QColor(92, 64, 30));
    const Paint rope = solid(QColor(214, 176, 110));
    s.push_back({Kind::Polyline, {{43, 15}, {43, 30}}, {}, ropeEdge, 4.2});
    s.push_back({Kind::Polyline, {{43, 15}, {43, 30}}, {}, rope, 2.6});
    s.push_back({Kind::Ellipse, {{43, 37}, {4.6, 6.4}}, {}, ropeEdge, 4.2});
    s.push_back({Kind::Ellipse, {{43, 37}, {4.6, 6.4}}, {}, rope, 2.6});
    // The knot over the loop.
    s.push_back({Kind::RoundedRect,
                 {{40, 27}, {6, 6}, {1.5, 0}},
                 solid(QColor(190, 150, 88)),
                 ropeEdge,
                 1.0});
    return s;
}

// ---------------------------------------------------------------- SVG

QString num(double v) {
    return QString::number(v, 'g', 6);
}

QString svgColor(const QColor& c) {
    return c.name(QColor::HexRgb);
}

QString svgPaint(const Paint& p, const QString& id, QString& defs) {
    if (p.none())
        return QStringLiteral("none");
    if (p.stops.empty())
        return svgColor(p.color);
    defs += QStringLiteral(
                "    <linearGradient id=\"%1\" gradientUnits=\"userSpaceOnUse\" x1=\"%2\" "
                "y1=\"%3\" x2=\"%4\" y2=\"%5\">\n")
                .arg(id, num(p.from.x()), num(p.from.y()), num(p.to.x()), num(p.to.y()));
    for (const Stop& stop : p.stops)
        defs += QStringLiteral("      <stop offset=\"%1\" stop-color=\"%2\"/>\n")
                    .arg(num(stop.at), svgColor(stop.color));
    defs += QStringLiteral("    </linearGradient>\n");
    return QStringLiteral("url(#%1)").arg(id);
}

QString svgPoints(const std::vector<QPointF>& pts) {
    QStringList parts;
    for (const QPointF& p : pts)
        parts << num(p.x()) + QLatin1Char(',') + num(p.y());
    return parts.join(QLatin1Char(' '));
}

QString svg() {
    QString defs;
    QString body;
    int n = 0;
    const std::vector<Shape> all = shapes();
    const Shape& frame = all.front();
    for (const Shape& s : all) {
        ++n;
        const QString fill = svgPaint(s.fill, QStringLiteral("f%1").arg(n), defs);
        const QString stroke = svgPaint(s.stroke, QStringLiteral("s%1").arg(n), defs);
        QString attrs = QStringLiteral("fill=\"%1\"").arg(fill);
        if (s.fill.stops.empty() && s.fill.color.isValid() && s.fill.color.alpha() != 255)
            attrs += QStringLiteral(" fill-opacity=\"%1\"").arg(num(s.fill.color.alphaF()));
        if (!s.stroke.none())
            attrs += QStringLiteral(
                         " stroke=\"%1\" stroke-width=\"%2\" stroke-linejoin=\"round\" "
                         "stroke-linecap=\"round\"")
                         .arg(stroke, num(s.strokeWidth));
        const auto& p = s.points;
        switch (s.kind) {
            case Kind::RoundedRect:
                body +=
                    QStringLiteral(
                        "    <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" %6/>\n")
                        .arg(num(p[0].x()), num(p[0].y()), num(p[1].x()), num(p[1].y()),
                             num(p[2].x()), attrs);
                break;
            case Kind::Polygon:
                body +=
                    QStringLiteral("    <polygon points=\"%1\" %2/>\n").arg(svgPoints(p), attrs);
                break;
            case Kind::Polyline:
                body +=
                    QStringLiteral("    <polyline points=\"%1\" %2/>\n").arg(svgPoints(p), attrs);
                break;
            case Kind::Ellipse:
                body +=
                    QStringLiteral("    <ellipse cx=\"%1\" cy=\"%2\" rx=\"%3\" ry=\"%4\" %5/>\n")
                        .arg(num(p[0].x()), num(p[0].y()), num(p[1].x()), num(p[1].y()), attrs);
                break;
        }
    }
    const auto& f = frame.points;
    defs += QStringLiteral(
                "    <clipPath id=\"frame\">\n      <rect x=\"%1\" y=\"%2\" width=\"%3\" "
                "height=\"%4\" rx=\"%5\"/>\n    </clipPath>\n")
                .arg(num(f[0].x()), num(f[0].y()), num(f[1].x()), num(f[1].y()), num(f[2].x()));
    return QStringLiteral(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
               "viewBox=\"0 0 %1 %1\">\n"
               "  <defs>\n%2  </defs>\n"
               "  <g clip-path=\"url(#frame)\">\n%3  </g>\n"
               "</svg>\n")
        .arg(num(Units), defs, body);
}

// ---------------------------------------------------------------- PNG

QBrush brush(const Paint& p) {
    if (p.none())
        return Qt::NoBrush;
    if (p.stops.empty())
        return p.color;
    QLinearGradient g(p.from, p.to);
    for (const Stop& s : p.stops)
        g.setColorAt(s.at, s.color);
    return g;
}

void paint(QPainter& painter) {
    const std::vector<Shape> all = shapes();
    const auto& f = all.front().points;
    QPainterPath clip;
    clip.addRoundedRect(QRectF(f[0], QSizeF(f[1].x(), f[1].y())), f[2].x(), f[2].x());
    painter.setClipPath(clip);
    for (const Shape& s : all) {
        painter.setBrush(brush(s.fill));
        if (s.stroke.none()) {
            painter.setPen(Qt::NoPen);
        } else {
            QPen pen(brush(s.stroke), s.strokeWidth);
            pen.setJoinStyle(Qt::RoundJoin);
            pen.setCapStyle(Qt::RoundCap);
            painter.setPen(pen);
        }
        const auto& p = s.points;
        switch (s.kind) {
            case Kind::RoundedRect:
                painter.drawRoundedRect(QRectF(p[0], QSizeF(p[1].x(), p[1].y())), p[2].x(),
                                        p[2].x());
                break;
            case Kind::Polygon:
                painter.drawPolygon(p.data(), int(p.size()));
                break;
            case Kind::Polyline:
                painter.drawPolyline(p.data(), int(p.size()));
                break;
            case Kind::Ellipse:
                painter.drawEllipse(p[0], p[1].x(), p[1].y());
                break;
        }
    }
}

// Painted large and averaged down with a box filter, like the gallows pictures.
QImage render(int size) {
    const int big = size * SS;
    QImage image(big, big, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(big / Units, big / Units);
        paint(p);
    }
    QImage out(size, size, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            int sum[4] = {0, 0, 0, 0};
            for (int sy = 0; sy < SS; ++sy) {
                const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y * SS + sy));
                for (int sx = 0; sx < SS; ++sx) {
                    const QRgb v = line[x * SS + sx];
                    sum[0] += qRed(v);
                    sum[1] += qGreen(v);
                    sum[2] += qBlue(v);
                    sum[3] += qAlpha(v);
                }
            }
            const int n = SS * SS;
            reinterpret_cast<QRgb*>(out.scanLine(y))[x] =
                qRgba((sum[0] + n / 2) / n, (sum[1] + n / 2) / n, (sum[2] + n / 2) / n,
                      (sum[3] + n / 2) / n);
        }
    }
    return out.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const QString svgPath = dir + QStringLiteral("/icon.svg");
    QFile file(svgPath);
    const QByteArray text = svg().toUtf8();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text) != text.size() ||
        !file.flush()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(svgPath));
        return 1;
    }
    file.close();
    std::printf("wrote %s\n", qPrintable(svgPath));
    for (int size : Sizes) {
        const QString path = dir + QStringLiteral("/icon-%1.png").arg(size);
        if (!render(size).save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
        std::printf("wrote %s\n", qPrintable(path));
    }
    return 0;
}
