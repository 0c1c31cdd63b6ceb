#include "oscillations/SHMPage.h"

#include "chart/Chart.h"
#include "gdi/GdiMath.h"
#include "gdi/PaintBox.h"
#include "gdi/ScreenReader.h"
#include "oscillations/SHM.h"
#include "shell/AnimSpd.h"
#include "shell/GraphCommands.h"
#include "shell/Hints.h"
#include "shell/PageControls.h"
#include "shell/Session.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Height of the strip of sliders and buttons above the picture and the chart.
constexpr int StripHeight = 72;

} // namespace

SHMPage::SHMPage(Session &session, QWidget *parent)
    : TopicPage(session, 9, parent)
{
    using namespace PageControls;
    m_massLabel = label(this, "shmMassLabel", tr("mass 0.50 kg"), QRect(38, 4, 120, 16));
    m_stiffLabel = label(this, "shmStiffLabel", tr("k = 40 N/m"), QRect(170, 4, 120, 16));
    m_dampLabel = label(this, "shmDampLabel", tr("damping 0.20 kg/s"), QRect(302, 4, 130, 16));
    m_mass = scrollBar(this, "shmMassHsb", 10, 100, 50, QRect(38, 21, 120, 17), tr("mass on spring"));
    m_stiff = scrollBar(this, "shmStiffHsb", 1, 60, 40, QRect(170, 21, 120, 17), tr("spring constant"));
    m_damp = scrollBar(this, "shmDampHsb", 0, 500, 20, QRect(302, 21, 120, 17), tr("damping factor"));
    m_massLabel->setBuddy(m_mass);
    m_stiffLabel->setBuddy(m_stiff);
    m_dampLabel->setBuddy(m_damp);
    m_start = button(this, "shmStartBtn", tr("go"), QRect(38, 44, 60, 24), tr("release"));
    m_abort = button(this, "shmAbortBtn", tr("stop"), QRect(104, 44, 60, 24), tr("stop motion"));
    m_unzoom = button(this, "shmUnZoomBtn", tr("unzoom"), QRect(170, 44, 60, 24), tr("unzoom graph"));
    m_abort->setEnabled(false);
    m_unzoom->setEnabled(false);

    m_pic = paintBox(this, "SHMpic", QRect(), tr("Click and drag weight to set initial displacement"));

    m_chart = new Chart(this);
    m_chart->setObjectName(QStringLiteral("SHMChart"));
    m_chart->setBackgroundColor(Qt::white);
    m_chart->setLegendVisible(false);
    m_chart->setAxisLinesVisible(false);
    m_chart->setAxisTitle(Chart::Axis::Bottom, tr("time (s)"));
    m_chart->setAxisAutomatic(Chart::Axis::Bottom);
    m_chart->setMinorTickCount(Chart::Axis::Bottom, 4);
    m_chart->setAxisTitle(Chart::Axis::Left, tr("displacement"));
    m_chart->setAxisRange(Chart::Axis::Left, -10, 10);
    m_chart->setMinorTickCount(Chart::Axis::Left, 4);
    m_chart->setTickColor(QColor(64, 0, 64));
    Hints::setHint(m_chart, tr("To zoom in, drag down and right with the left button; drag up and left to zoom "
                               "out. Right button to pan graph"));
    m_series4 = m_chart->addSeries(Chart::SeriesKind::FastLine, QColor(255, 0, 0), tr("displacement"));
    m_series7 = m_chart->addSeries(Chart::SeriesKind::Point, QColor(0, 128, 0), tr("present state"));
    m_chart->setSeriesMoving(m_series7);

    for (QScrollBar *bar : {m_mass, m_stiff, m_damp}) {
        connect(bar, &QScrollBar::valueChanged, this, &SHMPage::UpdateSHMgraph);
    }
    connect(m_start, &QPushButton::clicked, this, &SHMPage::shmStartBtnClick);
    setRunButtons(m_start, m_abort, true);
    connect(m_unzoom, &QPushButton::clicked, m_chart, &Chart::undoZoom);
    connect(m_chart, &Chart::undoneZoom, this, [this] { m_unzoom->setEnabled(false); });
    connect(m_chart, &Chart::zoomed, this, [this] { m_unzoom->setEnabled(true); });
    connect(m_chart, &Chart::scrolled, this, [this] { m_unzoom->setEnabled(true); });

    connect(m_pic, &PaintBox::paint, this, [this] { drawMass(m_x0); });
    connect(m_pic, &PaintBox::mouseDown, this,
            [this](Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) { SHMpicMouseDown(x, y); });
    connect(m_pic, &PaintBox::mouseMove, this,
            [this](Qt::MouseButtons, Qt::KeyboardModifiers, int x, int y) { SHMpicMouseMove(x, y); });
    connect(m_pic, &PaintBox::mouseUp, this, [this] { m_buttonDown = 0; });

    connect(m_chart, &Chart::mouseDown, this, [this] { m_buttonDown = -1; });
    connect(m_chart, &Chart::mouseUp, this, [this] { m_buttonDown = 0; });
    connect(m_chart, &Chart::mouseMove, this, [this](Qt::MouseButtons, int x, int y) { SHMChartMouseMove(x, y); });
    // A redraw wipes the crosshair.
    connect(m_chart, &Chart::afterDraw, this, [this] { m_crosshair = QPoint(-1, -1); });

    // Up and down move the mass's starting point, as dragging it does.
    m_pic->setKeyHandler([this](const QKeyEvent &key) {
        if (key.key() != Qt::Key_Up && key.key() != Qt::Key_Down) {
            return false;
        }
        if (key.type() == QEvent::KeyPress) {
            m_x0 = std::clamp(std::round(m_x0) + (key.key() == Qt::Key_Up ? 1 : -1), -10.0, 10.0);
            UpdateSHMgraph();
        }
        return true;
    });
    m_chart->setAccessibleName(tr("displacement against time"));
    ScreenReader::describe(m_pic, tr("mass on a spring"), [this] {
        // The motion's kind follows from the decay rate gamma = b/m against
        // the natural angular frequency w0 = sqrt(k/m), as the graph does.
        const double k = m_stiff->value();
        const double m = m_mass->value() / 100.0;
        const double gamma = m_damp->value() / 100.0 / m;
        const double w0 = std::sqrt(k / m);
        QString motion;
        if (m_damp->value() == 0) {
            motion = tr("without damping");
        } else if (std::abs(gamma - w0) < 1e-9) {
            motion = tr("critically damped");
        } else {
            motion = gamma < w0 ? tr("under-damped") : tr("over-damped");
        }
        return tr("%1, %2, %3: released from displacement %4 (the up and down keys move it), the motion is %5; the "
                  "undamped "
                  "period is %6 s.")
            .arg(m_massLabel->text(), m_stiffLabel->text(), m_dampLabel->text(), Gdi::formatF(m_x0, 1), motion,
                 Gdi::formatF(2 * std::numbers::pi / w0));
    });
}

void SHMPage::layOut()
{
    const QSize page = logicalSize();
    const int below = std::max(1, page.height() - StripHeight);
    place(m_pic, {0, StripHeight, 30, below});
    place(m_chart, {30, StripHeight, std::max(1, page.width() - 30), below});
}

void SHMPage::firstShow()
{
    // The first graph is drawn when the page comes into being; nothing of this
    // page can be running yet, and another page's animation goes on.
    fillGraph();
}

void SHMPage::drawMass(double x)
{
    m_massRect = SHM::DrawMassSpring(m_pic->canvas(), m_pic->pictureWidth(), m_pic->pictureHeight(), x);
}

void SHMPage::fillSeries(double k, double m, double b)
{
    const std::vector<QPointF> curve = SHM::ComputeSHMGraph(k, m, b / m, m_x0, m_timeScale, m_damp->value() == 0);
    m_chart->clear(m_series4);
    for (const QPointF &p : curve) {
        m_chart->add(m_series4, p.x(), p.y());
    }
    m_chart->clear(m_series7);
    m_chart->add(m_series7, 0, curve.front().y());
}

void SHMPage::UpdateSHMgraph()
{
    session().stopAnimations();
    showStopped();
    fillGraph();
}

void SHMPage::fillGraph()
{
    const double k = m_stiff->value();
    const double m = m_mass->value() / 100.0;
    const double b = m_damp->value() / 100.0;
    m_massLabel->setText(tr("mass %1 kg").arg(Gdi::formatF(m)));
    m_stiffLabel->setText(tr("k = %1 N/m").arg(Gdi::formatF(k)));
    m_dampLabel->setText(tr("damping %1 kg/s").arg(Gdi::formatF(b)));
    fillSeries(k, m, b);
    drawMass(m_x0);
}

void SHMPage::UpdateGraphTimescale(int seconds)
{
    if (seconds != m_timeScale) {
        m_timeScale = seconds;
        UpdateSHMgraph();
    }
}

void SHMPage::shmStartBtnClick()
{
    const int w = m_pic->pictureWidth();
    const int h = m_pic->pictureHeight();
    auto &run = session();
    runStarted();
    double xprev = m_chart->point(m_series4, 0).y();
    m_chart->clear(m_series7);
    m_chart->add(m_series7, 0, xprev);
    FramePacer pacer(this);
    for (int i = 1; i < SHM::Samples; ++i) {
        const QPointF p = m_chart->point(m_series4, i);
        m_chart->setPoint(m_series7, 0, p.x(), p.y());
        m_massRect = SHM::DrawMassSpring(m_pic->canvas(), w, h, p.y());
        if (!pacer.endFrame(session().speed(AnimSpeed::SHM))) {
            return; // the page is gone
        }
        // Every 13 frames: a mass that moved less than 0.05 has come to rest.
        if (i % 13 == 0) {
            if (std::fabs(p.y() - xprev) < 0.05) {
                run.stopAnimations();
            } else {
                xprev = p.y();
            }
        }
        if (!run.isAnimating()) {
            break;
        }
    }
    run.stopAnimations();
    showStopped();
}

void SHMPage::stopped()
{
    showStopped();
}

void SHMPage::SHMpicMouseDown(int x, int y)
{
    if (m_massRect.contains(QPoint(x, y))) {
        m_buttonDown = -1;
    }
}

void SHMPage::SHMpicMouseMove(int x, int y)
{
    m_pic->setCursor(m_massRect.contains(QPoint(x, y)) ? Qt::PointingHandCursor : Qt::ArrowCursor);
    if (m_buttonDown == 0) {
        return;
    }
    const double displacement = SHM::MouseYToDisplacement(m_pic->pictureWidth(), m_pic->pictureHeight(), y);
    if (displacement >= -10 && displacement <= 10) {
        m_x0 = displacement;
        UpdateSHMgraph();
    }
}

void SHMPage::SHMChartMouseMove(int x, int y)
{
    if (m_buttonDown != 0 || !session().showCrosshair) {
        return;
    }
    if (m_crosshair.x() != -1) {
        m_chart->toggleCrosshair(m_crosshair);
        m_crosshair = QPoint(-1, -1);
    }
    if (m_chart->plotRect().contains(x, y)) {
        m_chart->toggleCrosshair(QPoint(x, y));
        m_crosshair = QPoint(x, y);
    }
}

bool SHMPage::printChart(QPrinter &printer, QString *error)
{
    return PrintSHMGraph(printer, error);
}

bool SHMPage::PrintSHMGraph(QPrinter &printer, QString *error)
{
    return printChartPage(printer, error, [this](ChartPainter &target, Gdi::Canvas &c, const Gdi::Rect &r) {
        const int h = c.textHeight(QStringLiteral("m"));
        const QString title = tr("Displacement - time graph for damped S.H.M.");
        c.textOut((r.left + r.right - c.textWidth(title)) / 2, r.top - c.textHeight(title), title);
        c.setFontSize(10);
        c.textOut(r.left, r.bottom + h, tr("Mass = %1 kg").arg(Gdi::formatF(m_mass->value() / 100.0)));
        c.textOut(r.left, r.bottom + 2 * h, tr("Spring constant = %1 N/m").arg(m_stiff->value()));
        c.textOut(r.left, r.bottom + 3 * h, tr("Damping = %1 kg/s").arg(Gdi::formatF(m_damp->value() / 100.0)));
        m_chart->render(target, r.toQRect());
    });
}
