#include "oscillations/ResonancePage.h"

#include "chart/Chart.h"
#include "gdi/GdiMath.h"
#include "gdi/PaintBox.h"
#include "gdi/ScreenReader.h"
#include "oscillations/Resonance.h"
#include "shell/AnimSpd.h"
#include "shell/GraphCommands.h"
#include "shell/Hints.h"
#include "shell/PageControls.h"
#include "shell/Session.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include <cmath>
#include <numbers>

namespace {

constexpr int StripHeight = 72;
// The picture routine is given a width of 50 for the 48-pixel paint box.
constexpr int PictureWidth = 50;

// Driving angular frequency of the slider: position / 10 Hz.
double drivingAngularFrequency(int position)
{
    return position * 2 * std::numbers::pi / 10;
}

} // namespace

ResonancePage::ResonancePage(Session &session, QWidget *parent)
    : TopicPage(session, 14, parent)
{
    using namespace PageControls;
    m_dampLabel = label(this, "ResDampLabel", tr("damping"), QRect(56, 4, 140, 16));
    m_damping = scrollBar(this, "ResDampingHsb", 25, 200, 100, QRect(56, 21, 140, 17), tr("set damping"));
    m_driverLabel = label(this, "DriverLabel", tr("driving frequency"), QRect(210, 4, 170, 16));
    m_driver = scrollBar(this, "DriverHsb", 10, 100, 47, QRect(210, 21, 140, 17), tr("set driving frequency"));
    m_dampLabel->setBuddy(m_damping);
    m_driverLabel->setBuddy(m_driver);
    m_start = button(this, "ResStartBtn", tr("start"), QRect(56, 44, 60, 24), tr("start animation"));
    m_stop = button(this, "ResStopBtn", tr("stop"), QRect(122, 44, 60, 24), tr("stop animation"));
    m_stop->setEnabled(false);

    m_pic = paintBox(this, "ResPic", QRect());
    m_chart = new Chart(this);
    m_chart->setObjectName(QStringLiteral("ResChart"));
    m_chart->setTitle(tr("Graph of amplitude v driving frequency"));
    m_chart->setLegendVisible(false);
    m_chart->setAxisLinesVisible(false);
    m_chart->setAxisTitle(Chart::Axis::Bottom, tr("driving frequency (Hz)"));
    m_chart->setAxisRange(Chart::Axis::Bottom, 0, 10);
    m_chart->setTickStep(Chart::Axis::Bottom, 1);
    m_chart->setMinorTickCount(Chart::Axis::Bottom, 4);
    m_chart->setAxisTitle(Chart::Axis::Left, tr("amplitude"));
    m_chart->setAxisRange(Chart::Axis::Left, 0, 10);
    m_chart->setTickColor(QColor(64, 0, 64));
    Hints::setHint(m_chart, tr("To zoom in, drag down and right with the left button; drag up and left to zoom "
                               "out. Right button to pan graph"));
    m_series5 = m_chart->addSeries(Chart::SeriesKind::FastLine, QColor(255, 0, 0), tr("response curve"));
    m_series6 = m_chart->addSeries(Chart::SeriesKind::Point, QColor(0, 128, 0), tr("present driving frequency"));

    for (QScrollBar *bar : {m_damping, m_driver}) {
        connect(bar, &QScrollBar::valueChanged, this, &ResonancePage::ResDampingHsbChange);
    }
    connect(m_start, &QPushButton::clicked, this, &ResonancePage::ResStartBtnClick);
    setRunButtons(m_start, m_stop, true);
    // At rest unless a run is drawing the frames.
    connect(m_pic, &PaintBox::paint, this, [this] {
        if (!this->session().isAnimating()) {
            Resonance::DrawResonator(m_pic->canvas(), PictureWidth, m_pic->pictureHeight(), 0);
        }
    });

    m_chart->setAccessibleName(tr("amplitude against driving frequency"));
    ScreenReader::describe(m_pic, tr("driven mass between two springs"), [this] {
        const double wd = drivingAngularFrequency(m_driver->value());
        return tr("Driven at %1 Hz with %2; the natural frequency is %3 Hz. The steady amplitude is %4.")
            .arg(Gdi::formatF(wd / (2 * std::numbers::pi), 1), m_dampLabel->text(),
                 Gdi::formatF(Resonance::NaturalAngularFrequency / (2 * std::numbers::pi), 1),
                 Gdi::formatF(Resonance::ResonanceAmplitude(wd, m_damping->value()), 1));
    });
}

void ResonancePage::startUp()
{
    ResDampingHsbChange();
}

void ResonancePage::layOut()
{
    const QSize page = logicalSize();
    const int below = std::max(1, page.height() - StripHeight);
    place(m_pic, {0, StripHeight, 48, below});
    place(m_chart, {48, StripHeight, std::max(1, page.width() - 48), below});
}

void ResonancePage::DrawResonanceCurve()
{
    const int p = m_damping->value();
    m_chart->clear(m_series5);
    for (const QPointF &point : Resonance::responseCurve(p)) {
        m_chart->add(m_series5, point.x(), point.y());
    }
    const double wd = drivingAngularFrequency(m_driver->value());
    m_chart->clear(m_series6);
    m_chart->add(m_series6, wd / (2 * std::numbers::pi), Resonance::ResonanceAmplitude(wd, p));
}

void ResonancePage::ResDampingHsbChange()
{
    DrawResonanceCurve();
    m_dampLabel->setText(tr("damping %1").arg(Gdi::formatF(m_damping->value() / 100.0)));
    m_driverLabel->setText(tr("driving frequency %1 Hz").arg(Gdi::formatF(m_driver->value() / 10.0)));
}

void ResonancePage::ResStartBtnClick()
{
    auto &run = session();
    runStarted();
    int n = 0;
    constexpr double dt = 0.001; // one millisecond of model time per frame
    FramePacer pacer(this);
    while (run.isAnimating()) {
        const double wd = drivingAngularFrequency(m_driver->value());
        const double a = 0.75 * Resonance::ResonanceAmplitude(wd, m_damping->value());
        double phase = n * wd * dt;
        if (phase >= 2 * std::numbers::pi) {
            n = 0;
            phase = 0;
        }
        const double x = a * std::sin(phase);
        Resonance::DrawResonator(m_pic->canvas(), PictureWidth, m_pic->pictureHeight(), x);
        Q_EMIT frameDrawn(x);
        ++n;
        if (!pacer.endFrame(session().speed(AnimSpeed::Resonance))) {
            return;
        }
    }
    showStopped();
}

void ResonancePage::stopped()
{
    // The stopped resonator rests at its centre.
    Resonance::DrawResonator(m_pic->canvas(), PictureWidth, m_pic->pictureHeight(), 0);
}

bool ResonancePage::printChart(QPrinter &printer, QString *error)
{
    // The chart alone, with its own title.
    return printChartPage(printer, error, [this](ChartPainter &target, Gdi::Canvas &, const Gdi::Rect &r) {
        m_chart->render(target, r.toQRect());
    });
}
