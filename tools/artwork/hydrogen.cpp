// Diagrams of the hydrogen page.
#include "Diagram.h"

#include <QPainterPath>

#include <cmath>

namespace {

using namespace Art;

// The photon's wavelength in nm for a fall from nu to nl, with the same
// constants as the simulation: 13.6 eV and hc = 1.9878e-25 J m.
double wavelength(int nu, int nl)
{
    return 1987.8 / ((1.0 / (nl * nl) - 1.0 / (nu * nu)) * 21.7872);
}

// The energy levels to scale, with the first falls of the three series. The
// crowded upper levels are named in a column of their own, joined to their
// lines, so that no two names overlap.
void hydrogenLevels(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    const double zero = 30; // y of E = 0
    const double perEv = 175 / 13.6; // pixels per eV
    const auto y = [&](double n) { return zero + perEv * 13.6 / (n * n); };
    const double axis = 42, lineEnd = 170, names = 182;

    // The energy axis.
    p.setPen(Qt::black);
    p.drawLine(QPointF(axis, zero), QPointF(axis, zero + perEv * 14));
    for (int e = 0; e <= 14; e += 2) {
        const double ty = zero + perEv * e;
        p.drawLine(QPointF(axis - (e % 4 == 0 ? 5 : 3), ty), QPointF(axis, ty));
        if (e % 4 == 0) {
            rightLabel(p, QPointF(axis - 7, ty + 4), e == 0 ? QStringLiteral("0") : QStringLiteral("\u2212%1").arg(e));
        }
    }
    upwardLabel(p, QPointF(12, zero + perEv * 7), QStringLiteral("energy (eV)"), 12);

    // The levels, n = 1 to 6, and the zero at n = infinity.
    for (int n = 1; n <= 6; ++n) {
        p.drawLine(QPointF(axis, y(n)), QPointF(lineEnd, y(n)));
    }
    p.setPen(QPen(Qt::black, 1, Qt::DotLine));
    p.drawLine(QPointF(axis, zero), QPointF(lineEnd, zero));

    // Their names: n = 1 and 2 beside their lines, the crowded ones in a column.
    const struct
    {
        QString text;
        double levelY;
        double nameY; // the name's centre
    } named[] = {
        {QStringLiteral("n = \u221e   0 eV"), zero, 12},       {QStringLiteral("n = 5   \u22120.54 eV"), y(5), 26},
        {QStringLiteral("n = 4   \u22120.85 eV"), y(4), 40},   {QStringLiteral("n = 3   \u22121.51 eV"), y(3), 54},
        {QStringLiteral("n = 2   \u22123.40 eV"), y(2), y(2)}, {QStringLiteral("n = 1   \u221213.6 eV"), y(1), y(1)},
    };
    for (const auto &name : named) {
        p.setPen(QPen(QColor(120, 120, 120), 1));
        p.drawLine(QPointF(lineEnd, name.levelY), QPointF(names - 3, name.nameY));
        p.setPen(Qt::black);
        label(p, QPointF(names, name.nameY + 4), name.text, 12);
    }

    // The falls, each coloured as its light: the Balmer lines in their
    // colours, the ultraviolet and infrared ones in grey.
    const QColor ultraviolet(110, 60, 170), infrared(150, 60, 40);
    const struct
    {
        int from;
        int to;
        double x;
        QColor colour;
    } falls[] = {{2, 1, 56, ultraviolet},
                 {3, 1, 68, ultraviolet},
                 {4, 1, 80, ultraviolet},
                 {3, 2, 100, QColor(220, 0, 0)},
                 {4, 2, 112, QColor(0, 150, 200)},
                 {5, 2, 124, QColor(90, 0, 220)},
                 {4, 3, 146, infrared},
                 {5, 3, 158, infrared}};
    for (const auto &f : falls) {
        p.setPen(QPen(f.colour, 2));
        arrowLine(p, QPointF(f.x, y(f.from)), QPointF(f.x, y(f.to)));
    }

    // The key: which series each colour belongs to.
    const struct
    {
        QString text;
        QColor colours[3];
    } key[] = {
        {QStringLiteral("Lyman, to n = 1: ultraviolet"), {ultraviolet, ultraviolet, ultraviolet}},
        {QStringLiteral("Balmer, to n = 2: visible"), {QColor(220, 0, 0), QColor(0, 150, 200), QColor(90, 0, 220)}},
        {QStringLiteral("Paschen, to n = 3: infrared"), {infrared, infrared, infrared}},
    };
    double ky = 112;
    for (const auto &k : key) {
        for (int i = 0; i < 3; ++i) {
            p.setPen(QPen(k.colours[i], 2));
            p.drawLine(QPointF(98 + 5 * i, ky - 9), QPointF(98 + 5 * i, ky + 1));
        }
        p.setPen(Qt::black);
        label(p, QPointF(116, ky), k.text, 12);
        ky += 18;
    }
    label(p, QPointF(116, 190), QStringLiteral("E\u2099 = \u221213.6 eV / n\u00b2"), 12);
}

// The visible part of the spectrum: the four Balmer lines at their
// wavelengths, each with the fall that gives it. The two violet lines are
// close, so every line's names stand in a column of their own, joined to it.
void balmerLines(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    const double left = 14, right = 266, top = 42, bottom = 86;
    const double from = 400, to = 680; // nm
    const auto x = [&](double nm) { return left + (right - left) * (nm - from) / (to - from); };

    p.setPen(Qt::black);
    p.setBrush(Qt::black);
    p.drawRect(QRectF(left, top, right - left, bottom - top));
    for (int nm = 400; nm <= 680; nm += 20) {
        const bool major = nm % 100 == 0;
        p.drawLine(QPointF(x(nm), bottom), QPointF(x(nm), bottom + (major ? 6 : 3)));
        if (major) {
            centredLabel(p, QPointF(x(nm), bottom + 19), QString::number(nm), 12);
        }
    }
    centredLabel(p, QPointF((left + right) / 2, bottom + 36), QStringLiteral("wavelength (nm)"), 12);

    const struct
    {
        int upper;
        QColor colour;
        double column; // the centre of its names
    } lines[] = {{3, QColor(255, 20, 0), 0},
                 {4, QColor(0, 200, 255), 0},
                 {5, QColor(70, 60, 255), 54},
                 {6, QColor(150, 0, 230), 20}};
    for (const auto &l : lines) {
        const double nm = wavelength(l.upper, 2);
        const double lx = x(nm);
        const double column = l.column > 0 ? l.column : lx;
        p.setPen(QPen(l.colour, 3));
        p.drawLine(QPointF(lx, top + 1), QPointF(lx, bottom - 1));
        p.setPen(QPen(QColor(150, 150, 150), 1));
        p.drawLine(QPointF(column, 34), QPointF(lx, top - 1));
        p.setPen(Qt::black);
        centredLabel(p, QPointF(column, 14), QStringLiteral("%1\u21922").arg(l.upper), 12);
        centredLabel(p, QPointF(column, 29), QString::number(nm, 'f', 0), 12);
    }
}

const bool registered = addDiagram({"levels", {280, 230}, hydrogenLevels});
const bool registeredBalmer = addDiagram({"hydrogen-balmer", {280, 132}, balmerLines});

} // namespace
