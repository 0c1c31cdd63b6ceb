#pragma once

#include "gdi/Canvas.h"

#include <QPoint>

#include <array>
#include <vector>

class ProgramRandom;

// A small perspective engine for the electromagnetic-wave and polarization
// pictures. Points are row vectors in a right-handed space; a view turns them
// by a matrix and projects them from an eye D units in front of the origin.
namespace Wave3D {

struct Point3
{
    double x = 0;
    double y = 0;
    double z = 0;
};

using Matrix = std::array<std::array<double, 3>, 3>;

// Rotation by whole degrees about axis 1 (x), 2 (y) or 3 (z).
Matrix RotationMatrix(int degrees, int axis);
Matrix MatrixProduct(const Matrix &a, const Matrix &b);
Point3 TransformPoint(const Point3 &p, const Matrix &m);

// One picture's view: its rotation and the screen place of the scene origin.
struct View
{
    int tilt = 0; // degrees about x, -90..90
    int turn = 0; // degrees about y, -90..90
    QPoint centre;
    Matrix matrix() const;
};

// The engine's state for the whole run, shared by both pictures.
struct ViewState
{
    int width = 400;
    int height = 400;
    int distance = 1000; // of the eye from the origin, in scene units
    double scale = 0.8; // pixels per scene unit at the origin's depth
    View em{-12, 31, {200, 200}};
    View polar{-16, 37, {200, 200}};
    int randomTurn = 0; // degrees, the unpolarized light's plane
    int randomPhase = 0; // degrees
};

// Small screens: the pictures are width x height, centred, at scale 0.6.
void InitView3D(ViewState &state, int width, int height);
// Entering topic 15 (mode 1) or 16 (mode 2) sets the scale only.
void ResetView3D(ViewState &state, int mode);

// Projects a point already turned by the view matrix: f = D s / (D + z).
QPoint ProjectPoint(const ViewState &state, const Point3 &turned, QPoint centre);

// Field shapes, with the wave number 4 degrees per unit of u and phase in degrees:
// the field at u is 100 sin(phase - 4u). E (along y) and B (along z) in phase
// make a wave that travels along E x B, towards +x, so a rising phase moves the
// crests towards +x.
std::vector<QPoint> BuildEWave(const ViewState &state, const Matrix &m, QPoint centre, int phase);
std::vector<QPoint> BuildBWaveUpper(const ViewState &state, const Matrix &m, QPoint centre, int phase);
std::vector<QPoint> BuildBWaveLower(const ViewState &state, const Matrix &m, QPoint centre, int phase);
// Where an arrow's head starts for a field value v: 10 short of the tip, or at
// the axis when the arrow is shorter than its head.
double arrowHeadBase(double v);
std::vector<QPoint> BuildEArrow(const ViewState &state, const Matrix &m, QPoint centre, double a, int phase);
std::vector<QPoint> BuildBArrow(const ViewState &state, const Matrix &m, QPoint centre, double a, int phase);

// The B arrow is drawn behind the E sheet while it points to +z (phase 0..179 of a turn).
bool bArrowInFront(int phase);

void DrawEMWave(Gdi::Canvas &target, const ViewState &state, int phase);
// The analyser's transmitted amplitude, 90 cos(rotation): Malus's law for the field.
double transmittedAmplitude(int rotation);
void DrawPolarizer(Gdi::Canvas &target, const ViewState &state, int rotation);
// The unpolarized light's plane of polarization and phase jump to new random
// values.
void RenewPlane(ViewState &state, ProgramRandom &random);
// The unpolarized light seen almost end-on.
void DrawUnpolarized(Gdi::Canvas &target, const ViewState &state, QPoint centre, int phase);

// Dragging a picture: the left button turns it (175 pixels per 90 degrees),
// any other button moves it.
class Drag
{
public:
    void press(Qt::MouseButton button, QPoint at, const View &view);
    // Applies a move to the view; false when no drag is under way.
    bool move(QPoint at, View &view) const;
    void release() { m_mode = 0; }
    int mode() const { return m_mode; }

private:
    int m_mode = 0; // 0 none, 1 turning, 2 moving
    QPoint m_origin;
};

// The arrow keys turn a picture as a drag does, 5 degrees a press: right and
// left about the vertical axis, up and down about the horizontal one, each
// within -90..90. False for any other key.
bool turnByKey(View &view, int key);

} // namespace Wave3D
