// Draws the program's artwork: the start-page collage in two sizes, the splash
// picture and the About picture. Run it after changing the drawing and commit
// the pictures it writes:  corvane-artwork <source folder>
#include "Diagram.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
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

// The texts a diagram draws, in English.
QSet<QString> textsOf(const Diagram &diagram)
{
    QSet<QString> seen;
    Art::setDiagram(diagram.name);
    Art::setDictionary(nullptr, &seen);
    QImage image(diagram.size, QImage::Format_RGB32);
    {
        QPainter p(&image);
        diagram.draw(p);
    }
    Art::setDictionary(nullptr);
    return seen;
}

// A language's words for the diagrams: translations/diagrams_LANG.tsv, one
// "English<tab>translation" per line; lines starting with # are comments.
QHash<QString, QString> readDictionary(const QString &path)
{
    QHash<QString, QString> dictionary;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        for (const QString &line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
            const QStringList parts = line.split(QLatin1Char('\t'));
            if (parts.size() == 2 && !line.startsWith(QLatin1Char('#'))) {
                dictionary.insert(parts[0], parts[1]);
            }
        }
    }
    return dictionary;
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
    if (argc < 2) {
        std::fprintf(stderr, "usage: corvane-artwork <source folder> [diagram name...]\n");
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]) + QLatin1Char('/');
    // With names, only those diagrams are drawn.
    QStringList only;
    for (int i = 2; i < argc; ++i) {
        only << QString::fromLocal8Bit(argv[i]);
    }
    // --labels lists the texts of every diagram, for the translators.
    if (only == QStringList{QStringLiteral("--labels")}) {
        QSet<QString> all;
        for (const Diagram &d : allDiagrams()) {
            all.unite(textsOf(d));
        }
        QStringList sorted(all.cbegin(), all.cend());
        sorted.sort();
        for (const QString &text : sorted) {
            std::printf("%s\n", qPrintable(text));
        }
        return 0;
    }
    bool ok = true;
    for (const Diagram &d : allDiagrams()) {
        if (!only.isEmpty() && !only.contains(QString::fromLatin1(d.name))) {
            continue;
        }
        ok = writeDiagram(d, root + QStringLiteral("data/HTML/images")) && ok;
        // A version in each language whose words differ from the English,
        // in the language's folder of pages.
        for (const QString &language : {QStringLiteral("de"), QStringLiteral("es")}) {
            const QHash<QString, QString> dictionary = readDictionary(
                root + QStringLiteral("translations/diagrams_%1.tsv").arg(language));
            const QSet<QString> texts = textsOf(d);
            Art::setDictionary(&dictionary);
            const bool translated = std::any_of(texts.cbegin(), texts.cend(),
                                                [](const QString &t) { return Art::words(t) != t; });
            Art::setDictionary(nullptr);
            if (!translated) {
                continue;
            }
            const QString folder = root + QStringLiteral("data/HTML/%1/images").arg(language);
            QDir().mkpath(folder);
            Art::setDictionary(&dictionary);
            ok = writeDiagram(d, folder) && ok;
            Art::setDictionary(nullptr);
        }
    }
    if (!only.isEmpty()) {
        return ok ? 0 : 1;
    }
    ok = save(collage(420, 480), root + QStringLiteral("data/HTML/images/WaveSplash.jpg"), "JPEG", 90) && ok;
    ok = save(collage(310, 354), root + QStringLiteral("data/HTML/images/S_WaveSplash.jpg"), "JPEG", 90) && ok;
    ok = save(splash(), root + QStringLiteral("resources/images/splash.jpg"), "JPEG", 92) && ok;
    ok = save(icon(64), root + QStringLiteral("resources/images/about.png"), "PNG") && ok;
    ok = save(signalGenerator(), root + QStringLiteral("resources/pictures/SIGGEN.png"), "PNG") && ok;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        ok = save(icon(size), root + QStringLiteral("resources/icons/corvane-%1.png").arg(size), "PNG") && ok;
    }
    return ok ? 0 : 1;
}
