#include "waves/SndSpeed.h"

#include <QCoreApplication>

#include <algorithm>

#include "gdi/GdiMath.h"
#include "gdi/Palette.h"
#include "gdi/ResourcePictures.h"

#include <cmath>
#include <numbers>

namespace SndSpeed {

namespace {

using namespace Palette;

using Gdi::Pi;

void line(Gdi::Canvas &c, int x0, int y0, int x1, int y1)
{
    c.moveTo(x0, y0);
    c.lineTo(x1, y1);
}

void centredText(Gdi::Canvas &c, int x, int y, const QString &text)
{
    c.textOut(x - c.textWidth(text) / 2, y, text);
}

} // namespace

int micOffset(int position)
{
    return Gdi::roundHalfEven(position / 10.0);
}

double phaseLag(double f100, int d)
{
    return 4 * Pi * f100 * d / 990;
}

double channel2Amplitude(int gain, int d)
{
    return gain * 50.0 * (310 - d) / 315;
}

std::array<QPoint, 201> TracePoints(int x0, int shift, double psi, double f100, double amplitude)
{
    std::array<QPoint, 201> points;
    for (int j = 0; j <= 200; ++j) {
        points[std::size_t(j)] = QPoint(x0 + j, 60 - Gdi::roundHalfEven(amplitude * std::sin(j * f100 * Pi / 180 - psi))
                                                    - shift);
    }
    return points;
}

void DrawCro(Gdi::Canvas &target, int d, int gain, int left, int top, int yShift, double f100, double amplitude1)
{
    Gdi::Bitmap bitmap(220, 140);
    Gdi::Canvas &c = bitmap.canvas();
    c.brush.color = Teal;
    c.roundRect(0, 0, 220, 140, 10, 10);
    c.brush.color = Qt::white;
    c.rectangle(10, 10, 210, 130);
    // Ten divisions of 20 pixels across, six down.
    c.pen.color = Silver;
    for (int k = 1; k <= 9; ++k) {
        line(c, 10 + 20 * k, 10, 10 + 20 * k, 130);
    }
    for (int k = 1; k <= 5; ++k) {
        line(c, 10, 10 + 20 * k, 210, 10 + 20 * k);
    }
    c.pen.color = Qt::black;
    line(c, 10, 70, 210, 70);
    line(c, 110, 10, 110, 130);
    c.pen.color = QColor(0, 0, 255);
    c.polyline(TracePoints(10, -10, 0, f100, amplitude1));
    c.pen.color = QColor(255, 0, 0);
    c.polyline(TracePoints(10, yShift - 10, phaseLag(f100, d), f100, channel2Amplitude(gain, d)));
    // What leaves the screen vertically is hidden behind the case.
    c.brush.color = Teal;
    c.fillRect(10, 0, 210, 10);
    c.fillRect(10, 130, 210, 140);
    target.draw(left, top, bitmap.image());
}

void DrawRulerStrip(Gdi::Canvas &target, int d, int left, int top)
{
    Gdi::Bitmap bitmap(330, 70);
    Gdi::Canvas &c = bitmap.canvas();
    c.brush.color = LightYellow;
    c.rectangle(15, 30, 316, 50);
    c.brush.color = Silver;
    c.rectangle(5, 10, 10, 20);
    c.polygon(std::array<QPoint, 4>{QPoint(10, 10), QPoint(15, 0), QPoint(15, 30), QPoint(10, 20)});
    // The microphone: a round head facing the loudspeaker, on a short stem
    // that takes its lead; its face stands at x0 over the ruler.
    const int x0 = 15 + d;
    c.ellipse(x0, 7, x0 + 10, 23);
    c.rectangle(x0 + 9, 12, x0 + 12, 18);
    c.font.height = 12;
    c.brush.style = Gdi::BrushStyle::Clear;
    for (int j = 0; j <= 20; ++j) {
        const int x = 15 + 15 * j;
        line(c, x, 30, x, j % 10 == 0 ? 49 : (j % 5 == 0 ? 45 : 40));
        if (j % 5 == 0) {
            centredText(c, x, 50, QString::number(10 * j));
        }
    }
    line(c, 0, 16, 5, 16);
    line(c, 0, 13, 5, 13);
    line(c, x0 + 12, 16, 330, 16);
    line(c, x0 + 12, 13, 330, 13);
    target.draw(left, top, bitmap.image());
}

void DrawLeadsAndGenerator(Gdi::Canvas &target)
{
    target.pen = Gdi::Pen{};
    target.polyline(std::array<QPoint, 4>{QPoint(350, 163), QPoint(351, 163), QPoint(351, 110), QPoint(290, 110)});
    target.polyline(std::array<QPoint, 4>{QPoint(350, 166), QPoint(360, 166), QPoint(360, 100), QPoint(290, 100)});
    target.polyline(std::array<QPoint, 4>{QPoint(19, 163), QPoint(18, 163), QPoint(18, 116), QPoint(70, 116)});
    target.polyline(std::array<QPoint, 4>{QPoint(19, 166), QPoint(6, 166), QPoint(6, 111), QPoint(70, 111)});
    target.draw(0, 80, Gdi::resourcePicture("SIGGEN"));
}

void DrawApparatus(Gdi::Canvas &target, int frequencyPosition, int micPosition, int gainPosition, int yShift)
{
    const int d = micOffset(micPosition);
    DrawCro(target, d, 6 - gainPosition, 70, 0, yShift, frequencyPosition / 10.0, 50);
    DrawRulerStrip(target, d, 20, 150);
    // The two named in the band between the oscilloscope and the ruler; the
    // microphone's name follows it, never over the loudspeaker's.
    target.pen = Gdi::Pen{};
    target.brush = Gdi::Brush{QColor(255, 255, 255), Gdi::BrushStyle::Solid};
    target.fillRect(22, 139, 349, 150); // up to the leads at x = 350
    target.brush.style = Gdi::BrushStyle::Clear;
    target.font.height = 10;
    target.font.color = QColor(64, 64, 64);
    const QString speaker = QCoreApplication::translate("SndSpeed", "loudspeaker");
    const QString microphone = QCoreApplication::translate("SndSpeed", "microphone");
    target.textOut(22, 139, speaker);
    const int micLeft = std::max(20 + 15 + d + 14, 26 + target.textWidth(speaker));
    target.textOut(std::min(micLeft, 348 - target.textWidth(microphone)), 139, microphone);
    target.font.color = Qt::black;
}

void DrawZoomView(Gdi::Canvas &target, int micPosition)
{
    // 40 pixels per ruler unit; the numbered ticks stand at x = 8, 48 and 88.
    const int whole = micPosition / 10;
    int offset = 8 + Gdi::mulDiv(micPosition - 10 * whole, 8, 3);
    int unit = Gdi::mulDiv(whole, 2, 3);
    if (offset < 28) {
        --unit;
        offset += 40;
    }
    target.pen = Gdi::Pen{};
    target.brush = Gdi::Brush{QColor(128, 128, 128), Gdi::BrushStyle::Solid};
    target.fillRect(5, 5, 105, 75);
    target.brush.color = QColor(255, 255, 224);
    target.fillRect(0, 0, 100, 30);
    target.brush.color = LightYellow;
    target.rectangle(-1, 30, 101, 70);
    target.brush.color = Silver;
    target.polygon(std::array<QPoint, 3>{QPoint(offset, 0), QPoint(offset + 20, 0), QPoint(offset, 30)});
    target.font.height = 12;
    target.brush.style = Gdi::BrushStyle::Clear;
    for (int t = 0; t <= 25; ++t) {
        const int x = 4 * t;
        if (t % 10 == 2) {
            line(target, x, 30, x, 50);
            centredText(target, x, 50, QString::number(unit));
            ++unit;
        } else {
            line(target, x, 30, x, t % 5 == 2 ? 45 : 40);
        }
    }
    target.rectangle(0, 0, 100, 70);
}

} // namespace SndSpeed
