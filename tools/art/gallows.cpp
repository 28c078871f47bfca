// Draws the two gallows pictures of the game: the desert scene with an empty noose
// (nohang.png) and the same scene with the hanged convict (yeshang.png).
//
// The game uncovers the figure by copying bands of yeshang.png onto nohang.png, so the
// two pictures must agree to the pixel everywhere outside the figure's box; this program
// checks that after writing them and fails if they do not.
//
// Everything is painted at SS times the final size and averaged down, which gives
// smooth edges even where a clip path (stripes) is involved. Each picture is written at
// 1x, 2x and 3x (name@2x.png, name@3x.png) from the same drawing, so that screens scaled
// to 200 % or 300 % get as many pixels as they show instead of an enlarged 1x picture.
//
// Build and run: see README.md beside this file.

#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRadialGradient>
#include <QTransform>

#include <cmath>
#include <cstdio>

namespace {

constexpr int W = 177;
constexpr int H = 241;
constexpr int SS = 4;  // supersampling factor

// The figure's box: columns 78..135, rows 69..214. The head band is rows 69..106.
const QRectF FigureBox(78, 69, 58, 146);
constexpr int HeadTop = 69;
constexpr int BodyTop = 107;

// Where the rope hangs from the beam and where its knot ends.
constexpr double RopeX = 114.0;
constexpr double KnotTop = 45.0;
constexpr double KnotBottom = 68.0;

QPen pen(const QColor& c, double w) {
    QPen p(c, w);
    p.setCapStyle(Qt::RoundCap);
    p.setJoinStyle(Qt::RoundJoin);
    return p;
}

// ---------------------------------------------------------------- sky and land

void drawSky(QPainter& p) {
    QLinearGradient g(0, 0, 0, 160);
    g.setColorAt(0.00, QColor(38, 92, 178));
    g.setColorAt(0.45, QColor(92, 160, 222));
    g.setColorAt(0.78, QColor(176, 214, 236));
    g.setColorAt(1.00, QColor(252, 222, 170));
    p.fillRect(QRectF(0, 0, W, 160), g);

    // The sun, high on the right, with a soft halo.
    const QPointF sun(151, 42);
    QRadialGradient halo(sun, 34);
    halo.setColorAt(0.0, QColor(255, 250, 215, 200));
    halo.setColorAt(0.35, QColor(255, 236, 160, 90));
    halo.setColorAt(1.0, QColor(255, 236, 160, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(sun, 34, 34);
    QRadialGradient disc(QPointF(sun.x() - 3, sun.y() - 3), 14);
    disc.setColorAt(0.0, QColor(255, 255, 235));
    disc.setColorAt(0.6, QColor(255, 238, 140));
    disc.setColorAt(1.0, QColor(255, 206, 84));
    p.setBrush(disc);
    p.drawEllipse(sun, 12.5, 12.5);

    // Two small clouds.
    auto cloud = [&p](double x, double y, double s) {
        QPainterPath c;
        c.addEllipse(QPointF(x, y), 9 * s, 4.2 * s);
        c.addEllipse(QPointF(x - 6 * s, y + 1.2 * s), 6 * s, 3.2 * s);
        c.addEllipse(QPointF(x + 7 * s, y + 1.0 * s), 6.5 * s, 3.4 * s);
        c.addEllipse(QPointF(x + 1 * s, y - 2.6 * s), 5.5 * s, 3.8 * s);
        c.setFillRule(Qt::WindingFill);
        QLinearGradient g(0, y - 6 * s, 0, y + 5 * s);
        g.setColorAt(0, QColor(255, 255, 255, 235));
        g.setColorAt(1, QColor(214, 228, 244, 215));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPath(c.simplified());
    };
    cloud(66, 46, 1.0);
    cloud(14, 82, 0.75);
    cloud(132, 100, 0.6);
}

void drawMesas(QPainter& p) {
    // Far table mountains on the horizon, hazy violet.
    QPainterPath m;
    m.moveTo(0, 146);
    m.lineTo(0, 128);
    m.lineTo(6, 127);
    m.lineTo(10, 118);
    m.lineTo(30, 117);
    m.lineTo(34, 126);
    m.lineTo(44, 131);
    m.lineTo(58, 132);
    m.lineTo(62, 124);
    m.lineTo(66, 123);
    m.lineTo(69, 131);
    m.lineTo(84, 134);
    m.lineTo(118, 134);
    m.lineTo(124, 121);
    m.lineTo(146, 120);
    m.lineTo(151, 129);
    m.lineTo(163, 131);
    m.lineTo(168, 126);
    m.lineTo(177, 126);
    m.lineTo(177, 146);
    m.closeSubpath();
    QLinearGradient g(0, 116, 0, 146);
    g.setColorAt(0, QColor(196, 140, 150));
    g.setColorAt(1, QColor(228, 176, 156));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(m);
    // A lighter rim on the flat tops.
    p.setPen(pen(QColor(236, 196, 186), 0.8));
    p.drawLine(QPointF(10.5, 118.2), QPointF(29.5, 118.2));
    p.drawLine(QPointF(124.5, 121.2), QPointF(145.5, 121.2));
    p.drawLine(QPointF(62.5, 124.2), QPointF(65.5, 124.2));
}

QPainterPath duneBand(std::initializer_list<QPointF> ctrl) {
    // A closed band from a smooth top curve down to the bottom of the picture.
    QPainterPath d;
    auto it = ctrl.begin();
    d.moveTo(*it);
    ++it;
    while (it != ctrl.end()) {
        const QPointF c1 = *it++;
        const QPointF c2 = *it++;
        const QPointF e = *it++;
        d.cubicTo(c1, c2, e);
    }
    d.lineTo(W + 2, H + 2);
    d.lineTo(-2, H + 2);
    d.closeSubpath();
    return d;
}

void drawDunes(QPainter& p) {
    p.setPen(Qt::NoPen);

    // Far dunes.
    {
        QPainterPath d =
            duneBand({QPointF(-2, 150), QPointF(30, 136), QPointF(60, 138), QPointF(92, 146),
                      QPointF(118, 152), QPointF(150, 140), QPointF(179, 143)});
        QLinearGradient g(0, 136, 0, 175);
        g.setColorAt(0, QColor(246, 214, 156));
        g.setColorAt(1, QColor(232, 188, 120));
        p.setBrush(g);
        p.drawPath(d);
    }
    // Middle dune, with a shadowed lee side.
    {
        QPainterPath d =
            duneBand({QPointF(-2, 176), QPointF(40, 160), QPointF(70, 156), QPointF(98, 168),
                      QPointF(124, 180), QPointF(150, 170), QPointF(179, 164)});
        QLinearGradient g(0, 156, 0, 200);
        g.setColorAt(0, QColor(240, 196, 126));
        g.setColorAt(1, QColor(222, 168, 96));
        p.setBrush(g);
        p.drawPath(d);
        QPainterPath lee;
        lee.moveTo(70, 156);
        lee.cubicTo(QPointF(84, 162), QPointF(96, 168), QPointF(124, 180));
        lee.cubicTo(QPointF(104, 178), QPointF(86, 170), QPointF(70, 156));
        p.setBrush(QColor(204, 146, 82, 120));
        p.drawPath(lee);
    }
    // The near ground.
    {
        QPainterPath d =
            duneBand({QPointF(-2, 214), QPointF(40, 204), QPointF(80, 214), QPointF(110, 220),
                      QPointF(140, 224), QPointF(160, 212), QPointF(179, 208)});
        QLinearGradient g(0, 204, 0, H);
        g.setColorAt(0, QColor(236, 186, 112));
        g.setColorAt(1, QColor(206, 150, 80));
        p.setBrush(g);
        p.drawPath(d);
    }
    // Wind ripples in the sand.
    p.setBrush(Qt::NoBrush);
    auto ripple = [&p](double x, double y, double len, const QColor& c) {
        QPainterPath r;
        r.moveTo(x, y);
        r.cubicTo(QPointF(x + len * 0.3, y - 1.6), QPointF(x + len * 0.7, y - 1.6),
                  QPointF(x + len, y));
        p.setPen(pen(c, 0.7));
        p.drawPath(r);
    };
    const QColor light(250, 214, 150, 200);
    const QColor dark(190, 132, 70, 150);
    ripple(60, 230, 14, dark);
    ripple(61, 229.2, 12, light);
    ripple(92, 236, 18, dark);
    ripple(93, 235.2, 16, light);
    ripple(126, 232, 12, dark);
    ripple(20, 188, 16, dark);
    ripple(100, 186, 12, dark);
    ripple(140, 190, 14, dark);
    ripple(8, 236, 14, dark);
}

// ---------------------------------------------------------------- cacti and rocks

void addCactusArm(QPainterPath& path, double x, double y, double reach, double up, double w) {
    // An elbowed arm leaving the trunk at (x, y), going out by reach and then up by up.
    QPainterPath spine;
    spine.moveTo(x, y);
    spine.lineTo(x + reach, y);
    spine.lineTo(x + reach, y - up);
    QPainterPathStroker st;
    st.setWidth(w);
    st.setCapStyle(Qt::RoundCap);
    st.setJoinStyle(Qt::RoundJoin);
    path = path.united(st.createStroke(spine));
}

void drawSaguaro(QPainter& p, double x, double base, double height, double w, bool big) {
    QPainterPath c;
    c.addRoundedRect(QRectF(x - w / 2, base - height, w, height + 4), w / 2, w / 2);
    if (big) {
        addCactusArm(c, x, base - height * 0.45, -w * 1.15, height * 0.28, w * 0.7);
        addCactusArm(c, x, base - height * 0.62, w * 1.05, height * 0.22, w * 0.66);
    } else {
        addCactusArm(c, x, base - height * 0.5, w * 1.1, height * 0.3, w * 0.75);
    }

    QLinearGradient g(x - w * 2, 0, x + w * 2, 0);
    g.setColorAt(0.0, QColor(46, 110, 58));
    g.setColorAt(0.55, QColor(86, 160, 84));
    g.setColorAt(1.0, QColor(60, 132, 66));
    p.setPen(pen(QColor(28, 74, 38), 0.8));
    p.setBrush(g);
    p.drawPath(c);

    // Ribs and spines.
    p.save();
    p.setClipPath(c);
    p.setPen(pen(QColor(36, 92, 46, 170), 0.5));
    for (double dx = -w / 4; dx <= w / 4 + 0.01; dx += w / 4)
        p.drawLine(QPointF(x + dx, base - height + 2), QPointF(x + dx, base + 4));
    p.setPen(pen(QColor(250, 246, 210, 200), 0.35));
    for (double yy = base - height + 3; yy < base; yy += 4.2) {
        p.drawLine(QPointF(x - w / 2 - 0.3, yy), QPointF(x - w / 2 + 0.9, yy - 0.6));
        p.drawLine(QPointF(x + w / 2 + 0.3, yy + 2), QPointF(x + w / 2 - 0.9, yy + 1.4));
    }
    p.restore();
    if (big) {
        // A pink flower on top.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(236, 96, 132));
        p.drawEllipse(QPointF(x + 0.5, base - height + 0.5), 2.2, 1.6);
        p.setBrush(QColor(255, 220, 90));
        p.drawEllipse(QPointF(x + 0.5, base - height + 0.3), 0.8, 0.6);
    }
}

void drawBarrelCactus(QPainter& p, double x, double base, double r) {
    QRectF box(x - r, base - r * 1.6, r * 2, r * 1.8);
    QRadialGradient g(QPointF(x + r * 0.3, base - r), r * 1.4);
    g.setColorAt(0, QColor(110, 172, 90));
    g.setColorAt(1, QColor(44, 106, 56));
    p.setPen(pen(QColor(30, 76, 40), 0.7));
    p.setBrush(g);
    p.drawEllipse(box);
    p.setPen(pen(QColor(34, 86, 44, 180), 0.5));
    for (double f = -0.5; f <= 0.51; f += 0.5) {
        QPainterPath rib;
        rib.moveTo(x, base - r * 1.6);
        rib.quadTo(QPointF(x + f * r * 1.6, base - r * 0.7), QPointF(x + f * r * 0.6, base + 0.2));
        p.drawPath(rib);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 200, 60));
    p.drawEllipse(QPointF(x - 1.4, base - r * 1.6), 1.4, 1.0);
    p.setBrush(QColor(244, 120, 60));
    p.drawEllipse(QPointF(x + 1.4, base - r * 1.62), 1.3, 0.9);
}

void drawRock(QPainter& p, std::initializer_list<QPointF> outline, const QColor& base) {
    QPainterPath r;
    auto it = outline.begin();
    r.moveTo(*it++);
    while (it != outline.end())
        r.lineTo(*it++);
    r.closeSubpath();
    const QRectF b = r.boundingRect();
    // Ground shadow first.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 96, 50, 90));
    p.drawEllipse(QRectF(b.left() + 1, b.bottom() - 1.6, b.width() + 2, 3.2));
    QLinearGradient g(b.topRight(), b.bottomLeft());
    g.setColorAt(0, base.lighter(135));
    g.setColorAt(0.5, base);
    g.setColorAt(1, base.darker(150));
    p.setPen(pen(base.darker(220), 0.7));
    p.setBrush(g);
    p.drawPath(r);
}

// ---------------------------------------------------------------- gallows and rope

void drawPlank(QPainter& p, const QPolygonF& poly, bool vertical) {
    const QRectF b = poly.boundingRect();
    QLinearGradient g = vertical ? QLinearGradient(b.left(), 0, b.right(), 0)
                                 : QLinearGradient(0, b.top(), 0, b.bottom());
    g.setColorAt(0.0, QColor(176, 118, 66));
    g.setColorAt(0.35, QColor(150, 96, 52));
    g.setColorAt(1.0, QColor(98, 60, 32));
    p.setPen(pen(QColor(62, 36, 18), 0.8));
    p.setBrush(g);
    p.drawPolygon(poly);

    // Grain.
    p.save();
    QPainterPath clip;
    clip.addPolygon(poly);
    p.setClipPath(clip);
    p.setPen(pen(QColor(96, 58, 28, 150), 0.45));
    if (vertical) {
        for (double x = b.left() + 2.2; x < b.right() - 1; x += 2.6) {
            QPainterPath g1;
            g1.moveTo(x, b.top());
            for (double y = b.top(); y < b.bottom(); y += 22)
                g1.cubicTo(QPointF(x + 0.7, y + 7), QPointF(x - 0.7, y + 15), QPointF(x, y + 22));
            p.drawPath(g1);
        }
        // A knot hole.
        p.setPen(pen(QColor(90, 52, 24), 0.6));
        p.setBrush(QColor(118, 72, 36));
        p.drawEllipse(QPointF(b.center().x() - 0.5, b.top() + b.height() * 0.62), 1.4, 2.4);
    } else {
        for (double y = b.top() + 2.2; y < b.bottom() - 1; y += 2.6) {
            QPainterPath g1;
            g1.moveTo(b.left(), y);
            for (double x = b.left(); x < b.right(); x += 24)
                g1.cubicTo(QPointF(x + 8, y + 0.7), QPointF(x + 16, y - 0.7), QPointF(x + 24, y));
            p.drawPath(g1);
        }
    }
    p.restore();
}

void drawBolt(QPainter& p, double x, double y) {
    QRadialGradient g(QPointF(x - 0.4, y - 0.4), 1.4);
    g.setColorAt(0, QColor(200, 200, 205));
    g.setColorAt(1, QColor(60, 60, 66));
    p.setPen(pen(QColor(30, 30, 34), 0.35));
    p.setBrush(g);
    p.drawEllipse(QPointF(x, y), 1.1, 1.1);
}

void drawGallows(QPainter& p) {
    // Shadow of the post on the sand (the sun is up and to the right).
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(140, 88, 44, 90));
    QPolygonF shadow;
    shadow << QPointF(28, 229) << QPointF(42, 229) << QPointF(22, 238) << QPointF(4, 238);
    p.drawPolygon(shadow);

    // Upright post.
    QPolygonF post;
    post << QPointF(30, 10) << QPointF(41, 10) << QPointF(41, 230) << QPointF(30, 230);
    drawPlank(p, post, true);

    // Brace between post and beam.
    QPolygonF brace;
    brace << QPointF(41, 52) << QPointF(41, 62) << QPointF(80, 20) << QPointF(70, 20);
    drawPlank(p, brace, true);

    // Top beam, resting on the post.
    QPolygonF beam;
    beam << QPointF(23, 11) << QPointF(132, 11) << QPointF(132, 21) << QPointF(23, 21);
    drawPlank(p, beam, false);
    // End grain of the beam.
    p.setPen(pen(QColor(62, 36, 18), 0.7));
    p.setBrush(QColor(196, 146, 92));
    p.drawRect(QRectF(128.5, 11, 3.5, 10));
    p.setPen(pen(QColor(150, 100, 56), 0.4));
    p.drawArc(QRectF(129.2, 13, 2.2, 6), 90 * 16, 180 * 16);

    // Iron straps and bolts at the joints.
    p.setPen(pen(QColor(30, 30, 34), 0.5));
    p.setBrush(QColor(78, 78, 86));
    p.drawRect(QRectF(29.5, 12.5, 12, 3));
    drawBolt(p, 32.5, 14);
    drawBolt(p, 38.5, 14);
    drawBolt(p, 44, 56.5);
    drawBolt(p, 73.5, 17);

    // Base: two crossed feet of timber and a stone.
    QPolygonF foot;
    foot << QPointF(18, 225) << QPointF(54, 225) << QPointF(56, 232) << QPointF(16, 232);
    drawPlank(p, foot, false);
    drawBolt(p, 35.5, 228.5);
}

// Paints rope along a path: a body, twisted strands, and a dark edge.
void strokeRope(QPainter& p, const QPainterPath& path, double w) {
    p.setBrush(Qt::NoBrush);
    p.setPen(pen(QColor(92, 64, 30), w + 0.9));
    p.drawPath(path);
    p.setPen(pen(QColor(206, 168, 102), w));
    p.drawPath(path);
    p.setPen(pen(QColor(236, 206, 144), w * 0.32));
    p.drawPath(path.translated(-w * 0.18, 0));

    // Twist: short slanted dashes at even steps along the path.
    const double len = path.length();
    p.setPen(pen(QColor(128, 92, 44, 210), 0.45));
    for (double s = 1.0; s < len - 0.5; s += 1.7) {
        const double t = path.percentAtLength(s);
        const QPointF c = path.pointAtPercent(t);
        const double a = path.angleAtPercent(t) * M_PI / 180.0;  // counter-clockwise degrees
        const QPointF along(std::cos(a), -std::sin(a));
        const QPointF across(-along.y(), along.x());
        const QPointF d1 = c + across * (w * 0.45) + along * 0.55;
        const QPointF d2 = c - across * (w * 0.45) - along * 0.55;
        p.drawLine(d1, d2);
    }
}

void drawRopeAndKnot(QPainter& p) {
    // Turns of rope around the beam.
    for (int i = 0; i < 3; ++i) {
        const double x = RopeX - 3 + i * 2.4;
        QPainterPath turn;
        turn.moveTo(x, 10.2);
        turn.lineTo(x + 0.6, 21.8);
        strokeRope(p, turn, 2.0);
    }
    // The line down to the knot.
    QPainterPath line;
    line.moveTo(RopeX, 21);
    line.lineTo(RopeX, KnotTop + 1);
    strokeRope(p, line, 2.6);

    // Hangman's knot: a stack of wraps.
    const double kw = 7.6;
    QRectF body(RopeX - kw / 2, KnotTop, kw, KnotBottom - KnotTop);
    p.setPen(pen(QColor(92, 64, 30), 0.8));
    p.setBrush(QColor(190, 150, 88));
    p.drawRoundedRect(body, 2, 2);
    const int wraps = 7;
    const double step = (KnotBottom - KnotTop) / wraps;
    for (int i = 0; i < wraps; ++i) {
        QRectF wrap(RopeX - kw / 2 - 0.3, KnotTop + i * step + 0.2, kw + 0.6, step - 0.2);
        QLinearGradient g(wrap.left(), 0, wrap.right(), 0);
        g.setColorAt(0, QColor(170, 128, 70));
        g.setColorAt(0.4, QColor(238, 206, 142));
        g.setColorAt(1, QColor(150, 108, 56));
        p.setPen(pen(QColor(100, 70, 34), 0.5));
        p.setBrush(g);
        p.drawRoundedRect(wrap, step / 2, step / 2);
    }
}

// The empty loop that hangs below the knot in the picture without the figure.
void drawEmptyNoose(QPainter& p) {
    p.save();
    p.setClipRect(QRectF(FigureBox.left(), HeadTop, FigureBox.width(), BodyTop - HeadTop));
    QPainterPath loop;
    loop.moveTo(RopeX - 2.2, KnotBottom - 1);
    loop.cubicTo(QPointF(RopeX - 12, 74), QPointF(RopeX - 12, 92), QPointF(RopeX, 93));
    loop.cubicTo(QPointF(RopeX + 12, 92), QPointF(RopeX + 12, 74),
                 QPointF(RopeX + 2.2, KnotBottom - 1));
    strokeRope(p, loop, 2.4);
    p.restore();
}

// ---------------------------------------------------------------- the convict

const QColor Ink(34, 30, 36);
const QColor StripeDark(38, 38, 46);
const QColor StripeLight(246, 244, 236);
const QColor Skin(250, 206, 166);
const QColor SkinShade(214, 150, 112);

// Fills a shape with horizontal convict stripes, rounds it with shading across the
// given axis, and outlines it.
void stripedShape(QPainter& p, const QPainterPath& shape, double stripeY0, double period,
                  double shadeLeft, double shadeRight) {
    p.save();
    p.setClipPath(shape);
    const QRectF b = shape.boundingRect();
    p.fillRect(b, StripeLight);
    p.setPen(Qt::NoPen);
    p.setBrush(StripeDark);
    for (double y = stripeY0; y < b.bottom() + period; y += period)
        p.drawRect(QRectF(b.left() - 1, y, b.width() + 2, period / 2));
    QLinearGradient g(shadeLeft, 0, shadeRight, 0);
    g.setColorAt(0.0, QColor(40, 30, 60, 120));
    g.setColorAt(0.30, QColor(255, 255, 255, 30));
    g.setColorAt(0.45, QColor(255, 255, 255, 0));
    g.setColorAt(0.75, QColor(40, 30, 60, 40));
    g.setColorAt(1.0, QColor(40, 30, 60, 140));
    p.fillRect(b, g);
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(pen(Ink, 0.8));
    p.drawPath(shape);
}

void drawHand(QPainter& p, double x, double y, bool left) {
    const double s = left ? -1 : 1;
    QPainterPath h;
    h.moveTo(x - 3.6, y);
    h.cubicTo(QPointF(x - 4.4, y + 4), QPointF(x - 3, y + 8.5), QPointF(x, y + 8.6));
    h.cubicTo(QPointF(x + 3, y + 8.5), QPointF(x + 4.4, y + 4), QPointF(x + 3.6, y));
    h.closeSubpath();
    // Thumb towards the body.
    QPainterPath t;
    t.addEllipse(QPointF(x - s * 3.6, y + 3.4), 1.5, 2.6);
    h = h.united(t);
    QRadialGradient g(QPointF(x + s * 1, y + 3), 6);
    g.setColorAt(0, Skin);
    g.setColorAt(1, SkinShade);
    p.setPen(pen(Ink, 0.7));
    p.setBrush(g);
    p.drawPath(h);
    p.setPen(pen(QColor(170, 110, 80), 0.4));
    p.drawLine(QPointF(x - 1.2, y + 5.2), QPointF(x - 1.2, y + 8.0));
    p.drawLine(QPointF(x + 1.2, y + 5.2), QPointF(x + 1.2, y + 8.0));
}

void drawShoe(QPainter& p, double x, double y, double toe) {
    // A shoe seen from the front, hanging toe down and a little outwards.
    QPainterPath s;
    s.moveTo(x - 4.6, y);
    s.lineTo(x + 4.6, y);
    s.cubicTo(QPointF(x + 5.6 + toe, y + 4), QPointF(x + 5.2 + toe, y + 9.8),
              QPointF(x + toe * 0.6, y + 10.2));
    s.cubicTo(QPointF(x - 5.4 + toe * 0.4, y + 10), QPointF(x - 5.8 + toe * 0.2, y + 4),
              QPointF(x - 4.6, y));
    s.closeSubpath();
    QRadialGradient g(QPointF(x + toe * 0.3 - 1.2, y + 5), 7);
    g.setColorAt(0, QColor(92, 70, 60));
    g.setColorAt(1, QColor(26, 20, 20));
    p.setPen(pen(QColor(10, 8, 8), 0.7));
    p.setBrush(g);
    p.drawPath(s);
    // Sole edge and shine.
    p.setPen(pen(QColor(120, 96, 80), 0.5));
    QPainterPath sole;
    sole.moveTo(x - 4.6 + toe * 0.2, y + 8.7);
    sole.quadTo(QPointF(x + toe * 0.6, y + 10.4), QPointF(x + 4.6 + toe * 0.8, y + 8.5));
    p.drawPath(sole);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(QPointF(x - 1.6 + toe * 0.3, y + 4), 1.0, 1.8);
}

void drawHead(QPainter& p) {
    // The head hangs a little to the left of the knot, tilted away from it.
    const QPointF c(101, 85.5);
    p.save();
    p.translate(c);
    p.rotate(-14);

    // Ear.
    p.setPen(pen(Ink, 0.7));
    p.setBrush(Skin);
    p.drawEllipse(QPointF(-12.6, 2), 3.0, 4.2);
    p.setPen(pen(SkinShade, 0.5));
    p.drawArc(QRectF(-14.2, -0.4, 2.6, 4.8), 60 * 16, 220 * 16);
    p.setPen(pen(Ink, 0.7));
    p.setBrush(Skin);
    p.drawEllipse(QPointF(12.6, 2), 2.6, 3.8);

    // Face.
    QPainterPath face;
    face.moveTo(0, -13);
    face.cubicTo(QPointF(9, -13), QPointF(13, -7), QPointF(13, 0));
    face.cubicTo(QPointF(13, 8), QPointF(8, 14), QPointF(0, 14.2));
    face.cubicTo(QPointF(-8, 14), QPointF(-13, 8), QPointF(-13, 0));
    face.cubicTo(QPointF(-13, -7), QPointF(-9, -13), QPointF(0, -13));
    QRadialGradient fg(QPointF(3, -3), 17);
    fg.setColorAt(0.0, QColor(255, 222, 190));
    fg.setColorAt(0.55, Skin);
    fg.setColorAt(1.0, SkinShade);
    p.setPen(pen(Ink, 0.8));
    p.setBrush(fg);
    p.drawPath(face);

    // Stubble.
    p.save();
    p.setClipPath(face);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(140, 110, 100, 70));
    QPainterPath jaw;
    jaw.addEllipse(QPointF(0, 10.5), 10.5, 6.5);
    p.drawPath(jaw);
    p.setBrush(QColor(110, 80, 70, 150));
    const double dots[][2] = {{-6, 8},      {-3.4, 10.2}, {0.2, 11.6}, {3.8, 10.4}, {6.6, 8.2},
                              {-7.6, 10.8}, {-1.8, 12.8}, {2.2, 13.2}, {6.0, 11.6}, {-4.8, 12.4}};
    for (const auto& d : dots)
        p.drawEllipse(QPointF(d[0], d[1]), 0.35, 0.35);
    p.restore();

    // Cheeks.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 120, 110, 90));
    p.drawEllipse(QPointF(-7.5, 4.5), 2.8, 1.8);
    p.drawEllipse(QPointF(7.5, 4.5), 2.8, 1.8);

    // X eyes.
    p.setPen(pen(Ink, 1.0));
    auto cross = [&p](double x, double y) {
        p.drawLine(QPointF(x - 2, y - 2), QPointF(x + 2, y + 2));
        p.drawLine(QPointF(x - 2, y + 2), QPointF(x + 2, y - 2));
    };
    cross(-5, -1.5);
    cross(5, -1.5);
    // Eyebrows raised in surprise.
    p.setPen(pen(QColor(70, 50, 40), 0.8));
    p.drawArc(QRectF(-8, -7.6, 6, 3), 20 * 16, 140 * 16);
    p.drawArc(QRectF(2, -7.6, 6, 3), 20 * 16, 140 * 16);

    // Nose.
    QRadialGradient ng(QPointF(-0.5, 2.2), 2.6);
    ng.setColorAt(0, QColor(255, 170, 150));
    ng.setColorAt(1, QColor(222, 120, 100));
    p.setPen(pen(QColor(150, 80, 60), 0.5));
    p.setBrush(ng);
    p.drawEllipse(QPointF(0, 3), 2.3, 2.0);

    // Mouth: a wobbly line with the tongue poking out at the side.
    QPainterPath tongue;
    tongue.moveTo(2.2, 8.2);
    tongue.cubicTo(QPointF(2.6, 11.6), QPointF(6.4, 12.0), QPointF(6.2, 8.4));
    tongue.closeSubpath();
    p.setPen(pen(QColor(150, 40, 60), 0.6));
    p.setBrush(QColor(240, 110, 130));
    p.drawPath(tongue);
    p.setPen(pen(QColor(190, 70, 90), 0.4));
    p.drawLine(QPointF(4.3, 8.6), QPointF(4.3, 10.4));
    QPainterPath mouth;
    mouth.moveTo(-4.6, 8.0);
    mouth.cubicTo(QPointF(-2.6, 7.0), QPointF(-0.6, 9.2), QPointF(1.4, 8.2));
    mouth.cubicTo(QPointF(3.4, 7.4), QPointF(5.4, 8.4), QPointF(7.0, 7.8));
    p.setPen(pen(Ink, 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(mouth);

    // Striped convict cap, perched on top.
    QPainterPath cap;
    cap.moveTo(-10.4, -8.6);
    cap.cubicTo(QPointF(-10, -16.6), QPointF(10, -16.6), QPointF(10.4, -8.6));
    cap.cubicTo(QPointF(4, -10.4), QPointF(-4, -10.4), QPointF(-10.4, -8.6));
    cap.closeSubpath();
    stripedShape(p, cap, -16.4, 3.0, -10.5, 10.5);
    // Cap brim shadow on the forehead.
    p.setPen(pen(QColor(160, 110, 80, 120), 0.7));
    QPainterPath brim;
    brim.moveTo(-9.6, -8.0);
    brim.cubicTo(QPointF(-4, -9.6), QPointF(4, -9.6), QPointF(9.6, -8.0));
    p.drawPath(brim);
    // A tuft of hair under the cap.
    p.setPen(pen(QColor(96, 62, 36), 0.7));
    p.drawLine(QPointF(-9.6, -8.4), QPointF(-11.6, -6.2));
    p.drawLine(QPointF(-8.4, -8.8), QPointF(-10.2, -6.0));

    p.restore();
}

void drawFigure(QPainter& p) {
    p.save();
    p.setClipRect(FigureBox);

    // The rope in use: from the knot down the right side of the head to the neck.
    QPainterPath strand;
    strand.moveTo(RopeX + 0.6, KnotBottom - 1);
    strand.cubicTo(QPointF(RopeX + 2.5, 80), QPointF(RopeX + 1, 94), QPointF(RopeX - 5, 102.5));
    strokeRope(p, strand, 2.4);

    // Neck.
    p.setPen(pen(Ink, 0.7));
    QLinearGradient ngr(99, 0, 111, 0);
    ngr.setColorAt(0, SkinShade);
    ngr.setColorAt(0.5, Skin);
    ngr.setColorAt(1, SkinShade);
    p.setBrush(ngr);
    p.drawRect(QRectF(99.6, 96, 9.6, 11.5));

    const double cx = 104.4;  // the body's centre line

    // Legs, hanging a little apart.
    auto leg = [&](bool left) {
        const double s = left ? -1 : 1;
        QPainterPath l;
        l.moveTo(cx + s * 0.8, 150);
        l.lineTo(cx + s * 12.8, 150);
        l.cubicTo(QPointF(cx + s * 12.9, 170), QPointF(cx + s * 12.2, 190),
                  QPointF(cx + s * 11.8, 203.5));
        l.lineTo(cx + s * 2.0, 203.5);
        l.cubicTo(QPointF(cx + s * 1.6, 190), QPointF(cx + s * 1.0, 170),
                  QPointF(cx + s * 0.8, 150));
        l.closeSubpath();
        stripedShape(p, l, 148.5, 5.0, left ? cx - 13 : cx + 0.6, left ? cx - 0.6 : cx + 13);
        // Trouser hem.
        p.setPen(pen(Ink, 0.7));
        p.setBrush(QColor(226, 224, 216));
        p.drawRect(QRectF(left ? cx - 11.9 : cx + 2.0, 201.0, 9.9, 2.6));
        drawShoe(p, cx + s * 7.0, 203.2, s * 1.2);
    };
    leg(true);
    leg(false);

    // Torso, a little narrower at the waist.
    QPainterPath torso;
    torso.moveTo(cx - 6, 107);
    torso.lineTo(cx + 6, 107);
    torso.cubicTo(QPointF(cx + 12, 107.4), QPointF(cx + 15.6, 110), QPointF(cx + 15.4, 117));
    torso.cubicTo(QPointF(cx + 15, 130), QPointF(cx + 13.6, 140), QPointF(cx + 13.6, 152));
    torso.lineTo(cx - 13.6, 152);
    torso.cubicTo(QPointF(cx - 13.6, 140), QPointF(cx - 15, 130), QPointF(cx - 15.4, 117));
    torso.cubicTo(QPointF(cx - 15.6, 110), QPointF(cx - 12, 107.4), QPointF(cx - 6, 107));
    torso.closeSubpath();
    stripedShape(p, torso, 108.5, 5.0, cx - 15.6, cx + 15.6);

    // Collar: a small V of plain cloth.
    p.setPen(pen(Ink, 0.7));
    p.setBrush(QColor(232, 230, 222));
    QPainterPath collar;
    collar.moveTo(cx - 6.2, 107.1);
    collar.lineTo(cx, 114.8);
    collar.lineTo(cx + 6.2, 107.1);
    collar.lineTo(cx + 3.0, 107.1);
    collar.lineTo(cx, 110.8);
    collar.lineTo(cx - 3.0, 107.1);
    collar.closeSubpath();
    p.drawPath(collar);

    // Buttons down the front.
    for (double y = 120; y < 146; y += 8.5) {
        p.setPen(pen(QColor(20, 20, 24), 0.5));
        p.setBrush(QColor(206, 206, 212));
        p.drawEllipse(QPointF(cx, y), 1.1, 1.1);
    }

    // Prisoner's number patch on the chest, "13" drawn with strokes.
    p.setPen(pen(Ink, 0.6));
    p.setBrush(QColor(252, 250, 240));
    p.drawRect(QRectF(cx - 12.2, 116.8, 8.8, 6.6));
    p.setPen(pen(QColor(20, 20, 28), 0.75));
    p.drawLine(QPointF(cx - 9.9, 118.3), QPointF(cx - 9.9, 122.0));
    p.drawLine(QPointF(cx - 10.8, 119.0), QPointF(cx - 9.9, 118.3));
    QPainterPath three;
    three.moveTo(cx - 8.0, 118.5);
    three.cubicTo(QPointF(cx - 5.0, 117.6), QPointF(cx - 5.0, 120.2), QPointF(cx - 6.9, 120.2));
    three.cubicTo(QPointF(cx - 4.6, 120.2), QPointF(cx - 4.8, 123.0), QPointF(cx - 8.0, 121.8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(three);

    // Arms, hanging slightly away from the body; the sleeve seam runs to the collar.
    auto arm = [&](bool left) {
        const double s = left ? -1 : 1;
        QPainterPath a;
        a.moveTo(cx + s * 9.5, 108.2);
        a.cubicTo(QPointF(cx + s * 17, 107.8), QPointF(cx + s * 21.2, 110.8),
                  QPointF(cx + s * 21.6, 117));
        a.lineTo(cx + s * 24.8, 146);
        a.lineTo(cx + s * 16.4, 147.2);
        a.lineTo(cx + s * 14.2, 122);
        a.closeSubpath();
        // The torso's shadow falls along the inside of the sleeve, which keeps the arm
        // apart from the body although both are striped alike.
        p.setPen(pen(QColor(20, 16, 30, 150), 2.2));
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(cx + s * 14.0, 121), QPointF(cx + s * 16.0, 147));
        stripedShape(p, a, 110.2, 5.0, left ? cx - 25 : cx + 12.6, left ? cx - 12.6 : cx + 25);
        // Cuff.
        p.setPen(pen(Ink, 0.7));
        p.setBrush(QColor(226, 224, 216));
        QPolygonF cuff;
        cuff << QPointF(cx + s * 16.2, 144.6) << QPointF(cx + s * 24.6, 143.6)
             << QPointF(cx + s * 24.9, 147.2) << QPointF(cx + s * 16.5, 148.3);
        p.drawPolygon(cuff);
        drawHand(p, cx + s * 20.8, 147.6, left);
    };
    arm(true);
    arm(false);

    // Belt with a brass buckle.
    QLinearGradient bg(0, 146.6, 0, 152);
    bg.setColorAt(0, QColor(122, 78, 44));
    bg.setColorAt(1, QColor(72, 42, 22));
    p.setPen(pen(QColor(40, 22, 10), 0.7));
    p.setBrush(bg);
    p.drawRect(QRectF(cx - 13.9, 146.6, 27.8, 5.4));
    QLinearGradient buck(cx - 3, 145.8, cx + 3, 153);
    buck.setColorAt(0, QColor(255, 236, 140));
    buck.setColorAt(1, QColor(190, 140, 40));
    p.setPen(pen(QColor(110, 80, 20), 0.6));
    p.setBrush(buck);
    p.drawRoundedRect(QRectF(cx - 3.2, 145.8, 6.4, 7.0), 1.0, 1.0);
    p.setBrush(QColor(86, 52, 26));
    p.drawRect(QRectF(cx - 1.4, 147.6, 2.8, 3.4));

    // The head over the top of the rope, then the loop over the neck.
    drawHead(p);
    QPainterPath loop;
    loop.moveTo(RopeX - 4.4, 102.4);
    loop.cubicTo(QPointF(RopeX - 8, 104.8), QPointF(RopeX - 14, 105.4),
                 QPointF(RopeX - 16.2, 102.2));
    strokeRope(p, loop, 2.4);

    p.restore();
}

// ---------------------------------------------------------------- assembly

void drawScene(QPainter& p) {
    drawSky(p);
    drawMesas(p);
    drawDunes(p);

    // A little cactus far away on the middle dune.
    drawSaguaro(p, 58, 162, 10, 2.6, false);

    drawRock(p,
             {QPointF(58, 233), QPointF(60, 227), QPointF(65, 224), QPointF(71, 225),
              QPointF(75, 229), QPointF(76, 233)},
             QColor(160, 128, 110));
    drawRock(
        p,
        {QPointF(72, 234), QPointF(74, 230), QPointF(78, 229), QPointF(81, 231), QPointF(82, 234)},
        QColor(176, 140, 120));

    drawGallows(p);
    drawRopeAndKnot(p);

    drawSaguaro(p, 158, 216, 78, 9.5, true);
    drawBarrelCactus(p, 10, 222, 5.5);
    drawRock(p,
             {QPointF(136, 236), QPointF(139, 229), QPointF(146, 226), QPointF(153, 228),
              QPointF(157, 233), QPointF(158, 237)},
             QColor(150, 120, 104));
    drawRock(p,
             {QPointF(164, 234), QPointF(166, 230), QPointF(171, 229), QPointF(174, 232),
              QPointF(174, 235)},
             QColor(168, 134, 116));
}

QImage render(bool withFigure, int scale) {
    const int w = W * scale;
    const int h = H * scale;
    QImage big(w * SS, h * SS, QImage::Format_RGB32);
    big.fill(Qt::white);
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(SS * scale, SS * scale);
        drawScene(p);
        if (withFigure)
            drawFigure(p);
        else
            drawEmptyNoose(p);
    }
    // Average each SS x SS block: a plain box filter, so the result does not depend on
    // the smoothing of any scaler.
    QImage out(w, h, QImage::Format_RGB888);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            int r = 0, g = 0, b = 0;
            for (int sy = 0; sy < SS; ++sy) {
                const QRgb* line = reinterpret_cast<const QRgb*>(big.constScanLine(y * SS + sy));
                for (int sx = 0; sx < SS; ++sx) {
                    const QRgb v = line[x * SS + sx];
                    r += qRed(v);
                    g += qGreen(v);
                    b += qBlue(v);
                }
            }
            const int n = SS * SS;
            uchar* o = out.scanLine(y) + x * 3;
            o[0] = uchar((r + n / 2) / n);
            o[1] = uchar((g + n / 2) / n);
            o[2] = uchar((b + n / 2) / n);
        }
    }
    return out;
}

// The game copies the figure in bands from the full picture onto the empty one; any
// difference outside the figure's box would leave a patch of the wrong scene behind.
bool verify(const QString& noPath, const QString& yesPath, int scale) {
    const QImage no(noPath);
    const QImage yes(yesPath);
    if (no.isNull() || yes.isNull()) {
        std::fprintf(stderr, "check: cannot read the written pictures back\n");
        return false;
    }
    const int w = W * scale;
    const int h = H * scale;
    if (no.size() != QSize(w, h) || yes.size() != QSize(w, h)) {
        std::fprintf(stderr, "check: pictures must be %d x %d\n", w, h);
        return false;
    }
    if (no.hasAlphaChannel() || yes.hasAlphaChannel()) {
        std::fprintf(stderr, "check: pictures must be opaque\n");
        return false;
    }
    int minX = w, maxX = -1, minY = h, maxY = -1, headDiffs = 0, bodyDiffs = 0, outside = 0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (no.pixel(x, y) == yes.pixel(x, y))
                continue;
            minX = std::min(minX, x);
            maxX = std::max(maxX, x);
            minY = std::min(minY, y);
            maxY = std::max(maxY, y);
            // The game copies the bands in device pixels: the box scales with the picture.
            const bool inColumns = x >= 78 * scale && x < 136 * scale;
            if (!inColumns || y < HeadTop * scale || y >= 215 * scale) {
                if (outside++ < 10)
                    std::fprintf(stderr, "check: pixel (%d, %d) differs outside the figure box\n",
                                 x, y);
            } else if (y < BodyTop * scale) {
                ++headDiffs;
            } else {
                ++bodyDiffs;
            }
        }
    }
    std::printf("%dx differences: columns %d..%d, rows %d..%d; head band %d px, body %d px\n",
                scale, minX, maxX, minY, maxY, headDiffs, bodyDiffs);
    if (outside > 0) {
        std::fprintf(stderr, "check: %d pixels differ outside the figure box at %dx\n", outside,
                     scale);
        return false;
    }
    if (headDiffs == 0 || bodyDiffs == 0) {
        std::fprintf(stderr, "check: the figure is missing from a band\n");
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    for (int scale = 1; scale <= 3; ++scale) {
        const QString suffix =
            scale == 1 ? QStringLiteral(".png") : QStringLiteral("@%1x.png").arg(scale);
        const QString noPath = dir + QStringLiteral("/nohang") + suffix;
        const QString yesPath = dir + QStringLiteral("/yeshang") + suffix;
        if (!render(false, scale).save(noPath, "PNG") ||
            !render(true, scale).save(yesPath, "PNG")) {
            std::fprintf(stderr, "cannot write the pictures into %s\n", qPrintable(dir));
            return 1;
        }
        if (!verify(noPath, yesPath, scale))
            return 1;
        std::printf("wrote %s and %s\n", qPrintable(noPath), qPrintable(yesPath));
    }
    return 0;
}
