#include "waves/SumWavePage.h"

#include "chart/Chart.h"
#include "gdi/GdiMath.h"
#include "gdi/PaintBox.h"
#include "gdi/ScreenReader.h"
#include "shell/GraphCommands.h"
#include "shell/Hints.h"
#include "shell/PageControls.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QScrollBar>
#include <QToolButton>

#include <cmath>
#include <numbers>

namespace {

constexpr int Panel6Height = 172;

} // namespace

using namespace PageControls;

SumWavePage::SumWavePage(Session &session, QWidget *parent)
    : TopicPage(session, 8, parent)
{
    auto *panel6 = new QWidget(this);
    panel6->setObjectName(QStringLiteral("Panel6"));
    panel6->setGeometry(0, 0, 470, Panel6Height);
    m_wavePic = paintBox(panel6, "spWavePic", QRect(2, 2, 210, 160));

    m_fLabel = label(panel6, "spFLabel", {}, QRect(218, 2, 104, 16));
    m_frequency = scrollBar(panel6, "spFrequencyHsb", 5, 100, 5, QRect(218, 18, 100, 17), tr("set frequency"));
    m_aLabel = label(panel6, "spAlabel", {}, QRect(218, 40, 104, 16));
    m_amplitude = scrollBar(panel6, "spAmpHsb", 0, 100, 50, QRect(218, 56, 100, 17), tr("set amplitude"));
    m_pLabel = label(panel6, "spPlabel", {}, QRect(218, 78, 104, 16));
    m_phase = scrollBar(panel6, "spPhaseHsb", -360, 360, 0, QRect(218, 94, 100, 17), tr("set phase"));
    m_fLabel->setBuddy(m_frequency);
    m_aLabel->setBuddy(m_amplitude);
    m_pLabel->setBuddy(m_phase);
    m_phase->setPageStep(10);

    QToolButton *add = flatButton(panel6, "spAddWaveBtn", tr("add"), QRect(218, 118, 48, 24),
                                  tr("add to combined wave"));
    QToolButton *clear = flatButton(panel6, "spClearListBtn", tr("clear"), QRect(270, 118, 48, 24), tr("clear list"));
    QToolButton *series = flatButton(panel6, "spSquareBtn", tr("series"), QRect(218, 144, 100, 24), tr("wave series"));
    auto *seriesMenu = new QMenu(this);
    seriesMenu->setObjectName(QStringLiteral("spWavePUM"));
    QAction *square = seriesMenu->addAction(tr("Square wave"));
    square->setObjectName(QStringLiteral("Squarewave1"));
    QAction *triangle = seriesMenu->addAction(tr("Triangular wave"));
    triangle->setObjectName(QStringLiteral("Triangularwave1"));
    series->setMenu(seriesMenu);
    series->setPopupMode(QToolButton::InstantPopup);

    m_list = new QListWidget(panel6);
    m_list->setObjectName(QStringLiteral("WaveList"));
    m_list->setGeometry(324, 4, 112, 148);
    m_list->setUniformItemSizes(true);
    Hints::setHint(m_list, tr("Click to select; press DELETE to remove an entry"));
    m_list->installEventFilter(this);

    m_chart = new Chart(this);
    m_chart->setObjectName(QStringLiteral("spChart"));
    m_chart->setTitle(tr("combined wave"));
    m_chart->setBackgroundColor(Qt::white);
    m_chart->setLegendVisible(false);
    m_chart->setAxisLinesVisible(false);
    m_chart->setAxisTitle(Chart::Axis::Bottom, tr("angle"));
    m_chart->setMinorTickCount(Chart::Axis::Bottom, 0);
    m_chart->setAxisTitle(Chart::Axis::Left, tr("amplitude"));
    m_chart->setMinorTickCount(Chart::Axis::Left, 4);
    m_chart->setTickColor(QColor(64, 0, 64));
    Hints::setHint(m_chart, tr("Drag down and right with the  left mouse button to zoom in; Use right button to pan "
                               "graph"));
    m_series3 = m_chart->addSeries(Chart::SeriesKind::FastLine, QColor(255, 0, 0), tr("sum of the waves"));

    connect(m_wavePic, &PaintBox::paint, this, &SumWavePage::UpdateSPSingleWave);
    for (QScrollBar *bar : {m_frequency, m_amplitude, m_phase}) {
        connect(bar, &QScrollBar::valueChanged, this, &SumWavePage::UpdateSPSingleWave);
    }
    connect(add, &QToolButton::clicked, this, &SumWavePage::spAddWaveBtnClick);
    connect(clear, &QToolButton::clicked, this, &SumWavePage::spClearListBtnClick);
    connect(square, &QAction::triggered, this, &SumWavePage::FillSquareSeries);
    connect(triangle, &QAction::triggered, this, &SumWavePage::FillTriangleSeries);
    connect(m_list, &QListWidget::itemClicked, this, &SumWavePage::WaveListClick);

    m_chart->setAccessibleName(tr("sum of the waves against angle"));
    m_list->setAccessibleName(tr("waves added"));
    m_list->setAccessibleDescription(tr("The waves added to the sum; click one to show it again"));
    ScreenReader::describe(m_wavePic, tr("wave to add"), [this] {
        const std::array<QString, 3> texts = settingTexts();
        return tr("A sine wave of %1, %2, %3 degrees. %n waves added so far.", nullptr, int(m_waves.size()))
            .arg(texts[0], texts[1], texts[2]);
    });
    InitSumSeries();
}

void SumWavePage::startUp()
{
    InitSumSeries();
}

void SumWavePage::layOut()
{
    const QSize page = logicalSize();
    place(m_chart, {0, Panel6Height, page.width(), std::max(1, page.height() - Panel6Height)});
}

std::array<QString, 3> SumWavePage::settingTexts() const
{
    return {tr("frequency = %1").arg(Gdi::formatF(m_frequency->value() / 5.0)),
            tr("amplitude = %1").arg(Gdi::formatF(m_amplitude->value() / 10.0, 1)),
            tr("phase = %1").arg(m_phase->value())};
}

void SumWavePage::UpdateSPSingleWave()
{
    const double f = m_frequency->value() / 5.0;
    const double a = m_amplitude->value() / 10.0;
    const int phase = m_phase->value();
    const std::array<QString, 3> texts = settingTexts();
    m_fLabel->setText(texts[0]);
    m_aLabel->setText(texts[1]);
    m_pLabel->setText(texts[2]);
    SuperWave::DrawSingleWave(m_wavePic->canvas(), phase * std::numbers::pi / 180, f, 7 * a);
}

void SumWavePage::showSum()
{
    const std::vector<double> &values = m_sum.values();
    if (m_chart->count(m_series3) != int(values.size())) {
        m_chart->clear(m_series3);
        for (std::size_t i = 0; i < values.size(); ++i) {
            m_chart->add(m_series3, 2.0 * double(i), values[i]);
        }
    } else {
        for (std::size_t i = 0; i < values.size(); ++i) {
            m_chart->setPoint(m_series3, int(i), 2.0 * double(i), values[i]);
        }
    }
    m_chart->setAxisRange(Chart::Axis::Bottom, 0, 2 * m_sum.lastIndex());
    if (m_sum.automaticAxis()) {
        m_chart->setAxisAutomatic(Chart::Axis::Left);
    } else {
        m_chart->setAxisRange(Chart::Axis::Left, -1.0, 1.0);
    }
}

void SumWavePage::InitSumSeries()
{
    m_sum.reset(m_sum.lastIndex());
    showSum();
}

void SumWavePage::ZeroSumSeries()
{
    m_sum.zero();
    showSum();
}

void SumWavePage::RebuildSum()
{
    m_sum.reset(m_sum.lastIndex());
    for (const SuperWave::TSineInfo &wave : m_waves) {
        m_sum.add(wave);
    }
    showSum();
}

void SumWavePage::ClearWaveList()
{
    m_list->clear();
    m_waves.clear();
}

void SumWavePage::appendWave(const SuperWave::TSineInfo &wave)
{
    m_waves.push_back(wave);
    // The list is words: its numbers follow the language ("5,0sin(x - 90)");
    // the picture keeps the point.
    m_list->addItem(SuperWave::SineFormula(wave).replace(QLatin1Char('.'), Gdi::numberLocale().decimalPoint()));
}

void SumWavePage::spAddWaveBtnClick()
{
    const SuperWave::TSineInfo wave{m_amplitude->value() / 10.0, m_phase->value(), m_frequency->value() / 5.0};
    m_sum.add(wave);
    showSum();
    appendWave(wave);
}

void SumWavePage::spClearListBtnClick()
{
    ClearWaveList();
    ZeroSumSeries();
}

void SumWavePage::WaveListClick()
{
    const int row = m_list->currentRow();
    if (row < 0 || row >= int(m_waves.size())) {
        return;
    }
    const SuperWave::TSineInfo &wave = m_waves[std::size_t(row)];
    m_amplitude->setValue(std::abs(Gdi::roundHalfEven(10 * wave.Amplitude)));
    m_frequency->setValue(Gdi::roundHalfEven(5 * wave.Frequency));
    m_phase->setValue(wave.Phase);
}

void SumWavePage::deleteSelectedWave()
{
    const int k = m_list->currentRow();
    if (k < 0 || k >= int(m_waves.size())) {
        return;
    }
    m_sum.subtract(m_waves[std::size_t(k)]);
    m_waves.erase(m_waves.begin() + k);
    delete m_list->takeItem(k);
    if (!m_waves.empty()) {
        m_list->setCurrentRow(std::max(0, k - 1));
        showSum();
        WaveListClick();
    } else {
        ZeroSumSeries();
    }
}

bool SumWavePage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_list && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Delete) {
        deleteSelectedWave();
        return true;
    }
    return TopicPage::eventFilter(watched, event);
}

void SumWavePage::fillSeries(const std::vector<SuperWave::TSineInfo> &terms)
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    ClearWaveList();
    m_sum.zero();
    for (const SuperWave::TSineInfo &term : terms) {
        m_sum.add(term);
        appendWave(term);
    }
    showSum();
    if (!m_waves.empty()) {
        m_list->setCurrentRow(0);
        WaveListClick();
    }
    QGuiApplication::restoreOverrideCursor();
}

void SumWavePage::FillSquareSeries()
{
    fillSeries(SuperWave::squareSeries());
}

void SumWavePage::FillTriangleSeries()
{
    fillSeries(SuperWave::triangleSeries());
}

int SumWavePage::graphXAxisRange() const
{
    const int last = SumLastIndex();
    return last == 180 ? 1 : (last == 360 ? 2 : 3);
}

void SumWavePage::N360degrees1Click(int tag)
{
    const int lastIndex = tag == 1 ? 180 : (tag == 2 ? 360 : 720);
    m_sum.reset(lastIndex);
    RebuildSum();
}

bool SumWavePage::printChart(QPrinter &printer, QString *error)
{
    return printChartPage(printer, error, [this](ChartPainter &target, Gdi::Canvas &c, const Gdi::Rect &r) {
        // The chart with its title "combined wave", and the listed waves' formulas
        // under it, in a second column when they do not fit one.
        m_chart->render(target, r.toQRect());
        c.setFontSize(10);
        const int h = c.textHeight(QStringLiteral("m"));
        const int pageBottom = c.device()->height();
        int x = r.left;
        int y = r.bottom + h;
        for (const SuperWave::TSineInfo &wave : m_waves) {
            if (y + h > pageBottom) {
                x += (r.right - r.left) / 2;
                y = r.bottom + h;
            }
            c.textOut(x, y, SuperWave::SineFormula(wave));
            y += h;
        }
    });
}
