#include "waves/SuperWave.h"

#include "gdi/GdiMath.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace SuperWave {

namespace {
using Gdi::Pi;
}

QString SineFormula(const TSineInfo &wave)
{
    if (wave.Amplitude == 0) {
        return QStringLiteral("y = 0");
    }
    QString text = wave.Amplitude == 1.0 ? QStringLiteral("y = sin(")
                                         : QStringLiteral("y = %1sin(").arg(Gdi::formatPointF(wave.Amplitude, 1));
    if (wave.Frequency != 1.0) {
        text += Gdi::formatPointF(wave.Frequency);
    }
    // The curve is y = A sin(Fx - phase): a positive phase lags, and the
    // formula carries the sign the curve has.
    if (wave.Phase > 0) {
        text += QStringLiteral("x - %1)").arg(wave.Phase);
    } else if (wave.Phase < 0) {
        text += QStringLiteral("x + %1)").arg(-wave.Phase);
    } else {
        text += QStringLiteral("x)");
    }
    return text;
}

std::array<QPoint, 181> SineCurvePoints(int left, int midline, double phase, double frequency, double amplitude)
{
    std::array<QPoint, 181> points;
    for (int i = 0; i <= 180; ++i) {
        points[std::size_t(i)] = QPoint(
            left + i, midline - Gdi::roundHalfEven(amplitude * std::sin(i * frequency * Pi / 90 - phase)));
    }
    return points;
}

void DrawSingleWave(Gdi::Canvas &target, double phaseRadians, double frequency, double amplitudePixels)
{
    Gdi::Bitmap bitmap(210, 160);
    Gdi::Canvas &c = bitmap.canvas();
    // The grid: 45 pixels per 90 degrees across, 14 pixels per 2 units up.
    c.font.height = 12;
    c.brush.color = QColor(255, 255, 224);
    c.fillRect(15, 7, 195, 147);
    c.pen.color = QColor(192, 192, 192);
    c.brush.style = Gdi::BrushStyle::Clear;
    for (int j = 0; j <= 4; ++j) {
        const int x = 15 + 45 * j;
        c.moveTo(x, 7);
        c.lineTo(x, 147);
        const QString label = QString::number(90 * j);
        c.textOut(x - c.textWidth(label) / 2, 147, label);
    }
    for (int m = 0; m <= 10; ++m) {
        const int y = 7 + 14 * m;
        c.moveTo(15, y);
        c.lineTo(195, y);
        const QString label = QString::number(10 - 2 * m);
        c.textOut(14 - c.textWidth(label), y - c.textHeight(label) / 2, label);
    }
    c.pen.color = Qt::black;
    c.moveTo(15, 77);
    c.lineTo(195, 77);
    c.rectangle(15, 7, 196, 148);

    c.pen.color = QColor(0, 0, 255);
    const auto curve = SineCurvePoints(15, 77, phaseRadians, frequency, amplitudePixels);
    c.polyline(curve);
    c.drawEdgeSunken({0, 0, 210, 160});
    target.draw(0, 0, bitmap.image());
}

void SumSeries::reset(int lastIndex)
{
    m_lastIndex = lastIndex;
    m_values.assign(std::size_t(lastIndex) + 1, 0.0);
}

void SumSeries::zero()
{
    std::fill(m_values.begin(), m_values.end(), 0.0);
}

double SumSeries::maximum() const
{
    return m_values.empty() ? 0.0 : *std::max_element(m_values.begin(), m_values.end());
}

void SumSeries::apply(const TSineInfo &wave, int sign)
{
    // A sin(F x - phi) at x = 2i degrees, updated in place.
    for (std::size_t i = 0; i < m_values.size(); ++i) {
        m_values[i] += sign * wave.Amplitude * std::sin(double(i) * wave.Frequency * Pi / 90 - wave.Phase * Pi / 180);
    }
}

std::vector<TSineInfo> squareSeries()
{
    std::vector<TSineInfo> terms;
    for (int n = 1; n <= 19; n += 2) {
        terms.push_back({10.0 / n, 0, double(n)});
    }
    return terms;
}

std::vector<TSineInfo> triangleSeries()
{
    std::vector<TSineInfo> terms;
    int sign = 1;
    for (int n = 1; n <= 9; n += 2) {
        terms.push_back({sign * 10.0 / (n * n), 0, double(n)});
        sign = -sign;
    }
    return terms;
}

} // namespace SuperWave
