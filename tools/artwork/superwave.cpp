// Diagrams of the superwave page: two equal waves a quarter cycle apart and
// their sum, and the square wave built from its odd harmonics.
#include "Diagram.h"

#include <QPainterPath>

#include <cmath>
#include <functional>

namespace {

using namespace Art;

const QColor Blue(0, 0, 220);
const QColor Green(0, 140, 0);
const QColor Red(220, 0, 0);
const QColor Grey(170, 170, 170);

// A plot of y against angle x from 0 to 360 degrees.
struct Plot
{
    double left;
    double top;
    double width;
    double height;
    double yMax; // the plot runs from -yMax to +yMax

    QPointF at(double xDegrees, double y) const
    {
        return {left + width * xDegrees / 360, top + height / 2 - height / 2 * y / yMax};
    }
};

QString minusSign(QString text)
{
    return text.replace(QLatin1Char('-'), QChar(0x2212));
}

void drawAxes(QPainter &p, const Plot &plot, const QList<int> &yTicks, const QString &yTitle)
{
    p.setPen(QPen(Grey, 1, Qt::DotLine));
    for (int x = 90; x <= 360; x += 90) {
        p.drawLine(plot.at(x, -plot.yMax), plot.at(x, plot.yMax));
    }
    for (int y : yTicks) {
        if (y != 0) {
            p.drawLine(plot.at(0, y), plot.at(360, y));
        }
    }
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(plot.at(0, -plot.yMax), plot.at(0, plot.yMax));
    p.drawLine(plot.at(0, 0), plot.at(360, 0));
    for (int y : yTicks) {
        const QPointF t = plot.at(0, y);
        p.drawLine(t - QPointF(4, 0), t);
        const QString text = minusSign(QString::number(y));
        label(p, t + QPointF(-8 - 7 * text.size(), 4.5), text, 12);
    }
    const double bottom = plot.top + plot.height;
    for (int x = 0; x <= 360; x += 90) {
        const QPointF t(plot.at(x, 0).x(), bottom);
        p.drawLine(t, t + QPointF(0, 4));
        centredLabel(p, t + QPointF(0, 17), QString::number(x), 12);
    }
    centredLabel(p, QPointF(plot.left + plot.width / 2, bottom + 33), QStringLiteral("angle x / degrees"), 12);
    upwardLabel(p, QPointF(11, plot.top + plot.height / 2), yTitle, 12);
}

void drawCurve(QPainter &p, const Plot &plot, const std::function<double(double)> &y, const QPen &pen)
{
    QPainterPath path;
    for (int i = 0; i <= 720; ++i) {
        const double x = i / 2.0;
        const QPointF pt = plot.at(x, y(x));
        i == 0 ? path.moveTo(pt) : path.lineTo(pt);
    }
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void keyLine(QPainter &p, QPointF at, const QPen &pen, const QString &text)
{
    p.setPen(pen);
    p.drawLine(at, at + QPointF(20, 0));
    p.setPen(Qt::black);
    label(p, at + QPointF(25, 4.5), text, 12);
}

double sinDegrees(double x)
{
    return std::sin(x * Pi / 180);
}

// 5.0 sin x and 5.0 sin(x - 90 degrees) (the wave the page draws for a phase
// setting of 90) add to 7.07 sin(x - 45 degrees), largest at x = 135 degrees.
void phaseSum(QPainter &p)
{
    const Plot plot{42, 10, 222, 136, 8.5};
    drawAxes(p, plot, {-5, 0, 5}, QStringLiteral("displacement y"));

    const auto wave1 = [](double x) { return 5 * sinDegrees(x); };
    const auto wave2 = [](double x) { return 5 * sinDegrees(x - 90); };
    const auto sum = [&](double x) { return wave1(x) + wave2(x); };
    drawCurve(p, plot, wave1, QPen(Blue, 1.6));
    drawCurve(p, plot, wave2, QPen(Green, 1.6, Qt::DashLine));
    drawCurve(p, plot, sum, QPen(Red, 2.2));

    // Adding at x = 135: 3.54 + 3.54 = 7.07.
    p.setPen(QPen(Qt::black, 1, Qt::DashLine));
    p.drawLine(plot.at(135, 0), plot.at(135, sum(135)));
    p.setPen(Qt::black);
    p.setBrush(Red);
    p.drawEllipse(plot.at(135, sum(135)), 3.5, 3.5);
    p.setBrush(Qt::NoBrush);
    label(p, plot.at(135, sum(135)) + QPointF(6, -2), QStringLiteral("7.07 at 135\u00b0"), 12);

    keyLine(p, {12, 194}, QPen(Blue, 1.6), QStringLiteral("5.0 sin x"));
    keyLine(p, {120, 194}, QPen(Green, 1.6, Qt::DashLine), minusSign(QStringLiteral("5.0 sin(x - 90\u00b0)")));
    keyLine(p, {12, 211}, QPen(Red, 2.2), minusSign(QStringLiteral("sum = 7.07 sin(x - 45\u00b0)")));
}

// The page's square-wave series: the sum of 10/n sin(n x) for odd n, with 1,
// 3 and 10 terms, against the square wave of height 10 pi / 4 = 7.85 they
// approach.
void squareSeries(QPainter &p)
{
    const Plot plot{42, 10, 222, 140, 11};
    drawAxes(p, plot, {-10, -5, 0, 5, 10}, QStringLiteral("displacement y"));

    const auto partial = [](int terms) {
        return [terms](double x) {
            double y = 0;
            for (int k = 0; k < terms; ++k) {
                const int n = 2 * k + 1;
                y += 10.0 / n * sinDegrees(n * x);
            }
            return y;
        };
    };
    const double h = 10 * Pi / 4;
    QPainterPath square;
    square.moveTo(plot.at(0, 0));
    square.lineTo(plot.at(0, h));
    square.lineTo(plot.at(180, h));
    square.lineTo(plot.at(180, -h));
    square.lineTo(plot.at(360, -h));
    square.lineTo(plot.at(360, 0));
    p.setPen(QPen(Qt::black, 1.2, Qt::DashLine));
    p.drawPath(square);

    drawCurve(p, plot, partial(1), QPen(Blue, 1.4));
    drawCurve(p, plot, partial(3), QPen(Green, 1.4));
    drawCurve(p, plot, partial(10), QPen(Red, 1.8));

    keyLine(p, {12, 198}, QPen(Blue, 1.4), QStringLiteral("1 term"));
    keyLine(p, {100, 198}, QPen(Green, 1.4), QStringLiteral("3 terms"));
    keyLine(p, {190, 198}, QPen(Red, 1.8), QStringLiteral("10 terms"));
    keyLine(p, {12, 215}, QPen(Qt::black, 1.2, Qt::DashLine), QStringLiteral("square wave, height 7.85"));
}

const bool registeredPhase = addDiagram({"superwave-phase", {280, 220}, phaseSum});
const bool registeredSquare = addDiagram({"superwave-square", {280, 224}, squareSeries});

} // namespace
