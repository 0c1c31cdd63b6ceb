#include "optics/NSlitDif.h"

#include "gdi/GdiMath.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace NSlitDif {

namespace {
using Gdi::Pi;
}

double orderAngle(int m, int d)
{
    const double r = double(m) / d;
    if (!(r < 1)) {
        return 90;
    }
    const double angle = std::atan(r / std::sqrt(1 - r * r)) * 180 / Pi;
    return std::isfinite(angle) ? angle : 90;
}

double intensity(int a, int d, int n, double theta)
{
    const double s = std::sin(Pi * std::fabs(theta) / 180);
    const double alpha = Pi * a * s;
    const double beta = Pi * d * s;
    double numerator;
    double denominator;
    if (n == 1) {
        numerator = std::sin(alpha);
        denominator = alpha;
    } else {
        numerator = std::sin(alpha) * std::sin(n * beta);
        denominator = n * alpha * std::sin(beta);
    }
    if (denominator == 0) {
        return a * n * n;
    }
    const double ratio = n * numerator / denominator;
    const double result = a * ratio * ratio;
    return std::isfinite(result) ? result : a * n * n;
}

double envelope(int a, int, int n, double theta)
{
    const double s = std::sin(Pi * std::fabs(theta) / 180);
    const double alpha = Pi * a * s;
    if (alpha == 0) {
        return a * n * n;
    }
    const double ratio = n * std::sin(alpha) / alpha;
    const double result = a * ratio * ratio;
    return std::isfinite(result) ? result : a * n * n;
}

// The 0.1 step is added in 80-bit precision and the angle stored back as a
// double; the samples fall where the original's did (the 601st at -30.000000000001).
static double nextAngle(double theta, long double step)
{
    return static_cast<double>(static_cast<long double>(theta) + step);
}

std::vector<QPointF> pattern(int n, int d, int a)
{
    std::vector<QPointF> points;
    points.reserve(Samples + 1);
    int m = 1;
    double target = orderAngle(1, d);
    for (double theta = -90.0; theta < 90; theta = nextAngle(theta, 0.1L)) {
        if (n < 2) {
            points.emplace_back(theta, envelope(a, d, n, theta));
        } else if (std::fabs(std::fabs(theta) - target) <= 0.1) {
            ++m;
            target = orderAngle(m, d);
            points.emplace_back(theta, envelope(a, d, n, theta));
        } else {
            points.emplace_back(theta, intensity(a, d, n, theta));
        }
    }
    return points;
}

std::vector<QPointF> envelopeSeries(int n, int d, int a)
{
    std::vector<QPointF> points;
    for (double theta = -90.0; theta < 90; theta = nextAngle(theta, 1.0L)) {
        points.emplace_back(theta, envelope(a, d, n, theta));
    }
    return points;
}

std::vector<std::pair<int, int>> stripColumns(const std::vector<QPointF> &pattern, int width, int n)
{
    std::vector<std::pair<int, int>> columns;
    if (pattern.empty()) {
        return columns;
    }
    const double top = std::max_element(pattern.begin(), pattern.end(), [](const QPointF &l, const QPointF &r) {
                           return l.y() < r.y();
                       })->y();
    const int k = int(pattern.size());
    int painted = 0;
    for (int i = 0; i < k; ++i) {
        const int x = Gdi::roundHalfEven(double(i) * width / k);
        if (x > painted) {
            const int v = std::min(255, Gdi::roundHalfEven(pattern[std::size_t(i)].y() * 255 / top) * n);
            columns.emplace_back(x, v);
            ++painted;
        }
    }
    return columns;
}

} // namespace NSlitDif
