// Draws the program's artwork: the start-page collage in two sizes, the splash
// picture and the About picture. Run it after changing the drawing and commit
// the pictures it writes:  corvane-artwork <source folder>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <cstdio>
#include <numbers>

namespace {

constexpr double Pi = std::numbers::pi;

void tileFrame(QPainter &p, const QRectF &r, const QColor &fill)
{
    p.setPen(QPen(QColor(255, 255, 255, 170), 1.5));
    p.setBrush(fill);
    p.drawRoundedRect(r, 8, 8);
}

void fringes(QPainter &p, const QRectF &r)
{
    tileFrame(p, r, Qt::black);
    p.save();
    p.setClipRect(r.adjusted(3, 3, -3, -3));
    // Young's fringes: cos^2 intensity across the screen.
    for (int x = int(r.left()); x < int(r.right()); ++x) {
        const double phase = (x - r.center().x()) / r.width() * 7 * Pi;
        const double intensity = std::pow(std::cos(phase), 2);
        p.setPen(QColor(int(255 * intensity), int(40 * intensity), 0));
        p.drawLine(QPointF(x, r.top()), QPointF(x, r.bottom()));
    }
    p.restore();
}

void ripples(QPainter &p, const QRectF &r)
{
    tileFrame(p, r, QColor(20, 70, 120));
    p.save();
    p.setClipRect(r.adjusted(3, 3, -3, -3));
    const QPointF a(r.left() + r.width() * 0.2, r.center().y() - r.height() * 0.15);
    const QPointF b(r.left() + r.width() * 0.2, r.center().y() + r.height() * 0.15);
    p.setBrush(Qt::NoBrush);
    for (int k = 1; k < 14; ++k) {
        p.setPen(QPen(QColor(160, 220, 255, 200), 1.3));
        p.drawEllipse(a, k * 12.0, k * 12.0);
        p.setPen(QPen(QColor(200, 240, 255, 150), 1.3));
        p.drawEllipse(b, k * 12.0, k * 12.0);
    }
    p.restore();
}

void spectrum(QPainter &p, const QRectF &r)
{
    tileFrame(p, r, QColor(10, 10, 16));
    // The Balmer lines of hydrogen: 410, 434, 486 and 656 nm.
    const struct
    {
        double nm;
        QColor colour;
    } lines[] = {
        {410, QColor(130, 0, 200)}, {434, QColor(70, 0, 255)}, {486, QColor(0, 200, 255)}, {656, QColor(255, 0, 0)}};
    for (const auto &line : lines) {
        const double x = r.left() + 8 + (line.nm - 400) / 300.0 * (r.width() - 16);
        p.setPen(QPen(line.colour, 3));
        p.drawLine(QPointF(x, r.top() + 8), QPointF(x, r.bottom() - 8));
    }
}

void dampedCurve(QPainter &p, const QRectF &r)
{
    tileFrame(p, r, QColor(250, 250, 245));
    QPainterPath path;
    for (int i = 0; i <= 200; ++i) {
        const double t = i / 200.0;
        const double y = std::exp(-3 * t) * std::cos(8 * Pi * t);
        const QPointF pt(r.left() + 6 + t * (r.width() - 12), r.center().y() - y * (r.height() / 2 - 8));
        i == 0 ? path.moveTo(pt) : path.lineTo(pt);
    }
    p.setPen(QPen(QColor(200, 200, 200), 1));
    p.drawLine(QPointF(r.left() + 6, r.center().y()), QPointF(r.right() - 6, r.center().y()));
    p.setPen(QPen(QColor(0, 0, 200), 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void standingWave(QPainter &p, const QRectF &r)
{
    tileFrame(p, r, QColor(255, 255, 224));
    for (double phase : {0.0, 0.35, 0.7, 1.0}) {
        QPainterPath path;
        for (int i = 0; i <= 160; ++i) {
            const double t = i / 160.0;
            const double y = std::sin(3 * Pi * t) * std::cos(phase * Pi);
            const QPointF pt(r.left() + 6 + t * (r.width() - 12), r.center().y() - y * (r.height() / 2 - 8));
            i == 0 ? path.moveTo(pt) : path.lineTo(pt);
        }
        p.setPen(QPen(QColor(0, 128, 0, 90 + int(150 * (1 - phase))), 1.6));
        p.drawPath(path);
    }
}

void emWave(QPainter &p, const QRectF &r)
{
    tileFrame(p, r, QColor(235, 240, 255));
    QPainterPath e;
    QPainterPath b;
    for (int i = 0; i <= 160; ++i) {
        const double t = i / 160.0;
        const double s = std::sin(4 * Pi * t);
        const double x = r.left() + 8 + t * (r.width() - 16);
        const QPointF pe(x, r.center().y() - s * (r.height() / 2 - 10));
        const QPointF pb(x + s * 6, r.center().y() + s * 8);
        i == 0 ? e.moveTo(pe) : e.lineTo(pe);
        i == 0 ? b.moveTo(pb) : b.lineTo(pb);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 220), 2));
    p.drawPath(e);
    p.setPen(QPen(QColor(220, 0, 0), 2));
    p.drawPath(b);
}

QImage collage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0, QColor(12, 40, 90));
    sky.setColorAt(1, QColor(10, 110, 130));
    p.fillRect(image.rect(), sky);

    const double s = width / 420.0;
    QFont title(QStringLiteral("Arial"));
    title.setPixelSize(int(44 * s));
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 12 * s, width, 56 * s), Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("Corvane"));
    QFont sub(QStringLiteral("Arial"));
    sub.setPixelSize(int(17 * s));
    p.setFont(sub);
    p.setPen(QColor(210, 235, 255));
    p.drawText(QRectF(0, 66 * s, width, 24 * s), Qt::AlignHCenter, QStringLiteral("waves and oscillations"));

    const double margin = 16 * s;
    const double gap = 12 * s;
    const double top = 104 * s;
    const double tileW = (width - 2 * margin - gap) / 2;
    const double tileH = (height - top - margin - 2 * gap) / 3;
    const auto tile = [&](int col, int row) {
        return QRectF(margin + col * (tileW + gap), top + row * (tileH + gap), tileW, tileH);
    };
    fringes(p, tile(0, 0));
    ripples(p, tile(1, 0));
    dampedCurve(p, tile(0, 1));
    spectrum(p, tile(1, 1));
    standingWave(p, tile(0, 2));
    emWave(p, tile(1, 2));
    return image;
}

QImage splash()
{
    QImage image(400, 276, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient band(0, 0, 400, 0);
    band.setColorAt(0, QColor(12, 40, 90));
    band.setColorAt(1, QColor(10, 110, 130));
    p.fillRect(QRect(0, 0, 400, 150), band);
    // A travelling wave across the band.
    QPainterPath wave;
    for (int x = 0; x <= 400; x += 2) {
        const double y = 110 + 18 * std::sin(x / 400.0 * 6 * Pi) * std::exp(-x / 700.0);
        x == 0 ? wave.moveTo(x, y) : wave.lineTo(x, y);
    }
    p.setPen(QPen(QColor(255, 220, 80), 3));
    p.drawPath(wave);
    QFont title(QStringLiteral("Arial"));
    title.setPixelSize(46);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 18, 400, 60), Qt::AlignCenter, QStringLiteral("Corvane"));
    QFont sub(QStringLiteral("Arial"));
    sub.setPixelSize(16);
    p.setFont(sub);
    p.setPen(QColor(40, 40, 60));
    p.drawText(QRect(0, 165, 400, 24), Qt::AlignCenter, QStringLiteral("Waves and oscillations for physics students"));
    p.setPen(QColor(110, 110, 130));
    sub.setPixelSize(13);
    p.setFont(sub);
    p.drawText(QRect(0, 200, 400, 20), Qt::AlignCenter, QStringLiteral("version 1.1"));
    p.drawText(QRect(0, 236, 400, 20), Qt::AlignCenter, QStringLiteral("starting\u2026"));
    return image;
}

QImage icon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    QRadialGradient disc(QPointF(26, 22), 44);
    disc.setColorAt(0, QColor(40, 130, 190));
    disc.setColorAt(1, QColor(10, 40, 90));
    p.setPen(Qt::NoPen);
    p.setBrush(disc);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    QPainterPath wave;
    for (int i = 0; i <= 100; ++i) {
        const double t = i / 100.0;
        const QPointF pt(8 + t * 48, 32 - 16 * std::exp(-1.6 * t) * std::sin(3 * 2 * Pi * t));
        i == 0 ? wave.moveTo(pt) : wave.lineTo(pt);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 220, 80), 4.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(wave);
    return image;
}

// The signal generator's front panel, 60 x 44, in the 16 classic colours.
QImage signalGenerator()
{
    QImage image(60, 44, QImage::Format_RGB32);
    image.fill(QColor(192, 192, 192));
    QPainter p(&image);
    p.setPen(Qt::black);
    p.drawRect(0, 0, 59, 43);
    p.setPen(QColor(128, 128, 128));
    p.drawLine(1, 42, 58, 42);
    p.drawLine(58, 1, 58, 42);
    p.setPen(Qt::white);
    p.drawLine(1, 1, 57, 1);
    p.drawLine(1, 1, 1, 41);
    // The frequency display.
    p.fillRect(5, 5, 32, 12, Qt::black);
    p.setPen(QColor(0, 255, 0));
    for (int x = 8; x < 34; x += 7) {
        p.drawLine(x, 8, x + 4, 8);
        p.drawLine(x, 8, x, 13);
        p.drawLine(x + 4, 8, x + 4, 13);
        p.drawLine(x, 13, x + 4, 13);
    }
    // The frequency knob.
    p.setPen(Qt::black);
    p.setBrush(QColor(128, 128, 128));
    p.drawEllipse(41, 4, 14, 14);
    p.drawLine(48, 11, 52, 6);
    // The waveform switch and the output terminals.
    p.setBrush(QColor(0, 0, 128));
    p.drawRect(6, 24, 10, 5);
    p.setBrush(QColor(255, 0, 0));
    p.drawEllipse(36, 26, 8, 8);
    p.setBrush(Qt::black);
    p.drawEllipse(48, 26, 8, 8);
    p.setPen(QColor(0, 0, 128));
    p.drawLine(6, 36, 26, 36);
    return image;
}

// Diagrams for the teaching pages, 360 x 220 on white.
QImage diagramCanvas()
{
    QImage image(360, 220, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

void label(QPainter &p, QPointF at, const QString &text, int size = 13, bool bold = false)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(size);
    f.setBold(bold);
    p.setFont(f);
    p.drawText(at, text);
}

void arrowLine(QPainter &p, QPointF a, QPointF b)
{
    p.drawLine(a, b);
    const QPointF d = (b - a) / std::hypot(b.x() - a.x(), b.y() - a.y());
    const QPointF n(-d.y(), d.x());
    p.drawPolygon(QPolygonF{b, b - 8 * d + 4 * n, b - 8 * d - 4 * n});
}

QImage doubleSlitGeometry()
{
    QImage image = diagramCanvas();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(60, 20, 60, 95);
    p.drawLine(60, 105, 60, 115);
    p.drawLine(60, 125, 60, 200);
    p.setPen(QPen(Qt::black, 3));
    p.drawLine(320, 20, 320, 200);
    p.setPen(QPen(QColor(200, 0, 0), 1.5));
    p.drawLine(60, 100, 320, 60);
    p.drawLine(60, 120, 320, 60);
    p.setPen(QPen(QColor(0, 0, 180), 1, Qt::DashLine));
    p.drawLine(60, 110, 320, 110);
    p.setPen(Qt::black);
    p.setBrush(Qt::black);
    arrowLine(p, QPointF(190, 190), QPointF(318, 190));
    arrowLine(p, QPointF(190, 190), QPointF(62, 190));
    label(p, QPointF(180, 208), QStringLiteral("D"), 14, true);
    label(p, QPointF(30, 115), QStringLiteral("d"), 14, true);
    label(p, QPointF(326, 62), QStringLiteral("bright"), 12);
    label(p, QPointF(326, 114), QStringLiteral("centre"), 12);
    label(p, QPointF(110, 40), QStringLiteral("path difference d sin \u03b8"), 13);
    return image;
}

QImage gratingOrders()
{
    QImage image = diagramCanvas();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF g(60, 110);
    p.setPen(QPen(Qt::black, 3));
    p.drawLine(60, 40, 60, 180);
    p.setPen(QPen(QColor(120, 0, 200), 2));
    p.drawLine(QPointF(10, 110), g);
    for (int m = -2; m <= 2; ++m) {
        const double theta = std::asin(0.35 * m);
        p.drawLine(g, g + QPointF(260 * std::cos(theta), 260 * std::sin(theta)));
    }
    p.setPen(Qt::black);
    for (int m = -2; m <= 2; ++m) {
        const double theta = std::asin(0.35 * m);
        label(p, g + QPointF(268 * std::cos(theta), 268 * std::sin(theta) + 5),
              m == 0 ? QStringLiteral("0")
                     : QStringLiteral("%1%2").arg(m > 0 ? QStringLiteral("+") : QString()).arg(m));
    }
    label(p, QPointF(70, 30), QStringLiteral("d sin \u03b8 = n\u03bb"), 15, true);
    return image;
}

QImage standingNodes()
{
    QImage image = diagramCanvas();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(160, 160, 160), 1));
    p.drawLine(20, 110, 340, 110);
    for (double phase : {1.0, 0.5, -0.5, -1.0}) {
        QPainterPath path;
        for (int i = 0; i <= 320; ++i) {
            const QPointF pt(20 + i, 110 - 70 * phase * std::sin(3 * Pi * i / 320.0));
            i == 0 ? path.moveTo(pt) : path.lineTo(pt);
        }
        p.setPen(QPen(QColor(0, 128, 0, phase > 0 ? 230 : 110), 1.8));
        p.drawPath(path);
    }
    p.setPen(Qt::black);
    for (int k = 0; k <= 3; ++k) {
        const double x = 20 + 320.0 * k / 3;
        p.setBrush(Qt::black);
        p.drawEllipse(QPointF(x, 110), 3.5, 3.5);
        label(p, QPointF(x - 4, 135), QStringLiteral("N"), 13, true);
    }
    for (int k = 0; k < 3; ++k) {
        label(p, QPointF(20 + 320.0 * (k + 0.5) / 3 - 4, 208), QStringLiteral("A"), 13, true);
    }
    label(p, QPointF(110, 22), QStringLiteral("nodes N, antinodes A"), 13);
    return image;
}

QImage hydrogenLevels()
{
    QImage image = diagramCanvas();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const auto y = [](int n) { return 20 + 180.0 * (1 - 1.0 / (n * n)); };
    p.setPen(Qt::black);
    for (int n = 1; n <= 5; ++n) {
        p.drawLine(QPointF(60, 220 - y(n)), QPointF(300, 220 - y(n)));
        label(p, QPointF(306, 224 - y(n)), QStringLiteral("n = %1").arg(n), 11);
    }
    p.setPen(QPen(Qt::black, 1, Qt::DotLine));
    p.drawLine(QPointF(60, 20), QPointF(300, 20));
    const struct
    {
        int from;
        int to;
        QColor colour;
    } jumps[] = {{2, 1, QColor(120, 0, 200)},
                 {3, 1, QColor(120, 0, 200)},
                 {3, 2, QColor(230, 0, 0)},
                 {4, 2, QColor(0, 160, 230)}};
    int x = 90;
    for (const auto &j : jumps) {
        p.setPen(QPen(j.colour, 2));
        p.setBrush(j.colour);
        arrowLine(p, QPointF(x, 220 - y(j.from)), QPointF(x, 220 - y(j.to)));
        x += 45;
    }
    p.setPen(Qt::black);
    label(p, QPointF(10, 16), QStringLiteral("E\u2099 = -13.6 eV / n\u00b2"), 12);
    return image;
}

QImage malusLaw()
{
    QImage image = diagramCanvas();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::black);
    p.drawLine(40, 190, 340, 190);
    p.drawLine(40, 190, 40, 20);
    QPainterPath amplitude;
    QPainterPath intensity;
    for (int i = 0; i <= 300; ++i) {
        const double theta = Pi * i / 300;
        const QPointF a(40 + i, 190 - 150 * std::abs(std::cos(theta)));
        const QPointF b(40 + i, 190 - 150 * std::cos(theta) * std::cos(theta));
        i == 0 ? amplitude.moveTo(a) : amplitude.lineTo(a);
        i == 0 ? intensity.moveTo(b) : intensity.lineTo(b);
    }
    p.setPen(QPen(QColor(0, 0, 200), 2));
    p.drawPath(amplitude);
    p.setPen(QPen(QColor(200, 0, 0), 2));
    p.drawPath(intensity);
    p.setPen(Qt::black);
    label(p, QPointF(36, 208), QStringLiteral("0"), 11);
    label(p, QPointF(180, 208), QStringLiteral("90\u00b0"), 11);
    label(p, QPointF(326, 208), QStringLiteral("180\u00b0"), 11);
    label(p, QPointF(210, 60), QStringLiteral("amplitude |cos \u03b8|"), 12);
    label(p, QPointF(210, 80), QStringLiteral("intensity cos\u00b2 \u03b8"), 12);
    return image;
}

QImage dampingRegimes()
{
    QImage image = diagramCanvas();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(160, 160, 160));
    p.drawLine(20, 110, 340, 110);
    const struct
    {
        double g;
        QColor colour;
        const char *name;
    } cases[] = {
        {0.4, QColor(200, 0, 0), "light"}, {2.0, QColor(0, 128, 0), "critical"}, {6.0, QColor(0, 0, 200), "heavy"}};
    int row = 0;
    for (const auto &c : cases) {
        QPainterPath path;
        for (int i = 0; i <= 320; ++i) {
            const double t = i / 64.0;
            const double w0 = 2.0;
            double x;
            if (c.g < w0) {
                const double w = std::sqrt(w0 * w0 - c.g * c.g);
                const double phi = std::atan(w / c.g);
                x = std::exp(-c.g * t) * std::sin(w * t + phi) / std::sin(phi);
            } else if (c.g == w0) {
                x = (1 + c.g * t) * std::exp(-c.g * t);
            } else {
                const double r = std::sqrt(c.g * c.g - w0 * w0);
                const double r1 = c.g + r;
                const double r2 = c.g - r;
                x = (std::exp(-r1 * t) - (r1 / r2) * std::exp(-r2 * t)) / (1 - r1 / r2);
            }
            const QPointF pt(20 + i, 110 - 85 * x);
            i == 0 ? path.moveTo(pt) : path.lineTo(pt);
        }
        p.setPen(QPen(c.colour, 2));
        p.drawPath(path);
        label(p, QPointF(250, 160 + 16 * row++), QString::fromLatin1(c.name), 12);
    }
    return image;
}

bool save(const QImage &image, const QString &path, const char *format, int quality = -1)
{
    if (!image.save(path, format, quality)) {
        std::fprintf(stderr, "corvane-artwork: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("wrote %s\n", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: corvane-artwork <source folder>\n");
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]) + QLatin1Char('/');
    bool ok = save(collage(420, 480), root + QStringLiteral("data/HTML/images/WaveSplash.jpg"), "JPEG", 90);
    ok = save(collage(310, 354), root + QStringLiteral("data/HTML/images/S_WaveSplash.jpg"), "JPEG", 90) && ok;
    ok = save(splash(), root + QStringLiteral("resources/images/splash.jpg"), "JPEG", 92) && ok;
    ok = save(icon(64), root + QStringLiteral("resources/images/about.png"), "PNG") && ok;
    ok = save(signalGenerator(), root + QStringLiteral("resources/pictures/SIGGEN.png"), "PNG") && ok;
    const struct
    {
        const char *file;
        QImage (*draw)();
    } diagrams[] = {
        {"doubleslit.png", doubleSlitGeometry}, {"grating.png", gratingOrders}, {"nodes.png", standingNodes},
        {"levels.png", hydrogenLevels},         {"malus.png", malusLaw},        {"damping.png", dampingRegimes}};
    for (const auto &d : diagrams) {
        ok = save(d.draw(), root + QStringLiteral("data/HTML/images/") + QString::fromLatin1(d.file), "PNG") && ok;
    }
    for (int size : {16, 32, 48, 64, 128, 256}) {
        ok = save(icon(size), root + QStringLiteral("resources/icons/corvane-%1.png").arg(size), "PNG") && ok;
    }
    return ok ? 0 : 1;
}
