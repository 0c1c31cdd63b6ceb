#include "oscillations/GammaPage.h"

#include "chart/Chart.h"
#include "gdi/GdiMath.h"
#include "gdi/PaintBox.h"
#include "gdi/ScreenReader.h"
#include "oscillations/Gamma.h"
#include "shell/AnimSpd.h"
#include "shell/Hints.h"
#include "shell/PageControls.h"
#include "shell/ResultsTable.h"
#include "shell/Session.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace {

// Redraws of the counter within one counted second.
constexpr int CounterSteps = 5;

// The results table's columns.
enum Column { Distance, Thickness, Background, Time, Count, Rate };

// Points of the fit line drawn across the chart.
constexpr int FitPoints = 100;

// The readings the chart plots: rate against the varied quantity, for the
// counts made with the other quantity as in the latest count (a fair test
// holds it fixed), less the background rate when background was counted.
struct Readings
{
    QList<QPointF> points;
    double background = 0; // per second
    bool backgroundCounted = false;
    const QVariantList *latest = nullptr; // the latest count of the source
};

Readings plottedReadings(const QList<QVariantList> &rows, bool againstThickness, const QString &yes)
{
    Readings r;
    double backgroundCounts = 0;
    double backgroundSeconds = 0;
    for (const QVariantList &row : rows) {
        if (row[Background].toString() == yes) {
            backgroundCounts += row[Count].toDouble();
            backgroundSeconds += row[Time].toDouble();
        } else {
            r.latest = &row;
        }
    }
    r.backgroundCounted = backgroundSeconds > 0;
    r.background = r.backgroundCounted ? backgroundCounts / backgroundSeconds : 0;
    if (!r.latest) {
        return r;
    }
    const Column varied = againstThickness ? Thickness : Distance;
    const Column held = againstThickness ? Distance : Thickness;
    for (const QVariantList &row : rows) {
        if (row[Background].toString() != yes && row[held] == (*r.latest)[held]) {
            r.points << QPointF(row[varied].toDouble(), row[Rate].toDouble() - r.background);
        }
    }
    return r;
}

} // namespace

using namespace PageControls;

GammaPage::GammaPage(Session &session, QWidget *parent)
    : TopicPage(session, 10, parent)
{
    // The bench on a white lowered panel, with its captions.
    QFrame *panel = whitePanel(this, "GammaPanel", QRect(4, 4, 420, 132));
    label(panel, "SourceLabel", tr("gamma\nsource"), QRect(6, 60, 50, 30));
    // The caption stands beside the counter's top edge (the counter spans
    // 210..310 on the panel), over the picture's blank corner and in front of it.
    QLabel *counter = label(panel, "CounterLabel", tr("counter"), QRect(314, 4, 60, 16));
    m_pic = paintBox(panel, "GammaPic", QRect(60, 8, 341, 120));
    counter->raise();

    QLabel *detector = label(this, "DetectorLabel", tr("Detector position"), QRect(8, 144, 200, 16));
    m_gmt = scrollBar(this, "GmtHsb", 12, 3000, 500, QRect(8, 160, 270, 17), tr("move detector"));
    detector->setBuddy(m_gmt);
    QLabel *absorber = label(this, "AbsorberLabel", tr("Absorber position"), QRect(8, 184, 200, 16));
    m_absorber = scrollBar(this, "AbsorberHsb", 0, 3000, 100, QRect(8, 200, 270, 17), tr("move absorber"));
    absorber->setBuddy(m_absorber);
    m_thickLabel = label(this, "ThickLabel", tr("absorber thickness 5 mm"), QRect(8, 224, 200, 16));
    m_thick = scrollBar(this, "ThickHsb", 0, 10, 5, QRect(8, 240, 270, 17), tr("set absorber thickness"));
    m_thickLabel->setBuddy(m_thick);

    m_background = new QCheckBox(tr("measure background count"), this);
    m_background->setObjectName(QStringLiteral("BgndChk"));
    m_background->setGeometry(8, 266, 270, 20);

    m_start = button(this, "CountStartBtn", tr("count"), QRect(8, 294, 64, 26), tr("start count"));
    m_stop = button(this, "CountStopBtn", tr("stop"), QRect(78, 294, 64, 26), tr("stop count"));
    m_stop->setEnabled(false);
    label(this, "TimeCaption", tr("time (s)"), QRect(152, 299, 50, 16));
    m_time = label(this, "TimeLabel", QStringLiteral("0"), QRect(204, 296, 50, 22));
    m_time->setAlignment(Qt::AlignCenter);
    m_time->setFrameShape(QFrame::Panel);
    m_time->setFrameShadow(QFrame::Sunken);
    m_time->setAutoFillBackground(true);
    m_time->setPalette(panel->palette());

    label(this, "ZoomLabel", tr("Magnified view\nof scale"), QRect(296, 144, 120, 30));
    // Every count, finished or stopped, for the class's table of readings.
    addResults(
        "GammaResults",
        {tr("detector distance (mm)"), tr("absorber thickness (mm)"), tr("background"), tr("time counted (s)"),
         tr("count"), tr("count rate (per second)")},
        // Two-line heads, so that all six columns fit the page's width.
        {tr("distance\n(mm)"), tr("absorber\n(mm)"), tr("background"), tr("time\n(s)"), tr("count"), tr("rate\n(/s)")},
        QRect(4, 326, 420, 130));
    m_zoom = paintBox(this, "GammaZoomPic", QRect(296, 176, 120, 65));

    // Below the table: the readings plotted, for the inverse-square law and
    // the half-value thickness.
    m_chart = new Chart(this);
    m_chart->setObjectName(QStringLiteral("GammaChart"));
    m_chart->setGeometry(4, 462, 300, 180);
    m_chart->setBackgroundColor(Qt::white);
    m_chart->setLegendVisible(false);
    m_chart->setAxisLinesVisible(false);
    m_chart->setTickColor(QColor(64, 0, 64));
    Hints::setHint(m_chart, tr("The count rates of the results table; drag down and right to zoom in, up and left "
                               "to zoom out"));
    m_readings = m_chart->addSeries(Chart::SeriesKind::Point, QColor(0, 0, 255), tr("count rate"));
    m_fitLine = m_chart->addSeries(Chart::SeriesKind::FastLine, QColor(255, 0, 0), tr("fit"));
    m_plotAgainst = new RadioGroup(this, "GammaPlotRG", tr(" rate against "), {tr("distance"), tr("thickness")}, 0);
    m_plotAgainst->setGeometry(310, 462, 114, 62);
    Hints::setHint(m_plotAgainst, tr("Plot the count rate against the detector distance or the absorber thickness"));
    m_logScale = new QCheckBox(tr("log scale"), this);
    m_logScale->setObjectName(QStringLiteral("GammaLogChk"));
    m_logScale->setGeometry(310, 530, 114, 20);
    Hints::setHint(m_logScale, tr("Show the count rate on a logarithmic scale"));
    m_fit = new QCheckBox(tr("fit line"), this);
    m_fit->setObjectName(QStringLiteral("GammaFitChk"));
    m_fit->setGeometry(310, 552, 114, 20);
    Hints::setHint(m_fit, tr("Draw the inverse-square law or the exponential absorption through the readings"));
    m_fitLabel = label(this, "GammaFitLabel", QString(), QRect(4, 646, 420, 48));
    m_fitLabel->setWordWrap(true);
    m_fitLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    connect(results(), &ResultsTable::changed, this, &GammaPage::showReadings);
    connect(m_plotAgainst, &RadioGroup::clicked, this, &GammaPage::showReadings);
    for (QCheckBox *box : {m_logScale, m_fit}) {
        connect(box, &QCheckBox::toggled, this, &GammaPage::showReadings);
    }
    showReadings();

    connect(m_pic, &PaintBox::paint, this, [this] {
        Gamma::DrawGammaPicture(m_pic->canvas(), m_gmt->value(), m_absorber->value(), m_thick->value(),
                                m_background->isChecked(), m_count);
    });
    connect(m_zoom, &PaintBox::paint, this, [this] {
        Gamma::DrawDetectorZoom(m_zoom->canvas(), m_gmt->value(), m_absorber->value(), m_thick->value());
    });
    for (QScrollBar *bar : {m_gmt, m_absorber, m_thick}) {
        connect(bar, &QScrollBar::valueChanged, this, [this, bar] { GmtHsbChange(bar); });
    }
    connect(m_background, &QCheckBox::clicked, this, [this] { GmtHsbChange(m_background); });
    // The limits act on the position a drag or a click proposes, before it is taken.
    const auto limit = [](QScrollBar *bar, auto rule) {
        connect(bar, &QAbstractSlider::actionTriggered, bar, [bar, rule](int) {
            int proposed = bar->sliderPosition();
            rule(proposed);
            if (proposed != bar->sliderPosition()) {
                bar->setSliderPosition(proposed);
            }
        });
    };
    limit(m_gmt, [this](int &p) { GmtHsbScroll(p); });
    limit(m_absorber, [this](int &p) { AbsorberHsbScroll(p); });
    limit(m_thick, [this](int &p) { ThickHsbScroll(p); });
    connect(m_start, &QPushButton::clicked, this, &GammaPage::CountStartBtnClick);
    setRunButtons(m_start, m_stop, true);

    m_background->setAccessibleDescription(tr("Take the source away and count the background radiation"));
    ScreenReader::describe(m_pic, tr("gamma source, absorber and detector on a bench"), [this]() -> QString {
        const QString setting
            = m_background->isChecked()
                  ? tr("The source is away: the detector counts background only.")
                  : tr("The detector is %1 mm from the source behind %2 mm of absorber at %3 mm; it should count about "
                       "%4 per second.")
                        .arg(m_gmt->value())
                        .arg(m_thick->value())
                        .arg(m_absorber->value())
                        .arg(Gamma::CountRate(m_gmt->value(), m_thick->value()));
        return setting + tr(" The counter shows %1 after %2 s.").arg(m_count).arg(m_time->text());
    });
    ScreenReader::describe(m_zoom, tr("magnified view of the scale"),
                           [this] { return tr("The detector is at %1 mm on the scale.").arg(m_gmt->value()); });
}

void GammaPage::drawBench()
{
    Gamma::DrawGammaBench(m_pic->canvas(), 0, 70, m_gmt->value() / 10, m_absorber->value() / 10, m_thick->value(),
                          m_background->isChecked());
}

void GammaPage::showReadings()
{
    const bool againstThickness = m_plotAgainst->itemIndex() == 1;
    const Readings readings = plottedReadings(results()->rows(), againstThickness, tr("yes"));
    const QList<QPointF> &points = readings.points;

    m_chart->setAxisTitle(Chart::Axis::Bottom,
                          againstThickness ? tr("absorber thickness (mm)") : tr("detector distance (mm)"));
    m_chart->setAxisTitle(Chart::Axis::Left,
                          readings.backgroundCounted ? tr("rate less background (/s)") : tr("count rate (/s)"));
    m_chart->setLogarithmic(Chart::Axis::Left, m_logScale->isChecked());
    m_chart->clear(m_readings);
    m_chart->clear(m_fitLine);
    double xMax = againstThickness ? 10 : 100;
    double yMin = 1;
    double yMax = 1;
    for (const QPointF &p : points) {
        m_chart->add(m_readings, p.x(), p.y());
        xMax = std::max(xMax, p.x());
        yMax = std::max(yMax, p.y());
        if (p.y() > 0) {
            yMin = std::min(yMin, p.y());
        }
    }
    // Distances up to the next 100 mm past the farthest reading.
    if (!againstThickness) {
        xMax = 100 * std::ceil(xMax * 1.05 / 100);
    }
    // A little room left of 0, so that a reading there shows whole.
    m_chart->setAxisRange(Chart::Axis::Bottom, -0.02 * xMax, xMax);
    if (m_logScale->isChecked()) {
        m_chart->setAxisRange(Chart::Axis::Left, std::pow(10, std::floor(std::log10(yMin) - 0.3)),
                              std::pow(10, std::ceil(std::log10(yMax) + 0.1)));
    } else {
        m_chart->setAxisRange(Chart::Axis::Left, 0, yMax * 1.15);
    }

    QStringList text;
    if (points.isEmpty()) {
        text << tr("Each count adds its rate to the table and a point here.");
    } else if (againstThickness) {
        text << tr("Readings with the detector at %1 mm.").arg((*readings.latest)[Distance].toInt());
    } else {
        text << tr("Readings behind %1 mm of absorber.").arg((*readings.latest)[Thickness].toInt());
    }
    if (readings.backgroundCounted) {
        text
            << tr("Background %1 per second taken off.").arg(Gdi::numberLocale().toString(readings.background, 'f', 2));
    }
    if (m_fit->isChecked() && againstThickness) {
        if (const auto fit = Gamma::fitAbsorption(points)) {
            for (int i = 0; i <= FitPoints; ++i) {
                const double t = xMax * i / FitPoints;
                m_chart->add(m_fitLine, t, fit->rate(t));
            }
            text << tr("Exponential fit: half-value thickness %1 mm (absorption coefficient %2 per mm).")
                        .arg(Gdi::numberLocale().toString(fit->halfValueThickness(), 'f', 2),
                             Gdi::numberLocale().toString(fit->mu, 'f', 3));
        } else {
            text << tr("The fit needs readings at two thicknesses, the rate falling.");
        }
    } else if (m_fit->isChecked()) {
        if (const auto k = Gamma::fitInverseSquare(points)) {
            // Near the source the line leaves the chart's top; it is clipped there.
            for (int i = 1; i <= FitPoints; ++i) {
                const double d = xMax * i / FitPoints;
                m_chart->add(m_fitLine, d, *k / (d * d));
            }
            text << tr("Inverse-square fit: %1 per second at 1 m, four times as many at 0.5 m.")
                        .arg(Gdi::numberLocale().toString(*k / 1e6, 'g', 3));
        } else {
            text << tr("The fit needs a reading with a count.");
        }
    }
    m_fitLabel->setText(text.join(QLatin1Char(' ')));
    m_chart->replotNow();
}

void GammaPage::GmtHsbChange(QObject *sender)
{
    const int t = m_thick->value();
    m_thickLabel->setText(tr("absorber thickness %1 mm").arg(t));
    drawBench();
    if (sender == m_gmt) {
        Gamma::DrawDetectorZoom(m_zoom->canvas(), m_gmt->value(), m_absorber->value(), t);
    } else {
        Gamma::DrawAbsorberZoom(m_zoom->canvas(), m_gmt->value(), m_absorber->value(), t);
    }
}

void GammaPage::AbsorberHsbScroll(int &p)
{
    // The absorber's back face may not pass the detector.
    const int limit = m_gmt->value() - m_thick->value();
    if (limit < p && limit >= m_absorber->minimum()) {
        p = limit;
    }
}

void GammaPage::GmtHsbScroll(int &p)
{
    const int t = m_thick->value();
    if (t > 0 && m_absorber->value() + t > p) {
        p = m_absorber->value() + t;
    }
}

void GammaPage::ThickHsbScroll(int &p)
{
    const int s = m_gmt->value();
    m_absorber->setEnabled(p > 0);
    if (p > 0 && s - p < m_absorber->value() && s - p >= m_absorber->minimum()) {
        m_absorber->setValue(s - p);
    }
    if (s - m_absorber->value() < p && s - m_absorber->value() >= m_thick->minimum()) {
        p = s - m_absorber->value();
    }
}

void GammaPage::CountStartBtnClick()
{
    auto &run = session();
    m_count = 0;
    runStarted();
    m_time->setText(QStringLiteral("0"));
    int seconds = 0;
    // The rate is fixed when the run starts; background alone adds 0, 1 or 2
    // counts every third second.
    const double v = m_background->isChecked() ? 0.0008 : Gamma::CountRate(m_gmt->value(), m_thick->value()) / 100.0;
    for (int n = 1; n <= 60; ++n) {
        // The digits run up through the second, in steps of a hundredth.
        for (int step = 1; step <= CounterSteps; ++step) {
            const int j = step * 100 / CounterSteps;
            Gamma::DrawCounter(m_pic->canvas(), m_count + Gdi::roundHalfEven(j * v), 150, 0);
            if (!waitInEventLoop(MillisecondsPerSecond / CounterSteps, this)) {
                return; // the page is gone
            }
        }
        m_time->setText(QString::number(n));
        m_count += Gdi::roundHalfEven(100 * v);
        if (n % 3 == 0) {
            m_count += 2 - session().random.next(3);
        }
        seconds = n;
        if (!run.isAnimating()) {
            break;
        }
    }
    // The counter shows the whole count, the last second's background included.
    Gamma::DrawCounter(m_pic->canvas(), m_count, 150, 0);
    if (seconds > 0) {
        results()->addRow({m_gmt->value(), m_thick->value(), m_background->isChecked() ? tr("yes") : tr("no"), seconds,
                           m_count, double(m_count) / seconds});
    }
    showStopped();
}
