#include "GratingPage.h"

#include "Grating.h"
#include "Hints.h"
#include "Session.h"
#include "gdi/PaintBox.h"

#include <QLabel>
#include <QScrollBar>

namespace {

QScrollBar *makeBar(QWidget *parent, const char *name, int min, int max, int value, QRect at)
{
    auto *bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setRange(min, max);
    bar->setValue(value);
    bar->setPageStep(std::max(1, (max - min) / 20));
    bar->setGeometry(at);
    return bar;
}

} // namespace

GratingPage::GratingPage(Session &session, QWidget *parent)
    : TopicPage(session, 3, parent)
{
    m_specPic = new PaintBox(this);
    m_specPic->setObjectName(QStringLiteral("GratSpecPic"));
    m_specPic->setGeometry(2, 2, 300, 80);
    m_gratingPic = new PaintBox(this);
    m_gratingPic->setObjectName(QStringLiteral("GratingPic"));
    m_gratingPic->setGeometry(2, 84, 300, 300);

    auto *label8 = new QLabel(tr("wavelength"), this);
    label8->setObjectName(QStringLiteral("Label8"));
    label8->move(313, 13);
    m_wavelength = makeBar(this, "GratingWLhsb", 400, 700, 400, QRect(313, 35, 104, 17));
    Hints::setHint(m_wavelength, tr("set wavelength|Set the wavelength of the light"));
    m_linesLabel = new QLabel(tr("Lines per mm = %1").arg(300), this);
    m_linesLabel->setObjectName(QStringLiteral("LinesLabel"));
    m_linesLabel->setGeometry(310, 65, 130, 16);
    m_lines = makeBar(this, "LinesHsb", 100, 600, 300, QRect(311, 87, 105, 17));
    Hints::setHint(m_lines, tr("set  line spacing|Set the spacing of the lines on the grating"));
    m_telescope = makeBar(this, "GratingHsb", -900, 900, 0, QRect(8, 394, 288, 18));
    m_telescope->setPageStep(50);
    Hints::setHint(m_telescope, tr("move telescope|Turn the telescope round the table"));

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
}

void GratingPage::GratingHsbChange()
{
    Grating::DrawSpectrometer(m_gratingPic->canvas(), 0, 0, -m_telescope->value(), m_lines->value(),
                              m_wavelength->value(), session().screenMode);
    Grating::DrawTelescopeView(m_specPic->canvas(), m_wavelength->value(), m_lines->value(), -m_telescope->value());
    m_linesLabel->setText(tr("Lines per mm = %1").arg(m_lines->value()));
}
