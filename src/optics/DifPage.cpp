#include "optics/DifPage.h"

#include "chart/Chart.h"
#include "gdi/PaintBox.h"
#include "gdi/ScreenReader.h"
#include "optics/NSlitDif.h"
#include "shell/GraphCommands.h"
#include "shell/Hints.h"
#include "shell/PageControls.h"

#include <QCheckBox>
#include <QLabel>
#include <QPrinter>
#include <QSlider>
#include <QToolButton>

#include <tuple>

namespace {

constexpr int ChartTop = 79;

} // namespace

DifPage::DifPage(Session &session, QWidget *parent)
    : TopicPage(session, 2, parent)
{
    auto *panel5 = new QWidget(this);
    panel5->setObjectName(QStringLiteral("Panel5"));
    panel5->setGeometry(0, 0, 430, 46);
    using namespace PageControls;
    m_slitsLabel = label(panel5, "NSlitLabel", tr("number of slits %1").arg(2), QRect(1, 0, 104, 16));
    m_separationLabel = label(panel5, "NsepLabel", tr("slit separation %1").arg(2), QRect(108, 0, 104, 16));
    m_widthLabel = label(panel5, "NwidthLabel", tr("slit width %1").arg(1), QRect(218, 0, 104, 16));
    // One tick per step; a page step of one as well.
    m_slits = trackBar(panel5, "DifNslitsHsb", 1, 10, 2, QRect(-1, 16, 92, 23), 1);
    m_separation = trackBar(panel5, "DifSlitSepHsb", 1, 10, 2, QRect(105, 16, 89, 23), 1);
    m_width = trackBar(panel5, "DifSlitWidthHsb", 1, 10, 1, QRect(209, 16, 89, 23), 1);
    m_envelope = new QCheckBox(tr("envelope"), panel5);
    m_envelope->setObjectName(QStringLiteral("EnvelopeChk"));
    m_envelope->setGeometry(300, 18, 76, 20);
    m_unzoom = flatButton(panel5, "UnZoomBtn", tr("restore"), QRect(379, 1, 44, 40));
    m_unzoom->setEnabled(false);

    m_panel9 = new QWidget(this);
    m_panel9->setObjectName(QStringLiteral("Panel9"));
    m_strip = paintBox(m_panel9, "NSpic", QRect());

    m_chart = new Chart(this);
    m_chart->setObjectName(QStringLiteral("DifChart"));
    m_chart->setBackgroundColor(Qt::white);
    m_chart->setTitle(tr("Multiple slit diffraction"));
    m_chart->setTitleVisible(false);
    m_chart->setLegendVisible(false);
    m_chart->setAxisLinesVisible(false);
    m_chart->setAxisTitle(Chart::Axis::Bottom, tr("angle"));
    m_chart->setAxisRange(Chart::Axis::Bottom, -90, 90);
    m_chart->setMinorTickCount(Chart::Axis::Bottom, 4);
    m_chart->setAxisTitle(Chart::Axis::Left, tr("Intensity"));
    m_chart->setAxisAutomatic(Chart::Axis::Left);
    m_chart->setMinorTickCount(Chart::Axis::Left, 4);
    m_chart->setTickColor(QColor(64, 0, 64));
    Hints::setHint(m_chart, tr("Drag down and right with the  left mouse button to zoom in; Use right button to pan "
                               "graph"));
    m_series1 = m_chart->addSeries(Chart::SeriesKind::FastLine, QColor(255, 0, 0), tr("interference pattern"));
    m_series2 = m_chart->addSeries(Chart::SeriesKind::FastLine, QColor(0, 128, 0), tr("single slit envelope"));

    for (QSlider *bar : {m_slits, m_separation, m_width}) {
        connect(bar, &QSlider::valueChanged, this, [this, bar] { DoSlitSizes(bar); });
    }
    connect(m_envelope, &QCheckBox::clicked, this, &DifPage::fillChart);
    connect(m_unzoom, &QToolButton::clicked, m_chart, &Chart::undoZoom);
    connect(m_chart, &Chart::zoomed, this, [this] { m_unzoom->setEnabled(true); });
    connect(m_chart, &Chart::scrolled, this, [this] { m_unzoom->setEnabled(true); });
    connect(m_chart, &Chart::undoneZoom, this, [this] { m_unzoom->setEnabled(false); });
    connect(m_strip, &PaintBox::paint, this, &DifPage::drawStrip);

    // Each slider is named by its label, which also tells its value.
    for (const auto &[bar, label, description] :
         {std::tuple{m_slits, m_slitsLabel, tr("Set the number of slits")},
          std::tuple{m_separation, m_separationLabel, tr("Set the separation of the slits")},
          std::tuple{m_width, m_widthLabel, tr("Set the width of each slit")}}) {
        label->setBuddy(bar);
        bar->setAccessibleDescription(description);
    }
    m_envelope->setAccessibleDescription(tr("Show the single-slit envelope on the chart"));
    m_unzoom->setAccessibleDescription(tr("Restore the whole chart after zooming or panning"));
    m_chart->setAccessibleName(tr("intensity against angle"));
    ScreenReader::describe(m_strip, tr("pattern on the screen"), [this] {
        return tr("Bright lines on the screen from %1 slits, separation %2, width %3.")
            .arg(m_slits->value())
            .arg(m_separation->value())
            .arg(m_width->value());
    });
}

void DifPage::startUp()
{
    fillChart();
}

void DifPage::layOut()
{
    const QSize page = logicalSize();
    place(m_panel9, {0, 46, page.width(), 33});
    // The strip stretches with the page: 387 pixels on a 440-pixel page.
    place(m_strip, {41, 2, std::max(10, page.width() - 53), 25});
    place(m_chart, {0, ChartTop, page.width(), std::max(1, page.height() - ChartTop)});
}

void DifPage::DoSlitSizes(QObject *sender)
{
    if (sender == m_slits) {
        m_slitsLabel->setText(tr("number of slits %1").arg(m_slits->value()));
    } else if (sender == m_separation) {
        m_separationLabel->setText(tr("slit separation %1").arg(m_separation->value()));
    } else if (sender == m_width) {
        m_widthLabel->setText(tr("slit width %1").arg(m_width->value()));
    } else {
        return;
    }
    fillChart();
    drawStrip();
}

void DifPage::fillChart()
{
    const int n = m_slits->value();
    const int d = m_separation->value();
    const int a = m_width->value();
    m_chart->clear(m_series1);
    m_chart->clear(m_series2);
    for (const QPointF &p : NSlitDif::pattern(n, d, a)) {
        m_chart->add(m_series1, p.x(), p.y());
    }
    if (m_envelope->isChecked()) {
        for (const QPointF &p : NSlitDif::envelopeSeries(n, d, a)) {
            m_chart->add(m_series2, p.x(), p.y());
        }
    }
}

void DifPage::drawStrip()
{
    // The strip reads the pattern back from the chart, always the full sweep.
    std::vector<QPointF> pattern;
    const int count = m_chart->count(m_series1);
    pattern.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i) {
        pattern.push_back(m_chart->point(m_series1, i));
    }
    const int w = m_strip->pictureWidth();
    Gdi::Bitmap bitmap(w, 25);
    Gdi::Canvas &c = bitmap.canvas();
    c.brush.color = Qt::black;
    c.fillRect(0, 0, w, 25);
    for (const auto &[x, v] : NSlitDif::stripColumns(pattern, w, m_slits->value())) {
        c.brush.color = QColor(v, 0, 0);
        c.fillRect(x, 0, x + 1, 25);
    }
    m_strip->canvas().draw(0, 0, bitmap.image());
}

bool DifPage::printChart(QPrinter &printer, QString *error)
{
    return printChartPage(printer, error, [this](ChartPainter &target, Gdi::Canvas &c, Gdi::Rect r) {
        const int h = c.textHeight(QStringLiteral("m"));
        const QString title = tr("Angular Intensity distribution graph");
        c.textOut((r.left + r.right - c.textWidth(title)) / 2, r.top - c.textHeight(title), title);
        c.setFontSize(10);
        c.textOut(r.left, r.top + h, tr("number of slits %1").arg(m_slits->value()));
        c.textOut(r.left, r.top + 2 * h, tr("slit separation %1").arg(m_separation->value()));
        c.textOut(r.left, r.top + 3 * h, tr("slit width %1").arg(m_width->value()));
        m_chart->render(target, r.offset(0, 4 * h).toQRect());
    });
}
