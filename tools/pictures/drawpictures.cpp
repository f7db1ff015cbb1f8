// Paints the pictures that Malvora ships in resources/.
//
// Usage: drawpictures <output directory>
// Run with QT_QPA_PLATFORM=offscreen when no display is available.

#include <QColor>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QString>
#include <QTextStream>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <numbers>
#include <string_view>

namespace
{

// ---------------------------------------------------------------------------
// Small helpers

QImage blankImage(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void smooth(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

QPen roundPen(const QColor &color, qreal width)
{
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QPainterPath ellipsePath(QPointF centre, qreal rx, qreal ry)
{
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

// A quadratic curve from `from` to `to` bent through `via`.
QPainterPath curve(QPointF from, QPointF via, QPointF to)
{
    QPainterPath path(from);
    path.quadTo(via, to);
    return path;
}

QColor withAlpha(QColor color, int alpha)
{
    color.setAlpha(alpha);
    return color;
}

// Soft round glow, fully transparent at its rim.
QRadialGradient glow(QPointF centre, qreal radius, const QColor &color)
{
    QRadialGradient gradient(centre, radius);
    gradient.setColorAt(0.0, color);
    gradient.setColorAt(1.0, withAlpha(color, 0));
    return gradient;
}

// Shade that deepens towards the right, for faces lit from the left.
QLinearGradient sideShade(const QColor &color)
{
    QLinearGradient gradient(50, 0, 76, 0);
    gradient.setColorAt(0.0, withAlpha(color, 0));
    gradient.setColorAt(1.0, withAlpha(color, 120));
    return gradient;
}

// ---------------------------------------------------------------------------
// Portraits
//
// Both portraits share one drawing of a person, described in a 100 x 132
// unit box (head centred at (50, 52)); a Look picks colours and features.

struct Look {
    QColor skin;
    QColor hair;
    QColor jacket;
    QColor shirt;
    QColor tie;
    QColor eyes;
    QColor glasses;
    bool fullHair = true; // otherwise only a fringe above the ears
    bool beard = false;
    bool moustache = false;
    bool grin = false; // open smile rather than closed lips
    qreal age = 0.0;   // 0..1, how many lines the face shows
};

QPainterPath headShape()
{
    QPainterPath path(QPointF(50, 21));
    path.cubicTo(66, 21, 74.5, 35, 74.5, 52);
    path.cubicTo(74.5, 70, 64, 83, 50, 83);
    path.cubicTo(36, 83, 25.5, 70, 25.5, 52);
    path.cubicTo(25.5, 35, 34, 21, 50, 21);
    return path;
}

void drawBody(QPainter &painter, const Look &look)
{
    QPainterPath neck(QPointF(40, 72));
    neck.lineTo(60, 72);
    neck.lineTo(61, 100);
    neck.lineTo(39, 100);
    neck.closeSubpath();
    painter.fillPath(neck, look.skin.darker(112));
    painter.fillPath(curve({40, 80}, {50, 90}, {60, 80}) + curve({60, 80}, {50, 84}, {40, 80}),
                     look.skin.darker(130));

    QPainterPath jacket(QPointF(-2, 140));
    jacket.lineTo(-2, 112);
    jacket.cubicTo(4, 100, 22, 95, 38, 92);
    jacket.lineTo(62, 92);
    jacket.cubicTo(78, 95, 96, 100, 102, 112);
    jacket.lineTo(102, 140);
    jacket.closeSubpath();
    QLinearGradient cloth(0, 92, 0, 132);
    cloth.setColorAt(0, look.jacket.lighter(115));
    cloth.setColorAt(1, look.jacket.darker(115));
    painter.fillPath(jacket, cloth);

    QPainterPath shirt(QPointF(37, 92));
    shirt.lineTo(63, 92);
    shirt.lineTo(56, 140);
    shirt.lineTo(44, 140);
    shirt.closeSubpath();
    painter.fillPath(shirt, look.shirt);

    QPainterPath tie(QPointF(47, 99));
    tie.lineTo(53, 99);
    tie.lineTo(55.5, 128);
    tie.lineTo(50, 140);
    tie.lineTo(44.5, 128);
    tie.closeSubpath();
    painter.fillPath(tie, look.tie);
    painter.fillPath(ellipsePath({50, 98}, 3.6, 3), look.tie.darker(115));

    // Collar points and lapels, mirrored.
    for (const qreal side : {-1.0, 1.0}) {
        const auto x = [side](qreal dx) { return 50 + side * dx; };
        QPainterPath collar(QPointF(x(11), 90));
        collar.lineTo(x(3), 101);
        collar.lineTo(x(0.5), 93);
        collar.closeSubpath();
        painter.fillPath(collar, look.shirt.darker(108));
        painter.strokePath(collar, roundPen(look.shirt.darker(125), 0.5));

        QPainterPath lapel(QPointF(x(13), 91));
        lapel.lineTo(x(6), 140);
        lapel.lineTo(x(9), 140);
        lapel.lineTo(x(18), 112);
        lapel.lineTo(x(14), 107);
        lapel.lineTo(x(19), 101);
        lapel.closeSubpath();
        painter.fillPath(lapel, look.jacket.darker(125));
    }
}

void drawHeadBase(QPainter &painter, const Look &look)
{
    for (const qreal side : {-1.0, 1.0}) {
        const QPointF ear(50 + side * 24, 55);
        painter.fillPath(ellipsePath(ear, 4.5, 7.5), look.skin.darker(104));
        painter.strokePath(curve(ear + QPointF(side * 1.8, -4), ear + QPointF(side * -0.5, 0),
                                 ear + QPointF(side * 1.2, 4)),
                           roundPen(look.skin.darker(125), 0.9));
    }

    const QPainterPath head = headShape();
    painter.fillPath(head, look.skin);

    // Soft shade on the far cheek, light from the upper left.
    painter.save();
    painter.setClipPath(head);
    painter.fillRect(QRectF(25, 20, 50, 64), sideShade(look.skin.darker(135)));
    painter.fillPath(ellipsePath({40, 40}, 14, 12), glow({40, 40}, 14, withAlpha(Qt::white, 55)));
    painter.restore();

    for (const qreal side : {-1.0, 1.0}) {
        const QPointF cheek(50 + side * 13, 65);
        painter.fillPath(ellipsePath(cheek, 6, 4), glow(cheek, 6, QColor(230, 110, 100, 70)));
    }
}

void drawHair(QPainter &painter, const Look &look)
{
    const QColor shadow = look.hair.darker(125);
    if (look.fullHair) {
        QPainterPath hair(QPointF(25.5, 56));
        hair.cubicTo(21, 32, 33, 15, 51, 15);
        hair.cubicTo(70, 15, 80, 31, 74.5, 56);
        hair.cubicTo(73.5, 50, 73, 44, 71, 40);
        hair.cubicTo(64, 33, 50, 31, 39, 30); // fringe swept from the parting
        hair.cubicTo(34, 32, 30, 38, 28.5, 44);
        hair.cubicTo(27, 48, 26.5, 52, 25.5, 56);
        painter.fillPath(hair, look.hair);
        painter.strokePath(curve({39, 29}, {42, 21}, {52, 17}), roundPen(shadow, 0.9));
        painter.strokePath(curve({47, 29}, {58, 24}, {70, 30}), roundPen(shadow, 0.6));
        painter.strokePath(curve({55, 30}, {64, 28}, {71, 35}), roundPen(shadow, 0.6));
        return;
    }
    // Receded: fluffy tufts hugging the head above the ears, a few wisps on top.
    for (const qreal side : {-1.0, 1.0}) {
        const auto at = [side](qreal degrees, qreal r) {
            const qreal a = qDegreesToRadians(degrees);
            return QPointF(50 + side * 24.5 * r * std::cos(a), 52 - 31 * r * std::sin(a));
        };
        constexpr int steps = 48;
        constexpr qreal from = 6, to = 64;
        QPainterPath tuft(at(from, 0.96));
        for (int i = 0; i <= steps; ++i) {
            const qreal u = qreal(i) / steps;
            const qreal bulk = 0.14 * std::pow(std::sin(std::numbers::pi * u), 0.6);
            tuft.lineTo(at(from + (to - from) * u,
                           0.95 + bulk * (1 + 0.15 * std::sin(7 * std::numbers::pi * u))));
        }
        for (int i = steps; i >= 0; --i)
            tuft.lineTo(at(from + (to - from) * i / steps,
                           0.93 - 0.04 * std::sin(std::numbers::pi * i / steps)));
        tuft.closeSubpath();
        painter.fillPath(tuft, look.hair);
        painter.strokePath(tuft, roundPen(shadow, 0.35));
        for (const qreal a : {22.0, 36.0, 50.0})
            painter.strokePath(curve(at(a - 6, 0.97), at(a, 1.03), at(a + 7, 1.0)),
                               roundPen(shadow, 0.4));
    }
    for (int i = 0; i < 3; ++i)
        painter.strokePath(curve({42.0 + i * 4, 23}, {48.0 + i * 4, 19.5}, {54.0 + i * 4, 22}),
                           roundPen(withAlpha(look.hair, 170), 0.7));
}

void drawEyes(QPainter &painter, const Look &look)
{
    const QColor line = look.hair.value() > 160 ? look.skin.darker(170) : look.hair;
    const QColor brow = look.hair.value() > 160 ? look.hair.darker(115) : look.hair.darker(110);
    for (const qreal side : {-1.0, 1.0}) {
        const QPointF eye(50 + side * 9.5, 53);
        painter.fillPath(ellipsePath(eye, 3.2, 2.0), QColor(250, 248, 244));
        painter.fillPath(ellipsePath(eye, 1.8, 1.9), look.eyes);
        painter.fillPath(ellipsePath(eye + QPointF(-0.6, -0.6), 0.55, 0.55), Qt::white);
        painter.strokePath(
            curve(eye + QPointF(-3.4, 0.2), eye + QPointF(0, -3.6), eye + QPointF(3.4, 0.2)),
            roundPen(line, 0.9));
        painter.strokePath(
            curve(eye + QPointF(-5, -5.5), eye + QPointF(side * -1, -9.5), eye + QPointF(5, -5.2)),
            roundPen(brow, look.age > 0.5 ? 2.2 : 1.8));
    }
}

void drawNoseAndMouth(QPainter &painter, const Look &look)
{
    const QColor shade = look.skin.darker(135);
    painter.strokePath(curve({51.5, 55}, {53.5, 63}, {51.5, 65.5}), roundPen(shade, 1.0));
    painter.strokePath(curve({46.5, 65}, {49, 67.5}, {52, 66}), roundPen(shade, 0.9));

    const QColor lips(120, 45, 45);
    if (look.grin) {
        QPainterPath smile(QPointF(43.5, 71.5));
        smile.quadTo(50, 78, 56.5, 71.5);
        smile.quadTo(50, 73.5, 43.5, 71.5);
        painter.fillPath(smile, lips.darker(130));
        painter.save();
        painter.setClipPath(smile);
        painter.fillRect(QRectF(40, 70, 20, 3.6), QColor(250, 250, 246));
        painter.restore();
        painter.strokePath(smile, roundPen(lips, 0.7));
    } else {
        painter.strokePath(curve({44.5, 73}, {50, 76}, {55.5, 73}),
                           roundPen(lips.lighter(120), 1.1));
    }
    painter.strokePath(curve({46.5, 77.5}, {50, 79}, {53.5, 77.5}),
                       roundPen(withAlpha(shade, 110), 0.8));
}

void drawWrinkles(QPainter &painter, const Look &look)
{
    if (look.age <= 0.0) return;
    const QPen pen = roundPen(withAlpha(look.skin.darker(140), int(170 * look.age)), 0.7);
    for (int i = 0; i < 3; ++i) {
        const qreal y = 33 + i * 3.5;
        painter.strokePath(curve({40.0 + i, y}, {50, y - 2}, {60.0 - i, y}), pen);
    }
    for (const qreal side : {-1.0, 1.0}) {
        const auto x = [side](qreal dx) { return 50 + side * dx; };
        painter.strokePath(curve({x(9), 69}, {x(9), 63}, {x(5), 58}), pen); // smile lines
        for (int i = -1; i <= 1; ++i)                                       // crow's feet
            painter.strokePath(
                curve({x(14), 53.0 + i * 1.5}, {x(16), 53.0 + i * 2.5}, {x(17.5), 53.0 + i * 3.5}),
                pen);
        painter.strokePath(curve({x(6.5), 57}, {x(9.5), 58.5}, {x(12.5), 57}),
                           pen); // under the eyes
    }
}

void drawFacialHair(QPainter &painter, const Look &look)
{
    if (look.beard) {
        QPainterPath beard(QPointF(26, 58));
        beard.cubicTo(27, 76, 38, 88, 50, 88);
        beard.cubicTo(62, 88, 73, 76, 74, 58);
        beard.cubicTo(70, 64, 66, 66, 62, 66);
        beard.cubicTo(60, 71, 58, 79, 50, 79);
        beard.cubicTo(42, 79, 40, 71, 38, 66);
        beard.cubicTo(34, 66, 30, 64, 26, 58);
        painter.fillPath(beard, look.hair);
        painter.save();
        painter.setClipPath(beard);
        painter.fillRect(QRectF(25, 55, 50, 35), sideShade(look.hair.darker(140)));
        painter.restore();
    }
    if (look.beard || look.moustache) {
        QPainterPath moustache(QPointF(50, 67));
        moustache.cubicTo(55, 65, 60, 67, 61, 73);
        moustache.cubicTo(58, 70.5, 54, 70, 50, 70.5);
        moustache.cubicTo(46, 70, 42, 70.5, 39, 73);
        moustache.cubicTo(40, 67, 45, 65, 50, 67);
        painter.fillPath(moustache, look.hair);
        painter.strokePath(moustache, roundPen(look.hair.darker(115), 0.4));
    }
}

void drawGlasses(QPainter &painter, const Look &look)
{
    if (!look.glasses.isValid()) return;
    const QPen pen = roundPen(look.glasses, 1.5);
    for (const qreal side : {-1.0, 1.0}) {
        const QPointF lens(50 + side * 10, 53.5);
        painter.fillPath(ellipsePath(lens, 7, 6), QColor(255, 255, 255, 35));
        painter.strokePath(ellipsePath(lens, 7, 6), pen);
        painter.strokePath(
            curve({50 + side * 17, 52}, {50 + side * 21, 50.5}, {50 + side * 24.5, 51.5}), pen);
        painter.strokePath(
            curve(lens + QPointF(-4, -2), lens + QPointF(-2.5, -4), lens + QPointF(0, -4.3)),
            roundPen(QColor(255, 255, 255, 120), 0.7));
    }
    painter.strokePath(curve({47, 53}, {50, 50.5}, {53, 53}), pen);
}

void drawPerson(QPainter &painter, const Look &look)
{
    drawBody(painter, look);
    drawHeadBase(painter, look);
    drawWrinkles(painter, look);
    drawHair(painter, look);
    drawEyes(painter, look);
    drawNoseAndMouth(painter, look);
    drawFacialHair(painter, look);
    drawGlasses(painter, look);
}

// Drawn on a 136 x 180 grid, `scale` times as many pixels: the program shows
// it at up to 2.5 times that size, for a projector.
QImage authorPortrait(qreal scale)
{
    QImage image = blankImage(int(136 * scale), int(180 * scale));
    QPainter painter(&image);
    smooth(painter);
    painter.scale(scale, scale);
    const QRectF grid(0, 0, 136, 180);

    QLinearGradient wall(0, 0, 0, 180);
    wall.setColorAt(0, QColor(214, 228, 236));
    wall.setColorAt(1, QColor(168, 192, 208));
    painter.fillRect(grid, wall);
    painter.fillRect(grid, glow({60, 62}, 80, QColor(255, 255, 255, 120)));

    painter.scale(1.36, 1.36);
    Look look;
    look.skin = QColor(238, 196, 160);
    look.hair = QColor(112, 82, 62);
    look.jacket = QColor(48, 84, 110);
    look.shirt = QColor(246, 246, 240);
    look.tie = QColor(196, 150, 40);
    look.eyes = QColor(60, 90, 110);
    look.glasses = QColor(40, 40, 48);
    look.beard = true;
    look.grin = true;
    look.age = 0.25;
    drawPerson(painter, look);
    return image;
}

// Maps an image onto warm brown tones with a little grain, like an old print.
void tintSepia(QImage &image)
{
    image = image.convertToFormat(QImage::Format_ARGB32);
    static const std::array<QColor, 3> tones = {QColor(42, 26, 16), QColor(150, 108, 70),
                                                QColor(250, 238, 212)};
    const auto tone = [](qreal grey) {
        const qreal t = grey * grey * (3 - 2 * grey); // a little extra contrast
        const int i = t < 0.5 ? 0 : 1;
        const qreal f = t < 0.5 ? t * 2 : t * 2 - 1;
        const auto mix = [f](int a, int b) { return int(a + (b - a) * f); };
        return qRgb(mix(tones[i].red(), tones[i + 1].red()),
                    mix(tones[i].green(), tones[i + 1].green()),
                    mix(tones[i].blue(), tones[i + 1].blue()));
    };
    QRandomGenerator grain(1954); // fixed seed: the same picture on every run
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const qreal noise = (grain.generateDouble() - 0.5) * 0.025;
            const QRgb rgb = tone(std::clamp(qGray(line[x]) / 255.0 + noise, 0.0, 1.0));
            line[x] = qRgba(qRed(rgb), qGreen(rgb), qBlue(rgb), qAlpha(line[x]));
        }
    }
    image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// Keeps only an oval of the image, its rim fading out softly.
void featherOval(QImage &image, const QRectF &oval)
{
    QPainter painter(&image);
    smooth(painter);
    QPainterPath outside;
    outside.addRect(image.rect());
    outside.addEllipse(oval);
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    painter.fillPath(outside, Qt::transparent);

    QRadialGradient fade(0.5, 0.5, 0.5);
    fade.setCoordinateMode(QGradient::ObjectMode);
    fade.setColorAt(0.0, Qt::black);
    fade.setColorAt(0.86, Qt::black);
    fade.setColorAt(1.0, Qt::transparent);
    painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    painter.fillRect(oval, fade);
}

// Drawn on a 504 x 559 grid, `scale` times as many pixels.
QImage dedicationPortrait(qreal scale)
{
    const QRectF grid(0, 0, 504, 559);
    const QRectF oval(44, 34, 416, 491);
    const QPointF centre = oval.center();

    // The sitter, painted on his own layer and then toned.
    QImage sitter = blankImage(int(504 * scale), int(559 * scale));
    {
        QPainter painter(&sitter);
        smooth(painter);
        painter.scale(scale, scale);
        painter.fillRect(grid, QColor(96, 92, 88));
        painter.fillRect(grid, glow(centre - QPointF(50, 70), 260, QColor(184, 180, 174)));
        painter.translate(68, 52);
        painter.scale(3.68, 3.68);
        Look look;
        look.skin = QColor(214, 172, 146);
        look.hair = QColor(238, 236, 230);
        look.jacket = QColor(72, 70, 74);
        look.shirt = QColor(244, 242, 236);
        look.tie = QColor(110, 40, 40);
        look.eyes = QColor(70, 80, 90);
        look.glasses = QColor(150, 130, 90);
        look.fullHair = false;
        look.moustache = true;
        look.age = 1.0;
        drawPerson(painter, look);
    }
    tintSepia(sitter);
    featherOval(sitter, QRectF(oval.topLeft() * scale, oval.size() * scale));

    QImage image = blankImage(int(504 * scale), int(559 * scale));
    QPainter painter(&image);
    smooth(painter);
    painter.scale(scale, scale);
    QLinearGradient mount(0, 0, 504, 559);
    mount.setColorAt(0, QColor(96, 66, 44));
    mount.setColorAt(1, QColor(62, 40, 26));
    painter.fillRect(grid, mount);
    painter.fillRect(grid, glow(centre, 330, QColor(150, 112, 78, 120)));
    painter.fillPath(ellipsePath(centre, oval.width() / 2, oval.height() / 2),
                     QColor(236, 222, 194));
    painter.drawImage(grid, sitter);

    // A gilt double rule around the oval.
    painter.strokePath(ellipsePath(centre, oval.width() / 2 + 6, oval.height() / 2 + 6),
                       QPen(QColor(200, 164, 96), 4));
    painter.strokePath(ellipsePath(centre, oval.width() / 2 + 12, oval.height() / 2 + 12),
                       QPen(QColor(170, 134, 76), 1.2));
    return image;
}

// ---------------------------------------------------------------------------
// Icons, drawn on a 32 x 32 grid and scaled to the requested size.

QImage icon(int size, const std::function<void(QPainter &)> &draw)
{
    QImage image = blankImage(size, size);
    QPainter painter(&image);
    smooth(painter);
    painter.scale(size / 32.0, size / 32.0);
    draw(painter);
    return image;
}

void paintAppIcon(QPainter &painter)
{
    QPainterPath tile;
    tile.addRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
    QLinearGradient night(0, 1, 0, 31);
    night.setColorAt(0, QColor(0x10, 0x10, 0x60));
    night.setColorAt(1, QColor(0x00, 0x00, 0x40));
    painter.fillPath(tile, night);
    painter.strokePath(tile, QPen(QColor(0x30, 0x30, 0x90), 0.8));

    const QPen axisPen(QColor(150, 160, 220), 2, Qt::SolidLine, Qt::FlatCap);
    painter.setPen(axisPen);
    painter.drawLine(QPointF(7, 5), QPointF(7, 26));
    painter.drawLine(QPointF(6, 25), QPointF(27, 25));

    // y = e^(k t) rising from the origin to the top right corner.
    constexpr qreal k = 3.2;
    QPainterPath growth;
    for (int i = 0; i <= 40; ++i) {
        const qreal t = i / 40.0;
        const QPointF p(9 + 17 * t, 22.5 - 17 * (std::exp(k * t) - 1) / (std::exp(k) - 1));
        if (i == 0)
            growth.moveTo(p);
        else
            growth.lineTo(p);
    }
    painter.strokePath(growth, roundPen(QColor(0xff, 0xff, 0x00), 2.6));
}

void paintQuizIcon(QPainter &painter)
{
    QLinearGradient blue(0, 1, 0, 31);
    blue.setColorAt(0, QColor(74, 140, 230));
    blue.setColorAt(1, QColor(28, 80, 170));
    painter.fillPath(ellipsePath({16, 16}, 15, 15), blue);
    painter.strokePath(ellipsePath({16, 16}, 14.5, 14.5), QPen(QColor(18, 52, 120), 1));

    QPainterPath hook;
    const QRectF bend(11, 6.5, 10, 10);
    hook.arcMoveTo(bend, 165);
    hook.arcTo(bend, 165, -255);
    hook.quadTo(16, 17.5, 16, 20);
    painter.strokePath(hook, roundPen(Qt::white, 3.8));
    painter.fillPath(ellipsePath({16, 25.2}, 2.3, 2.3), Qt::white);
}

// The cursor is pixel art: smoothing would blur its outline. '#' is the black
// outline, '.' the white fill; the tip of the index finger is at (12, 1).
QImage handCursor()
{
    static constexpr std::array<std::string_view, 28> rows = {
        "",
        "           ###",
        "          #...#",
        "          #...#",
        "          #...#",
        "          #...#",
        "          #...#",
        "          #...#",
        "          #...##",
        "          #...#.###",
        "          #...#...##",
        "          #...#...#.###",
        "          #...#...#...##",
        "   ###    #...#...#...#.#",
        "  #...#   #...#...#...#..#",
        "  #....#  #...#...#...#..#",
        "   #....# #...............#",
        "    #....##...............#",
        "     #....................#",
        "      #...................#",
        "       #..................#",
        "        #.................#",
        "         #...............#",
        "          #..............#",
        "          #..............#",
        "           #............#",
        "           #............#",
        "           ##############",
    };
    QImage image = blankImage(32, 32);
    for (int y = 0; y < int(rows.size()); ++y) {
        for (int x = 0; x < int(rows[y].size()); ++x) {
            if (rows[y][x] == '#')
                image.setPixel(x, y, qRgb(0, 0, 0));
            else if (rows[y][x] == '.')
                image.setPixel(x, y, qRgb(255, 255, 255));
        }
    }
    return image;
}

bool save(const QImage &image, const QDir &dir, const QString &name)
{
    const QString path = dir.filePath(name);
    if (image.save(path, "PNG")) return true;
    QTextStream(stderr) << "drawpictures: cannot write " << path << '\n';
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: drawpictures <output directory>\n";
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.exists()) {
        QTextStream(stderr) << "drawpictures: no such directory: " << out.path() << '\n';
        return 2;
    }

    bool ok = true;
    // Large enough for the program's zoom of 250 %; the dedication window never
    // fits a screen at more than about twice its size.
    ok &= save(authorPortrait(2.5), out, "author.png");
    ok &= save(dedicationPortrait(2), out, "dedication.png");
    ok &= save(icon(32, paintAppIcon), out, "malvora.png");
    ok &= save(icon(256, paintAppIcon), out, "malvora-256.png");
    ok &= save(icon(80, paintQuizIcon), out, "quiz.png");
    ok &= save(handCursor(), out, "hand.png");
    return ok ? 0 : 1;
}
