#include "optics/GratingPage.h"

#include "gdi/GdiMath.h"
#include "gdi/PaintBox.h"
#include "gdi/ScreenReader.h"
#include "optics/Grating.h"
#include "shell/PageControls.h"
#include "shell/ResultsTable.h"
#include "shell/Session.h"

#include <QLabel>
#include <QScrollBar>
#include <QToolButton>

#include <cmath>

using namespace PageControls;

GratingPage::GratingPage(Session &session, QWidget *parent)
    : TopicPage(session, 3, parent)
{
    m_specPic = paintBox(this, "GratSpecPic", QRect(2, 2, 300, 80));
    m_gratingPic = paintBox(this, "GratingPic", QRect(2, 84, 300, 300));
    m_wavelengthLabel = label(this, "Label8", tr("wavelength %1 nm").arg(400), QRect(313, 13, 124, 16));
    m_wavelength = scrollBar(this, "GratingWLhsb", 400, 700, 400, QRect(313, 35, 104, 17),
                             tr("set wavelength|Set the wavelength of the light"));
    m_wavelengthLabel->setBuddy(m_wavelength);
    m_linesLabel = label(this, "LinesLabel", tr("Lines per mm = %1").arg(300), QRect(310, 65, 130, 16));
    m_lines = scrollBar(this, "LinesHsb", 100, 600, 300, QRect(311, 87, 105, 17),
                        tr("set  line spacing|Set the spacing of the lines on the grating"));
    m_telescope = scrollBar(this, "GratingHsb", -900, 900, 0, QRect(8, 394, 288, 18),
                            tr("move telescope|Turn the telescope round the table"));
    m_telescope->setPageStep(50);
    m_linesLabel->setBuddy(m_lines);
    // A reading of the spectrometer for the table: the order is the line
    // nearest the cross-wires.
    QToolButton *record = flatButton(
        this, "GratingRecordBtn", tr("record"), QRect(313, 115, 60, 30),
        tr("record|Add the wavelength, the grating, the telescope angle and the order to the table"));
    addResults(
        "GratingResults", {tr("wavelength (nm)"), tr("lines per mm"), tr("telescope angle (degrees)"), tr("order")},
        {tr("wavelength (nm)"), tr("lines per mm"), tr("angle (degrees)"), tr("order")}, QRect(2, 430, 436, 110));
    connect(record, &QToolButton::clicked, this, [this] {
        results()->addRow({m_wavelength->value(), m_lines->value(), m_telescope->value() / 10.0, nearestOrder()});
    });
    // Beside the telescope's bar, wherever the screen's layout puts it.
    label(this, "TelescopeLabel", tr("telescope"), QRect(306, 390, 120, 16))->setBuddy(m_telescope);

    // Both pictures take the negated position, so the reading under the
    // cross-wires equals the telescope angle T / 10.
    connect(m_gratingPic, &PaintBox::paint, this, [this] {
        Grating::DrawSpectrometer(m_gratingPic->canvas(), 0, 0, -m_telescope->value(), m_lines->value(),
                                  m_wavelength->value(), this->session().screenMode);
    });
    connect(m_specPic, &PaintBox::paint, this, [this] {
        Grating::DrawTelescopeView(m_specPic->canvas(), m_wavelength->value(), m_lines->value(), -m_telescope->value());
    });
    for (QScrollBar *bar : {m_wavelength, m_lines, m_telescope}) {
        connect(bar, &QScrollBar::valueChanged, this, &GratingPage::GratingHsbChange);
    }

    ScreenReader::describe(m_gratingPic, tr("spectrometer, seen from above"), [this] {
        const int lambda = m_wavelength->value();
        const int lines = m_lines->value();
        const int top = Grating::highestOrder(lambda, lines);
        return tr("%1 nm light falls on a grating of %2 lines per mm. Orders up to %3 are seen; the first order is at "
                  "%4 degrees. The telescope is at %5 degrees.")
            .arg(lambda)
            .arg(lines)
            .arg(top)
            .arg(Gdi::formatF(Grating::orderAngle(1, lambda, lines), 1))
            .arg(Gdi::formatF(m_telescope->value() / 10.0, 1));
    });
    ScreenReader::describe(m_specPic, tr("view through the telescope"), [this] {
        const int lambda = m_wavelength->value();
        const int lines = m_lines->value();
        const double telescope = m_telescope->value() / 10.0;
        const int nearest = nearestOrder();
        return tr("Cross-wires at %1 degrees; the nearest line is order %2, at %3 degrees.")
            .arg(Gdi::formatF(telescope, 1))
            .arg(nearest)
            .arg(Gdi::formatF(Grating::orderAngle(nearest, lambda, lines), 1));
    });
}

int GratingPage::nearestOrder() const
{
    // The order whose line lies closest to the cross-wires.
    const int lambda = m_wavelength->value();
    const int lines = m_lines->value();
    const double telescope = m_telescope->value() / 10.0;
    int nearest = 0;
    const int top = Grating::highestOrder(lambda, lines);
    for (int m = -top; m <= top; ++m) {
        if (std::abs(Grating::orderAngle(m, lambda, lines) - telescope)
            < std::abs(Grating::orderAngle(nearest, lambda, lines) - telescope)) {
            nearest = m;
        }
    }
    return nearest;
}

void GratingPage::GratingHsbChange()
{
    Grating::DrawSpectrometer(m_gratingPic->canvas(), 0, 0, -m_telescope->value(), m_lines->value(),
                              m_wavelength->value(), session().screenMode);
    Grating::DrawTelescopeView(m_specPic->canvas(), m_wavelength->value(), m_lines->value(), -m_telescope->value());
    m_linesLabel->setText(tr("Lines per mm = %1").arg(m_lines->value()));
    m_wavelengthLabel->setText(tr("wavelength %1 nm").arg(m_wavelength->value()));
}
