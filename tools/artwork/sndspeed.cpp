// Diagrams of the speed of sound page.
#include "Diagram.h"

#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

using namespace Art;

const QColor Grey(150, 150, 150);
const QColor Channel1(0, 0, 230);
const QColor Channel2(220, 0, 0);
const QColor Case(0, 128, 128);

// A sine trace across a screen rectangle: `cycles` whole periods, peak
// `amplitude` pixels, lagging by `lag` radians.
void trace(QPainter &p, const QRectF &screen, double cycles, double amplitude, double lag)
{
    QPainterPath path;
    const int n = int(screen.width());
    for (int i = 0; i <= n; ++i) {
        const double angle = 2 * Pi * cycles * i / n - lag;
        const QPointF pt(screen.left() + i, screen.center().y() - amplitude * std::sin(angle));
        i == 0 ? path.moveTo(pt) : path.lineTo(pt);
    }
    p.drawPath(path);
}

void screenWithGrid(QPainter &p, const QRectF &screen)
{
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRect(screen);
    p.setBrush(Qt::NoBrush);
    p.setPen(QColor(200, 200, 200));
    p.drawLine(QPointF(screen.left(), screen.center().y()), QPointF(screen.right(), screen.center().y()));
}

// The apparatus: the generator drives the loudspeaker and channel 1; the
// microphone, a distance D away, feeds channel 2.
void setup(QPainter &p)
{
    // The oscilloscope.
    p.setPen(Qt::black);
    p.setBrush(Case);
    p.drawRoundedRect(QRectF(142, 6, 128, 80), 6, 6);
    const QRectF screen(150, 14, 112, 64);
    screenWithGrid(p, screen);
    p.setPen(QPen(Channel1, 1.6));
    trace(p, screen, 2, 24, 0);
    p.setPen(QPen(Channel2, 1.6));
    trace(p, screen, 2, 14, 1.8);
    p.setPen(Qt::black);
    label(p, QPointF(100, 24), QStringLiteral("CRO"), 12, true);

    // The key to the two traces.
    p.setPen(QPen(Channel1, 2));
    p.drawLine(QPointF(4, 50), QPointF(18, 50));
    p.setPen(QPen(Channel2, 2));
    p.drawLine(QPointF(4, 68), QPointF(18, 68));
    p.setPen(Qt::black);
    label(p, QPointF(22, 54), QStringLiteral("ch 1: generator"), 12);
    label(p, QPointF(22, 72), QStringLiteral("ch 2: microphone"), 12);

    // The signal generator.
    p.setBrush(QColor(225, 225, 225));
    p.drawRect(QRectF(4, 100, 64, 38));
    p.setBrush(Qt::NoBrush);
    label(p, QPointF(15, 116), QStringLiteral("signal"), 12);
    label(p, QPointF(9, 131), QStringLiteral("generator"), 12);

    // Loudspeaker and microphone on the ruler.
    const double axis = 124;
    p.setBrush(QColor(192, 192, 192));
    p.drawRect(QRectF(92, axis - 5, 6, 10));
    p.drawPolygon(
        QPolygonF{QPointF(98, axis - 5), QPointF(106, axis - 14), QPointF(106, axis + 14), QPointF(98, axis + 5)});
    const double mic = 214;
    p.drawEllipse(QRectF(mic, axis - 7, 12, 14));
    p.drawRect(QRectF(mic + 11, axis - 2, 6, 4));
    p.setBrush(Qt::NoBrush);
    // Wave fronts between them.
    p.setPen(QPen(Grey, 1));
    for (double r : {24.0, 48.0, 72.0, 96.0}) {
        p.drawArc(QRectF(106 - r, axis - r, 2 * r, 2 * r), -14 * 16, 28 * 16);
    }
    label(p, QPointF(140, 97), QStringLiteral("sound"), 12);

    // Leads: generator to loudspeaker and to channel 1, microphone to channel 2.
    p.setPen(QPen(Qt::black, 1.2));
    p.drawPolyline(QPolygonF{QPointF(68, 124), QPointF(92, 124)});
    p.setPen(QPen(Channel1, 1.2));
    p.drawPolyline(QPolygonF{QPointF(36, 100), QPointF(36, 90), QPointF(128, 90), QPointF(128, 40), QPointF(142, 40)});
    p.setPen(QPen(Channel2, 1.2));
    p.drawPolyline(
        QPolygonF{QPointF(mic + 17, axis), QPointF(274, axis), QPointF(274, 96), QPointF(256, 96), QPointF(256, 86)});

    // The ruler and the distance D.
    p.setPen(Qt::black);
    p.setBrush(QColor(255, 255, 128));
    p.drawRect(QRectF(100, 144, 170, 10));
    p.setBrush(Qt::NoBrush);
    for (int k = 0; k <= 17; ++k) {
        const double x = 106 + 9.5 * k;
        if (x < 270) {
            p.drawLine(QPointF(x, 144), QPointF(x, k % 5 == 0 ? 154 : 149));
        }
    }
    p.setPen(QPen(QColor(60, 60, 60), 1, Qt::DotLine));
    p.drawLine(QPointF(106, 138), QPointF(106, 168));
    p.drawLine(QPointF(mic, 132), QPointF(mic, 168));
    p.setPen(Qt::black);
    doubleArrow(p, QPointF(106, 166), QPointF(mic, 166));
    p.fillRect(QRectF(150, 158, 16, 16), Qt::white);
    centredLabel(p, QPointF(158, 171), QStringLiteral("D"), 13, true);
}

// The phase lag of channel 2 grows in proportion to the microphone's
// distance: 360 degrees for every wavelength (v = 330 m/s).
void phaseLine(QPainter &p)
{
    const double x0 = 44;
    const double y0 = 184;
    const double pixelsPerCm = 1.1;
    const double pixelsPerDegree = 150.0 / 1440;
    const auto at = [&](double cm, double degrees) {
        return QPointF(x0 + cm * pixelsPerCm, y0 - degrees * pixelsPerDegree);
    };

    p.setPen(QPen(Grey, 1, Qt::DotLine));
    for (int level = 360; level <= 1440; level += 360) {
        p.drawLine(at(0, level), at(200, level));
    }
    p.setPen(Qt::black);
    p.drawLine(at(0, 0), at(204, 0));
    p.drawLine(at(0, 0), at(0, 1500));
    for (int level = 0; level <= 1440; level += 360) {
        p.drawLine(at(0, level) - QPointF(4, 0), at(0, level));
        const QString text = QString::number(level);
        label(p, at(0, level) - QPointF(8 + 7 * text.size(), -4), text, 12);
    }
    for (int cm = 0; cm <= 200; cm += 50) {
        p.drawLine(at(cm, 0), at(cm, 0) + QPointF(0, 4));
        centredLabel(p, at(cm, 0) + QPointF(0, 17), QString::number(cm), 12);
    }
    label(p, QPointF(4, 14), QStringLiteral("phase lag \u03c6 / degrees"), 12);
    centredLabel(p, QPointF(x0 + 110, 216), QStringLiteral("microphone position D / cm"), 12);

    const struct
    {
        double lambda;
        QColor colour;
        const char *name;
    } lines[] = {{110, Channel2, "300 Hz, \u03bb = 110 cm"}, {55, Channel1, "600 Hz, \u03bb = 55 cm"}};
    double keyY = 38;
    for (const auto &line : lines) {
        const double end = std::min(200.0, 1440 * line.lambda / 360);
        p.setPen(QPen(line.colour, 2));
        p.drawLine(at(0, 0), at(end, 360 * end / line.lambda));
        // The places in step with the generator.
        p.setBrush(line.colour);
        for (double d = line.lambda; d <= 200; d += line.lambda) {
            p.drawEllipse(at(d, 360 * d / line.lambda), 3.5, 3.5);
        }
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(56, keyY - 4), QPointF(70, keyY - 4));
        p.setPen(Qt::black);
        label(p, QPointF(74, keyY), QString::fromUtf8(line.name), 12);
        keyY += 18;
    }
    label(p, QPointF(74, keyY), QStringLiteral("dots: in phase"), 12);
}

// The two traces at three microphone positions, 300 Hz (wavelength 110 cm):
// in step, in antiphase, in step again. The screen shows 10 divisions of
// 0.556 ms, that is 1.67 cycles at 300 Hz.
void threeScreens(QPainter &p)
{
    const std::array<double, 3> distances{0, 55, 110};
    const std::array<const char *, 3> words{"in phase", "antiphase", "in phase"};
    for (std::size_t n = 0; n < 3; ++n) {
        const double left = 4 + 93.0 * double(n);
        const QRectF screen(left, 6, 86, 60);
        screenWithGrid(p, screen);
        const double d = distances[n] * 1.5; // pixels of the model's ruler
        const double lag = 2 * Pi * distances[n] / 110;
        const double amplitude2 = 50.0 * (310 - d) / 315 * 26 / 50;
        p.save();
        p.setClipRect(screen);
        p.setPen(QPen(Channel1, 1.6));
        trace(p, screen, 300 / 180.0, 26, 0);
        p.setPen(QPen(Channel2, 1.6));
        trace(p, screen, 300 / 180.0, amplitude2, lag);
        p.restore();
        p.setPen(Qt::black);
        p.setBrush(Qt::NoBrush);
        p.drawRect(screen);
        centredLabel(p, QPointF(screen.center().x(), 84),
                     distances[n] == 0 ? QStringLiteral("D = 0") : QStringLiteral("D = %1 cm").arg(distances[n]), 12);
        centredLabel(p, QPointF(screen.center().x(), 100), QString::fromLatin1(words[n]), 12, true);
    }
    // The key.
    p.setPen(QPen(Channel1, 2));
    p.drawLine(QPointF(20, 118), QPointF(34, 118));
    p.setPen(QPen(Channel2, 2));
    p.drawLine(QPointF(140, 118), QPointF(154, 118));
    p.setPen(Qt::black);
    label(p, QPointF(38, 122), QStringLiteral("generator"), 12);
    label(p, QPointF(158, 122), QStringLiteral("microphone"), 12);
}

const bool registeredSetup = addDiagram({"sndspeed-setup", {280, 180}, setup});
const bool registeredPhase = addDiagram({"sndspeed-phase", {280, 224}, phaseLine});
const bool registeredScreens = addDiagram({"sndspeed-screens", {280, 130}, threeScreens});

} // namespace
