#include "oscillations/Wave3D.h"

#include "gdi/GdiMath.h"
#include "gdi/Palette.h"
#include "gdi/ProgramRandom.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace Wave3D {

namespace {

using namespace Palette;

using Gdi::Pi;

// sin of a whole number of degrees. The waves are drawn from several
// hundred of these per picture and per animation step, always at whole
// degrees, so they come from a table filled once with exactly the values the
// sine gives (the same expression, so every picture stays the same pixels).
double sinDegrees(int degrees)
{
    constexpr int First = -4096;
    constexpr int Count = 12288;
    static const std::vector<double> table = [] {
        std::vector<double> values(Count);
        for (int k = 0; k < Count; ++k) {
            values[std::size_t(k)] = std::sin(double(k + First) * Pi / 180);
        }
        return values;
    }();
    const int index = degrees - First;
    return index >= 0 && index < Count ? table[std::size_t(index)] : std::sin(double(degrees) * Pi / 180);
}

std::vector<QPoint> project(const ViewState &state, const Matrix &m, QPoint centre, const std::vector<Point3> &points)
{
    std::vector<QPoint> screen;
    screen.reserve(points.size());
    for (const Point3 &p : points) {
        screen.push_back(ProjectPoint(state, TransformPoint(p, m), centre));
    }
    return screen;
}

// The wave from x = -720 to 720 (u = i - 360, x = 2u) and the axis ends that close it.
template<typename PointAt>
std::vector<Point3> waveShape(PointAt pointAt)
{
    std::vector<Point3> points;
    points.reserve(723);
    for (int i = 0; i <= 720; ++i) {
        points.push_back(pointAt(i - 360));
    }
    points.push_back({720, 0, 0});
    points.push_back({-720, 0, 0});
    return points;
}

std::vector<QPoint> bWave(const ViewState &state, const Matrix &m, QPoint centre, int phase, int side)
{
    return project(state, m, centre, waveShape([phase, side](int u) {
                       const double b = 100 * sinDegrees(phase - 4 * u);
                       return Point3{2.0 * u, 0, side * b >= 0 ? b : 0};
                   }));
}

// The picture frame: a white W x H bitmap with 10-point bold Arial, black pen.
void frame(Gdi::Canvas &c)
{
    c.font.name = QStringLiteral("Arial");
    c.setFontSize(10);
    c.font.bold = true;
}

void polygon(Gdi::Canvas &c, const std::vector<QPoint> &points, const QColor &fill)
{
    c.brush = Gdi::Brush{fill, Gdi::BrushStyle::Solid};
    c.polygon(points);
}

void line3D(Gdi::Canvas &c, const ViewState &state, const Matrix &m, QPoint centre, Point3 a, Point3 b)
{
    const QPoint p = ProjectPoint(state, TransformPoint(a, m), centre);
    const QPoint q = ProjectPoint(state, TransformPoint(b, m), centre);
    c.moveTo(p.x(), p.y());
    c.lineTo(q.x(), q.y());
}

// A letter with its top left at a scene point, moved up by its height when asked.
void letter(Gdi::Canvas &c, const ViewState &state, const Matrix &m, QPoint centre, Point3 at, const QString &text,
            bool above)
{
    const QPoint p = ProjectPoint(state, TransformPoint(at, m), centre);
    c.textOut(p.x(), above ? p.y() - c.textHeight(text) : p.y(), text);
}

std::vector<QPoint> arrow(const ViewState &state, const Matrix &m, QPoint centre, double a, int phase, bool inZ)
{
    const double v = 100 * sinDegrees(phase);
    const double h = arrowHeadBase(v);
    const auto at = [inZ](double x, double across) { return inZ ? Point3{x, 0, across} : Point3{x, across, 0}; };
    return project(state, m, centre,
                   {at(a, v), at(a - 8, h), at(a - 3, h), at(a - 3, 0), at(a + 3, 0), at(a + 3, h), at(a + 8, h)});
}

std::vector<QPoint> transverseArrow(const ViewState &state, const Matrix &m, QPoint centre, double a, int phase, bool b)
{
    const double v = 100 * sinDegrees(phase);
    const double h = arrowHeadBase(v);
    // E lies along y with its width in z; B along z with its width in y.
    const auto at = [b, a](double along, double across) {
        return b ? Point3{a, across, along} : Point3{a, along, across};
    };
    return project(state, m, centre, {at(v, 0), at(h, -4), at(h, -1), at(0, -1), at(0, 1), at(h, 1), at(h, 4)});
}

std::vector<QPoint> polaroidSquare(const ViewState &state, const Matrix &m, QPoint centre, double w, double h, double z)
{
    return project(state, m, centre, {{-w, -h, z}, {-w, h, z}, {w, h, z}, {w, -h, z}});
}

std::vector<QPoint> polarizedWave(const ViewState &state, const Matrix &m, QPoint centre, double amplitude, double z0)
{
    std::vector<Point3> points;
    points.reserve(361);
    for (int i = 0; i <= 360; ++i) {
        points.push_back({0, amplitude * sinDegrees(4 * i), z0 - i});
    }
    return project(state, m, centre, points);
}

std::vector<Point3> doubleArrow(double l, double z)
{
    return {{0, l, z},  {-8, l - 10, z}, {-2, l - 10, z}, {-2, 10 - l, z}, {-8, 10 - l, z},
            {0, -l, z}, {8, 10 - l, z},  {2, 10 - l, z},  {2, l - 10, z},  {8, l - 10, z}};
}

} // namespace

Matrix RotationMatrix(int degrees, int axis)
{
    const double cs = std::cos(degrees * Pi / 180);
    const double sn = std::sin(degrees * Pi / 180);
    switch (axis) {
    case 1:
        return {{{1, 0, 0}, {0, cs, -sn}, {0, sn, cs}}};
    case 2:
        return {{{cs, 0, sn}, {0, 1, 0}, {-sn, 0, cs}}};
    default:
        return {{{cs, sn, 0}, {-sn, cs, 0}, {0, 0, 1}}};
    }
}

Matrix MatrixProduct(const Matrix &a, const Matrix &b)
{
    Matrix r{};
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            for (int k = 0; k < 3; ++k) {
                r[i][j] += a[i][k] * b[k][j];
            }
        }
    }
    return r;
}

Point3 TransformPoint(const Point3 &p, const Matrix &m)
{
    return {p.x * m[0][0] + p.y * m[1][0] + p.z * m[2][0], p.x * m[0][1] + p.y * m[1][1] + p.z * m[2][1],
            p.x * m[0][2] + p.y * m[1][2] + p.z * m[2][2]};
}

Matrix View::matrix() const
{
    return MatrixProduct(RotationMatrix(tilt, 1), RotationMatrix(turn, 2));
}

void InitView3D(ViewState &state, int width, int height)
{
    state.width = width;
    state.height = height;
    state.em.centre = state.polar.centre = QPoint(width / 2, height / 2);
    if (width < 400) {
        state.scale = 0.6;
    }
}

void ResetView3D(ViewState &state, int mode)
{
    const bool large = state.width >= 400;
    state.scale = mode == 1 ? (large ? 0.8 : 0.6) : (large ? 0.5 : 0.4);
}

QPoint ProjectPoint(const ViewState &state, const Point3 &turned, QPoint centre)
{
    const double f = state.distance * state.scale / (state.distance + turned.z);
    return {centre.x() + Gdi::roundHalfEven(f * turned.x), centre.y() + Gdi::roundHalfEven(f * turned.y)};
}

std::vector<QPoint> BuildEWave(const ViewState &state, const Matrix &m, QPoint centre, int phase)
{
    return project(state, m, centre, waveShape([phase](int u) {
                       return Point3{2.0 * u, 100 * sinDegrees(phase - 4 * u), 0};
                   }));
}

std::vector<QPoint> BuildBWaveUpper(const ViewState &state, const Matrix &m, QPoint centre, int phase)
{
    return bWave(state, m, centre, phase, +1);
}

std::vector<QPoint> BuildBWaveLower(const ViewState &state, const Matrix &m, QPoint centre, int phase)
{
    return bWave(state, m, centre, phase, -1);
}

double arrowHeadBase(double v)
{
    if (v > 0 && v - 10 >= 0) {
        return v - 10;
    }
    if (v <= 0 && v + 10 <= 0) {
        return v + 10;
    }
    return 0;
}

std::vector<QPoint> BuildEArrow(const ViewState &state, const Matrix &m, QPoint centre, double a, int phase)
{
    return arrow(state, m, centre, a, phase, false);
}

std::vector<QPoint> BuildBArrow(const ViewState &state, const Matrix &m, QPoint centre, double a, int phase)
{
    return arrow(state, m, centre, a, phase, true);
}

bool bArrowInFront(int phase)
{
    return (phase / 180) % 2 == 1;
}

void DrawEMWave(Gdi::Canvas &target, const ViewState &state, int phase)
{
    Gdi::Bitmap bitmap(state.width, state.height);
    Gdi::Canvas &c = bitmap.canvas();
    frame(c);
    const Matrix m = state.em.matrix();
    const QPoint centre = state.em.centre;
    const auto redLine = [&](Point3 a, Point3 b) {
        c.pen.color = Red;
        line3D(c, state, m, centre, a, b);
        c.pen.color = Qt::black;
    };
    // The +z side first and the -z side last; the B arrow goes behind the E
    // sheet while it points to +z.
    polygon(c, BuildBWaveUpper(state, m, centre, phase), Cream);
    redLine({0, 0, 0}, {0, 0, 200});
    if (!bArrowInFront(phase)) {
        polygon(c, BuildBArrow(state, m, centre, 0, phase), Yellow);
    }
    polygon(c, BuildEWave(state, m, centre, phase), LightBlue);
    redLine({0, 200, 0}, {0, -200, 0});
    polygon(c, BuildEArrow(state, m, centre, 0, phase), Blue);
    polygon(c, BuildBWaveLower(state, m, centre, phase), Cream);
    redLine({0, 0, 0}, {0, 0, -200});
    if (bArrowInFront(phase)) {
        polygon(c, BuildBArrow(state, m, centre, 0, phase), Yellow);
    }
    c.brush.style = Gdi::BrushStyle::Clear;
    letter(c, state, m, centre, {0, -200, 0}, QStringLiteral("E"), true);
    letter(c, state, m, centre, {0, 0, -200}, QStringLiteral("B"), false);
    c.drawEdgeSunken({0, 0, state.width, state.height});
    target.draw(0, 0, bitmap.image());
}

double transmittedAmplitude(int rotation)
{
    return 90 * std::cos(rotation * Pi / 180);
}

void DrawPolarizer(Gdi::Canvas &target, const ViewState &state, int rotation)
{
    Gdi::Bitmap bitmap(state.width, state.height);
    Gdi::Canvas &c = bitmap.canvas();
    frame(c);
    const Matrix m = state.polar.matrix();
    const Matrix analyser = MatrixProduct(RotationMatrix(rotation, 3), m);
    const QPoint centre = state.polar.centre;

    line3D(c, state, m, centre, {0, 0, 900}, {0, 0, 600});
    c.pen.style = Gdi::PenStyle::Clear;
    polygon(c, polaroidSquare(state, m, centre, 90, 90, 600), LightBlue);
    // Unpolarized light: four double arrows 45 degrees apart.
    c.pen = Gdi::Pen{Blue};
    for (int n = 0; n < 4; ++n) {
        polygon(c, project(state, MatrixProduct(RotationMatrix(45 * n, 3), m), centre, doubleArrow(90, 600)), Blue);
    }
    c.pen = Gdi::Pen{};
    line3D(c, state, m, centre, {0, 0, 600}, {0, 0, 360});
    polygon(c, polaroidSquare(state, m, centre, 100, 100, 360), Cream);
    c.pen.color = Red;
    line3D(c, state, m, centre, {0, 100, 360}, {0, -100, 360});
    c.pen.color = Qt::black;
    polygon(c, polarizedWave(state, m, centre, 90, 360), LightBlue);
    polygon(c, polaroidSquare(state, analyser, centre, 100, 100, 0), Cream);
    c.pen.color = Red;
    line3D(c, state, analyser, centre, {0, 100, 0}, {0, -100, 0});
    c.pen.color = Qt::black;
    polygon(c, polarizedWave(state, analyser, centre, transmittedAmplitude(rotation), 0), LightBlue);
    line3D(c, state, m, centre, {0, 0, -360}, {0, 0, -400});
    // The two polaroids named beside each, at a place the analyser's turning
    // does not move: the first polarizes the light, the second analyses it.
    c.brush.style = Gdi::BrushStyle::Clear;
    c.font.color = Qt::black;
    letter(c, state, m, centre, {-100, -100, 360}, QCoreApplication::translate("Wave3D", "polarizer"), true);
    letter(c, state, m, centre, {-100, -142, 0}, QCoreApplication::translate("Wave3D", "analyser"), true);
    c.drawEdgeSunken({0, 0, state.width, state.height});
    target.draw(0, 0, bitmap.image());
}

void RenewPlane(ViewState &state, ProgramRandom &random)
{
    state.randomTurn = random.next(180) - 90;
    state.randomPhase = random.next(360);
}

void DrawUnpolarized(Gdi::Canvas &target, const ViewState &state, QPoint centre, int phase)
{
    const int tilt = -16 + state.randomTurn;
    const Matrix m = MatrixProduct(RotationMatrix(tilt, 1), RotationMatrix(83, 2));
    const int phi = phase + state.randomPhase;
    const bool front = tilt >= -90 && tilt <= 90;

    Gdi::Bitmap bitmap(state.width, state.height);
    Gdi::Canvas &c = bitmap.canvas();
    frame(c);
    polygon(c, front ? BuildBWaveUpper(state, m, centre, phi) : BuildBWaveLower(state, m, centre, phi), Cream);
    polygon(c, BuildEWave(state, m, centre, phi), LightBlue);
    c.pen.color = Qt::black;
    polygon(c, BuildEArrow(state, m, centre, 0, phi), Yellow);
    polygon(c, front ? BuildBWaveLower(state, m, centre, phi) : BuildBWaveUpper(state, m, centre, phi), Cream);
    c.pen.color = Red;
    c.brush.style = Gdi::BrushStyle::Clear;
    line3D(c, state, m, centre, {-720, 110, 0}, {-720, -110, 0});
    letter(c, state, m, centre, {-720, -110, 0}, QStringLiteral("E"), true);
    line3D(c, state, m, centre, {-720, 0, 110}, {-720, 0, -110});
    letter(c, state, m, centre, {-720, 0, -110}, QStringLiteral("B"), false);
    c.pen.color = Qt::black;
    polygon(c, transverseArrow(state, m, centre, -720, phi, true), Yellow);
    polygon(c, transverseArrow(state, m, centre, -720, phi, false), Blue);
    c.drawEdgeSunken({0, 0, state.width, state.height});
    target.draw(0, 0, bitmap.image());
}

void Drag::press(Qt::MouseButton button, QPoint at, const View &view)
{
    if (button == Qt::LeftButton) {
        m_mode = 1;
        m_origin = QPoint(at.x() - Gdi::mulDiv(175, view.turn, 90), at.y() + Gdi::mulDiv(175, view.tilt, 90));
    } else {
        m_mode = 2;
        m_origin = view.centre - at;
    }
}

bool Drag::move(QPoint at, View &view) const
{
    if (m_mode == 1) {
        view.turn = std::clamp(Gdi::mulDiv(90, at.x() - m_origin.x(), 175), -90, 90);
        view.tilt = std::clamp(Gdi::mulDiv(90, m_origin.y() - at.y(), 175), -90, 90);
        return true;
    }
    if (m_mode == 2) {
        view.centre = m_origin + at;
        return true;
    }
    return false;
}

bool turnByKey(View &view, int key)
{
    constexpr int Step = 5;
    switch (key) {
    case Qt::Key_Right:
    case Qt::Key_Left:
        view.turn = std::clamp(view.turn + (key == Qt::Key_Right ? Step : -Step), -90, 90);
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
        view.tilt = std::clamp(view.tilt + (key == Qt::Key_Up ? Step : -Step), -90, 90);
        return true;
    default:
        return false;
    }
}

} // namespace Wave3D
