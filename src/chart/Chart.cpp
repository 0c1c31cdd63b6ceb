#include "chart/Chart.h"

#include "chart/ChartData.h"
#include "gdi/GdiMath.h"
#include "gdi/ScreenReader.h"

#include <qcustomplot.h>

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QKeyEvent>
#include <QMimeData>
#include <QRubberBand>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

// Draws a set number of minor ticks between major ticks.
class MinorTicker : public QCPAxisTicker
{
public:
    int minorTicks = 4;
    double fixedStep = 0;

protected:
    int getSubTickCount(double) override { return minorTicks; }
    double getTickStep(const QCPRange &range) override
    {
        return fixedStep > 0 ? fixedStep : QCPAxisTicker::getTickStep(range);
    }
};

// Smallest drag, in pixels, that counts as a zoom rectangle.
constexpr int MinimumZoomDrag = 4;

// Charts are laid out at the screen's 96 pixels per inch and scaled to a
// printer's resolution, so fonts and margins keep their proportions on paper.
constexpr double LayoutDpi = 96.0;

// The chart's fonts are sized in pixels of that layout; a point size would be
// converted once more at the printer's resolution.
QFont layoutFont(QFont font)
{
    if (font.pixelSize() <= 0) {
        font.setPixelSize(qRound(font.pointSizeF() * LayoutDpi / 72.0));
    }
    return font;
}

// The paint buffer every layer of a chart is drawn into. QCustomPlot's own
// buffer is cleared to transparent and blended over the background in every
// paint; this one is cleared to the background colour itself and copied, which
// at a projector's size saves a fill and a blend of the whole chart each time
// the chart is shown.
class OpaqueBuffer final : public QCPAbstractPaintBuffer
{
public:
    OpaqueBuffer(const QSize &size, double devicePixelRatio, std::function<QColor()> background)
        : QCPAbstractPaintBuffer(size, devicePixelRatio)
        , m_background(std::move(background))
    {
        OpaqueBuffer::reallocateBuffer();
    }

    QCPPainter *startPainting() override { return new QCPPainter(&m_image); }
    void draw(QCPPainter *painter) const override { painter->drawImage(0, 0, m_image); }
    void clear(const QColor &) override { m_image.fill(m_background()); }

protected:
    void reallocateBuffer() override
    {
        setInvalidated();
        m_image = QImage(mSize * mDevicePixelRatio, QImage::Format_RGB32);
        m_image.setDevicePixelRatio(mDevicePixelRatio);
    }

private:
    QImage m_image;
    std::function<QColor()> m_background;
};

// The buffer of the layer an animation redraws alone (a moving point). It
// holds little, so only the part that holds something is cleared, and only
// that part is blended over the chart when it is shown; `area` gives that
// part, in the chart's pixels, once the layer has been drawn.
class SparseBuffer final : public QCPAbstractPaintBuffer
{
public:
    SparseBuffer(const QSize &size, double devicePixelRatio, std::function<QRect()> area)
        : QCPAbstractPaintBuffer(size, devicePixelRatio)
        , m_area(std::move(area))
    {
        SparseBuffer::reallocateBuffer();
    }

    QCPPainter *startPainting() override { return new QCPPainter(&m_image); }
    void donePainting() override { m_used = m_area() & QRect(QPoint(0, 0), mSize); }
    void draw(QCPPainter *painter) const override
    {
        if (!m_used.isEmpty()) {
            const QRectF pixels(QPointF(m_used.topLeft()) * mDevicePixelRatio,
                                QSizeF(m_used.size()) * mDevicePixelRatio);
            painter->drawImage(QRectF(m_used), m_image, pixels);
        }
    }
    void clear(const QColor &colour) override
    {
        QPainter p(&m_image);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.fillRect(m_used, colour);
        m_used = QRect();
    }

protected:
    void reallocateBuffer() override
    {
        setInvalidated();
        m_image = QImage(mSize * mDevicePixelRatio, QImage::Format_ARGB32_Premultiplied);
        m_image.setDevicePixelRatio(mDevicePixelRatio);
        m_image.fill(Qt::transparent);
        m_used = QRect();
    }

private:
    QImage m_image;
    QRect m_used;
    std::function<QRect()> m_area;
};

} // namespace

class PlotWidget : public QCustomPlot
{
public:
    explicit PlotWidget(Chart *chart)
        : QCustomPlot(chart)
        , m_chart(chart)
    {
        setInteractions(QCP::Interactions());
        setNoAntialiasingOnDrag(true);
        // Before any replot sets its buffers up, they are the chart's own.
        connect(this, &QCustomPlot::beforeReplot, this, &PlotWidget::ensureBuffers);
        // Every paint covers the whole chart (with the opaque buffer, or with
        // the background before the first replot), so nothing behind it need
        // be painted first.
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    QCPGraph *graphAt(int series) const { return graph(series); }

protected:
    // A chart out of sight gives its paint buffer back and draws it again
    // when shown.
    void hideEvent(QHideEvent *event) override
    {
        QCustomPlot::hideEvent(event);
        mPaintBuffers.clear();
    }
    void showEvent(QShowEvent *event) override
    {
        QCustomPlot::showEvent(event);
        replot();
    }

    void mousePressEvent(QMouseEvent *event) override
    {
        const QPoint p = event->position().toPoint();
        Q_EMIT m_chart->mouseDown(event->button(), p.x(), p.y());
        if (event->button() == Qt::LeftButton) {
            m_dragStart = p;
            m_band = std::make_unique<QRubberBand>(QRubberBand::Rectangle, this);
            m_band->setGeometry(QRect(p, QSize()));
            m_band->show();
        } else if (event->button() == Qt::RightButton) {
            m_panFrom = p;
            m_panX = xAxis->range();
            m_panY = yAxis->range();
        }
    }

    void mouseMoveEvent(QMouseEvent *event) override
    {
        const QPoint p = event->position().toPoint();
        Q_EMIT m_chart->mouseMove(event->buttons(), p.x(), p.y());
        if (m_band && (event->buttons() & Qt::LeftButton)) {
            m_band->setGeometry(QRect(m_dragStart, p).normalized());
        }
        if (m_panFrom && (event->buttons() & Qt::RightButton)) {
            // Move both axes by the drag, converted to axis units.
            const double dx = xAxis->pixelToCoord(m_panFrom->x()) - xAxis->pixelToCoord(p.x());
            const double dy = yAxis->pixelToCoord(m_panFrom->y()) - yAxis->pixelToCoord(p.y());
            if (dx != 0 || dy != 0) {
                xAxis->setRange(m_panX.lower + dx, m_panX.upper + dx);
                yAxis->setRange(m_panY.lower + dy, m_panY.upper + dy);
                m_chart->m_zoomed = true;
                replot(rpQueuedReplot);
                Q_EMIT m_chart->scrolled();
            }
        }
    }

    void mouseReleaseEvent(QMouseEvent *event) override
    {
        const QPoint p = event->position().toPoint();
        if (event->button() == Qt::LeftButton && m_band) {
            m_band.reset();
            const QPoint d = p - m_dragStart;
            if (d.x() >= MinimumZoomDrag && d.y() >= MinimumZoomDrag) {
                zoomTo(QRect(m_dragStart, p));
            } else if (d.x() < 0 && d.y() < 0) {
                m_chart->undoZoom();
            }
        } else if (event->button() == Qt::RightButton) {
            m_panFrom.reset();
        }
        // NOLINTNEXTLINE(readability-misleading-indentation): Q_EMIT expands to nothing
        Q_EMIT m_chart->mouseUp(event->button(), p.x(), p.y());
    }

    void wheelEvent(QWheelEvent *event) override { event->ignore(); }

    // The keyboard does what the mouse does: + zooms into the middle half of
    // the plot, - undoes the zoom, the arrows pan by a tenth of the view.
    void keyPressEvent(QKeyEvent *event) override
    {
        const QRect r = axisRect()->rect();
        switch (event->key()) {
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            zoomTo(r.adjusted(r.width() / 4, r.height() / 4, -r.width() / 4, -r.height() / 4));
            break;
        case Qt::Key_Minus:
            m_chart->undoZoom();
            break;
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down: {
            const int sign = event->key() == Qt::Key_Left || event->key() == Qt::Key_Down ? -1 : 1;
            QCPAxis *axis = event->key() == Qt::Key_Left || event->key() == Qt::Key_Right ? xAxis : yAxis;
            axis->moveRange(sign * axis->range().size() / 10);
            m_chart->m_zoomed = true;
            replot(rpQueuedReplot);
            Q_EMIT m_chart->scrolled();
            break;
        }
        default:
            QCustomPlot::keyPressEvent(event);
        }
    }

    void paintEvent(QPaintEvent *event) override
    {
        if (!hasOpaqueBuffer()) {
            QCustomPlot::paintEvent(event);
        } else {
            // The first buffer is opaque and covers the whole chart.
            QCPPainter painter(this);
            for (const QSharedPointer<QCPAbstractPaintBuffer> &buffer : std::as_const(mPaintBuffers)) {
                buffer->draw(&painter);
            }
        }
        // After keyboard navigation the chart with the focus shows a frame
        // in the highlight colour (on the screen only, never when copied).
        if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
            QPainter frame(this);
            frame.setPen(QPen(palette().color(QPalette::Highlight), 2));
            frame.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
        }
        if (!m_chart->m_crosshair) {
            return;
        }
        // The crosshair is drawn in XOR over the finished chart: yellow lines
        // show blue over white and green over a red curve.
        QPainter p(this);
        p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        QPen pen(QColor(255, 255, 0), 1);
        pen.setCapStyle(Qt::FlatCap);
        p.setPen(pen);
        const QRect r = axisRect()->rect();
        const QPoint c = *m_chart->m_crosshair;
        p.drawLine(QPoint(c.x(), r.top()), QPoint(c.x(), r.bottom() + 1));
        p.drawLine(QPoint(r.left(), c.y()), QPoint(r.right() + 1, c.y()));
    }

private:
    // The chart's paint buffers: an opaque one for the chart, and a sparse
    // one for the moving layer when there is one (the last layer).
    void ensureBuffers()
    {
        // (QCustomPlot makes buffers of its own when it draws first.)
        if (!hasOpaqueBuffer()) {
            mPaintBuffers.clear();
            mPaintBuffers.append(QSharedPointer<QCPAbstractPaintBuffer>(new OpaqueBuffer(
                viewport().size(), bufferDevicePixelRatio(), [this] { return mBackgroundBrush.color(); })));
        }
        if (m_chart->m_moving
            && (mPaintBuffers.size() < 2 || !dynamic_cast<SparseBuffer *>(mPaintBuffers.at(1).data()))) {
            mPaintBuffers.resize(1);
            mPaintBuffers.append(QSharedPointer<QCPAbstractPaintBuffer>(
                new SparseBuffer(viewport().size(), bufferDevicePixelRatio(), [this] { return movingArea(); })));
        }
    }

    bool hasOpaqueBuffer() const
    {
        return !mPaintBuffers.isEmpty() && dynamic_cast<OpaqueBuffer *>(mPaintBuffers.first().data());
    }

    // Where the moving layer's points lie, each with its marker's room.
    QRect movingArea() const
    {
        QRect area;
        for (int i = 0; i < graphCount(); ++i) {
            const QCPGraph *g = graph(i);
            if (g->layer() != m_chart->m_moving) {
                continue;
            }
            if (g->lineStyle() != QCPGraph::lsNone) {
                return rect(); // a line may cross the whole chart
            }
            const int room = int(std::ceil(g->scatterStyle().size() / 2 + g->pen().widthF())) + 2;
            for (const QCPGraphData &d : *g->data()) {
                const QPointF at(xAxis->coordToPixel(d.key), yAxis->coordToPixel(d.value));
                if (std::isfinite(at.x()) && std::isfinite(at.y())) {
                    area |= QRect(at.toPoint(), QSize()).adjusted(-room, -room, room, room);
                }
            }
        }
        return area;
    }

    void zoomTo(const QRect &pixels)
    {
        const double x0 = xAxis->pixelToCoord(pixels.left());
        const double x1 = xAxis->pixelToCoord(pixels.right());
        const double y0 = yAxis->pixelToCoord(pixels.bottom());
        const double y1 = yAxis->pixelToCoord(pixels.top());
        xAxis->setRange(std::min(x0, x1), std::max(x0, x1));
        yAxis->setRange(std::min(y0, y1), std::max(y0, y1));
        m_chart->m_zoomed = true;
        replot(rpQueuedReplot);
        Q_EMIT m_chart->zoomed();
    }

    Chart *m_chart;
    std::unique_ptr<QRubberBand> m_band;
    QPoint m_dragStart;
    std::optional<QPoint> m_panFrom;
    QCPRange m_panX;
    QCPRange m_panY;
};

ChartPainter::ChartPainter(QPaintDevice *device)
    : m_painter(new QCPPainter(device))
{ }

void ChartPainter::Deleter::operator()(QPainter *painter) const
{
    delete static_cast<QCPPainter *>(painter);
}

ChartPainter::~ChartPainter() = default;

bool ChartPainter::isActive() const
{
    return m_painter->isActive();
}

QPainter &ChartPainter::painter()
{
    return *m_painter;
}

Chart::Chart(QWidget *parent)
    : QWidget(parent)
    , m_plot(new PlotWidget(this))
    , m_refresh(this, [this] { showChanges(); })
{
    ScreenReader::markAsPicture(this);
    // The plot fills the chart (no margins), and paints all of it.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Nothing is drawn on the overlay layer, so every layer shares one paint
    // buffer instead of two: a chart's pixels are held once.
    m_plot->layer(QStringLiteral("overlay"))->setMode(QCPLayer::lmLogical);
    m_plot->setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(m_plot);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_plot);
    m_pixelFont = layoutFont(font());
    m_lineWidths = {m_plot->xAxis->basePen().widthF(), m_plot->xAxis->tickPen().widthF(), 1};
    const QCPAxis *x = m_plot->xAxis;
    m_axisSpacing = {x->tickLengthIn(), x->subTickLengthIn(), x->tickLabelPadding(), x->labelPadding()};
    m_plot->setLocale(Gdi::numberLocale());
    for (QCPAxis *axis : {m_plot->xAxis, m_plot->yAxis}) {
        axis->setTicker(QSharedPointer<MinorTicker>::create());
    }
    applyZoom(1);
    m_plot->axisRect()->setBackground(Qt::white);
    connect(m_plot, &QCustomPlot::beforeReplot, this, &Chart::applyRanges);
    // Thick lines (a zoomed chart's) drawn as plain polylines: much faster,
    // and one-pixel lines look the same.
    m_plot->setPlottingHint(QCP::phFastPolylines, true);
    connect(m_plot, &QCustomPlot::afterReplot, this, [this] {
        m_refresh.shown();
        m_changedAll = false; // whatever changed has been drawn
        m_changedMoving = false;
        m_crosshair.reset();
        Q_EMIT afterDraw();
    });
    setBackgroundColor(palette().color(QPalette::Button));
    ScreenReader::describe(this, tr("chart"), [this] { return describe(); });
}

Chart::~Chart()
{
    // A title taken out of the layout is no longer owned by the plot.
    if (m_title && !m_titleVisible) {
        delete m_title;
    }
}

void Chart::setBackgroundColor(const QColor &colour)
{
    m_background = colour;
    m_plot->setBackground(colour);
    queueReplot();
}

QColor Chart::backgroundColor() const
{
    return m_background;
}

void Chart::setTitle(const QString &title)
{
    if (!m_title) {
        m_title = new QCPTextElement(m_plot, title, m_plot->font());
        m_titleVisible = false;
        setTitleVisible(true);
    } else {
        m_title->setText(title);
    }
    queueReplot();
}

void Chart::setTitleVisible(bool visible)
{
    if (!m_title || visible == m_titleVisible) {
        return;
    }
    // A hidden title leaves the layout, so the plot takes its room.
    QCPLayoutGrid *layout = m_plot->plotLayout();
    if (visible) {
        layout->insertRow(0);
        layout->addElement(0, 0, m_title);
    } else {
        layout->take(m_title);
        layout->simplify();
    }
    m_titleVisible = visible;
    queueReplot();
}

void Chart::setLegendVisible(bool visible)
{
    m_plot->legend->setVisible(visible);
    queueReplot();
}

void Chart::setAxisTitle(Axis axis, const QString &title)
{
    (axis == Axis::Bottom ? m_plot->xAxis : m_plot->yAxis)->setLabel(title);
    queueReplot();
}

void Chart::setAxisRange(Axis axis, double minimum, double maximum)
{
    AxisSetting &s = setting(axis);
    s.automatic = false;
    s.minimum = minimum;
    s.maximum = maximum;
    queueReplot();
}

void Chart::setAxisAutomatic(Axis axis)
{
    setting(axis).automatic = true;
    queueReplot();
}

void Chart::setLogarithmic(Axis axis, bool logarithmic)
{
    if (logarithmic == isLogarithmic(axis)) {
        return;
    }
    QCPAxis *a = axis == Axis::Bottom ? m_plot->xAxis : m_plot->yAxis;
    AxisSetting &s = setting(axis);
    if (logarithmic) {
        s.linearTicker = a->ticker();
        auto ticker = QSharedPointer<QCPAxisTickerLog>::create();
        ticker->setSubTickCount(8); // at 2, 3, ... 9 times each power of ten
        a->setTicker(ticker);
        a->setScaleType(QCPAxis::stLogarithmic);
    } else {
        a->setTicker(s.linearTicker);
        s.linearTicker.reset();
        a->setScaleType(QCPAxis::stLinear);
    }
    queueReplot();
}

bool Chart::isLogarithmic(Axis axis) const
{
    const QCPAxis *a = axis == Axis::Bottom ? m_plot->xAxis : m_plot->yAxis;
    return a->scaleType() == QCPAxis::stLogarithmic;
}

void Chart::setMinorTickCount(Axis axis, int count)
{
    QCPAxis *a = axis == Axis::Bottom ? m_plot->xAxis : m_plot->yAxis;
    if (auto ticker = a->ticker().dynamicCast<MinorTicker>()) {
        ticker->minorTicks = count;
    }
    queueReplot();
}

void Chart::setTickStep(Axis axis, double step)
{
    QCPAxis *a = axis == Axis::Bottom ? m_plot->xAxis : m_plot->yAxis;
    if (auto ticker = a->ticker().dynamicCast<MinorTicker>()) {
        ticker->fixedStep = step;
    }
    queueReplot();
}

void Chart::setTickColor(const QColor &colour)
{
    for (QCPAxis *axis : {m_plot->xAxis, m_plot->yAxis}) {
        axis->setTickPen(QPen(colour));
        axis->setSubTickPen(QPen(colour));
        axis->setTickLabelColor(colour);
    }
    m_lineWidths.ticks = 1;
    applyZoom(m_zoom);
    queueReplot();
}

void Chart::setAxisLinesVisible(bool visible)
{
    for (QCPAxis *axis : {m_plot->xAxis, m_plot->yAxis}) {
        axis->setBasePen(visible ? QPen(Qt::black) : QPen(Qt::NoPen));
    }
    m_lineWidths.axis = 1;
    applyZoom(m_zoom);
    queueReplot();
}

void Chart::setZoom(qreal zoom)
{
    if (zoom <= 0 || zoom == m_zoom) {
        return;
    }
    m_zoom = zoom;
    applyZoom(zoom);
    queueReplot();
}

void Chart::applyZoom(qreal zoom)
{
    QFont font = m_pixelFont;
    font.setPixelSize(std::max(1, qRound(m_pixelFont.pixelSize() * zoom)));
    m_plot->setFont(font);
    m_plot->legend->setFont(font);
    if (m_title) {
        m_title->setFont(font);
    }
    // Each line is `zoom` times its width at 100%; a cosmetic line (width 0,
    // one device pixel at any scale) is `zoom` pixels wide once zoomed.
    const auto widened = [zoom](QPen pen, qreal base) {
        pen.setWidthF(base == 0 && zoom == 1 ? 0 : std::max<qreal>(base, 1) * zoom);
        return pen;
    };
    for (QCPAxis *axis : {m_plot->xAxis, m_plot->yAxis}) {
        axis->setLabelFont(font);
        axis->setTickLabelFont(font);
        axis->setBasePen(widened(axis->basePen(), m_lineWidths.axis));
        axis->setTickPen(widened(axis->tickPen(), m_lineWidths.ticks));
        axis->setSubTickPen(widened(axis->subTickPen(), m_lineWidths.ticks));
        axis->setTickLength(qRound(m_axisSpacing.tick * zoom), 0);
        axis->setSubTickLength(qRound(m_axisSpacing.subTick * zoom), 0);
        axis->setTickLabelPadding(qRound(m_axisSpacing.tickLabelPadding * zoom));
        axis->setLabelPadding(qRound(m_axisSpacing.labelPadding * zoom));
    }
    for (int i = 0; i < m_plot->graphCount(); ++i) {
        QCPGraph *graph = m_plot->graph(i);
        graph->setPen(widened(graph->pen(), m_lineWidths.series));
        QCPScatterStyle points = graph->scatterStyle();
        if (!points.isNone()) {
            points.setSize(8 * zoom);
            graph->setScatterStyle(points);
        }
    }
}

QStringList Chart::tickLabels(Axis axis) const
{
    return (axis == Axis::Bottom ? m_plot->xAxis : m_plot->yAxis)->tickVectorLabels().toList();
}

QString Chart::describe() const
{
    // Three significant figures; what is a millionth of the axis span or less is 0.
    const auto number = [](double v, double span = 1) {
        return Gdi::numberLocale().toString(std::abs(v) <= 1e-6 * std::abs(span) ? 0.0 : v, 'g', 3);
    };
    QStringList parts;
    if (m_title && !m_title->text().isEmpty()) {
        parts << m_title->text();
    }
    for (int i = 0; i < m_plot->graphCount(); ++i) {
        const QCPGraph *graph = m_plot->graph(i);
        if (graph->data()->isEmpty()) {
            continue;
        }
        const QString name = graph->name().isEmpty() ? tr("curve %1").arg(i + 1) : graph->name();
        if (graph->data()->size() == 1) {
            const QCPGraphData &only = *graph->data()->constBegin();
            parts << tr("%1 at %2, %3").arg(name, number(only.key), number(only.value));
        } else {
            parts << tr("%1: %n points, largest value %2", nullptr, graph->data()->size()).arg(name, number(maxY(i)));
        }
    }
    for (const Axis axis : {Axis::Bottom, Axis::Left}) {
        const QCPAxis *a = axis == Axis::Bottom ? m_plot->xAxis : m_plot->yAxis;
        const auto [from, to] = axisRange(axis);
        const QString label = a->label().isEmpty()
                                  ? (axis == Axis::Bottom ? tr("horizontal axis") : tr("vertical axis"))
                                  : a->label();
        parts << tr("%1 from %2 to %3").arg(label, number(from, to - from), number(to, to - from));
    }
    if (m_zoomed) {
        parts << tr("zoomed in");
    }
    return parts.join(QStringLiteral("; "));
}

std::pair<double, double> Chart::axisRange(Axis axis) const
{
    const QCPRange r = (axis == Axis::Bottom ? m_plot->xAxis : m_plot->yAxis)->range();
    return {r.lower, r.upper};
}

int Chart::addSeries(SeriesKind kind, const QColor &colour, const QString &name)
{
    QCPGraph *graph = m_plot->addGraph();
    graph->setName(name);
    QPen pen(colour);
    pen.setWidthF(m_lineWidths.series * m_zoom);
    graph->setPen(pen);
    graph->setAdaptiveSampling(false);
    if (kind == SeriesKind::Point) {
        graph->setLineStyle(QCPGraph::lsNone);
        graph->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, colour, colour, 8 * m_zoom));
    }
    return m_plot->graphCount() - 1;
}

int Chart::seriesCount() const
{
    return m_plot->graphCount();
}

void Chart::clear(int series)
{
    m_plot->graphAt(series)->data()->clear();
    queueReplot();
}

void Chart::add(int series, double x, double y)
{
    // Points are added in ascending x, so they append in order.
    m_plot->graphAt(series)->addData(x, y);
    queueReplot();
}

int Chart::count(int series) const
{
    return m_plot->graphAt(series)->dataCount();
}

QPointF Chart::point(int series, int index) const
{
    const auto points = m_plot->graphAt(series)->data();
    const auto it = points->at(index);
    return {it->key, it->value};
}

void Chart::setPoint(int series, int index, double x, double y)
{
    const auto points = m_plot->graphAt(series)->data();
    auto it = points->begin() + index;
    if (it->key == x) {
        it->value = y;
    } else {
        // A new x may change the point's place in the sorted data.
        points->remove(it->key);
        points->add(QCPGraphData(x, y));
    }
    if (m_moving && m_plot->graphAt(series)->layer() == m_moving) {
        m_changedMoving = true;
        m_refresh.request();
    } else {
        queueReplot();
    }
}

double Chart::maxY(int series) const
{
    const auto points = m_plot->graphAt(series)->data();
    double result = 0;
    bool first = true;
    for (const QCPGraphData &d : *points) {
        if (first || d.value > result) {
            result = d.value;
            first = false;
        }
    }
    return result;
}

void Chart::applyRanges()
{
    if (m_zoomed) {
        return;
    }
    const auto apply = [this](QCPAxis *axis, const AxisSetting &s) {
        if (!s.automatic) {
            axis->setRange(s.minimum, s.maximum);
            return;
        }
        // A logarithmic axis fits the positive values only.
        const bool logarithmic = axis->scaleType() == QCPAxis::stLogarithmic;
        const QCP::SignDomain domain = logarithmic ? QCP::sdPositive : QCP::sdBoth;
        bool found = false;
        QCPRange total;
        for (int i = 0; i < m_plot->graphCount(); ++i) {
            bool ok = false;
            const QCPRange r = axis == m_plot->xAxis ? m_plot->graph(i)->getKeyRange(ok, domain)
                                                     : m_plot->graph(i)->getValueRange(ok, domain);
            if (ok) {
                total = found ? QCPRange(std::min(total.lower, r.lower), std::max(total.upper, r.upper)) : r;
                found = true;
            }
        }
        if (found) {
            if (total.lower == total.upper) {
                total = logarithmic ? QCPRange(total.lower / 2, total.upper * 2)
                                    : QCPRange(total.lower - 1, total.upper + 1);
            }
            axis->setRange(total);
        }
    };
    apply(m_plot->xAxis, m_bottom);
    apply(m_plot->yAxis, m_left);
}

void Chart::undoZoom()
{
    m_zoomed = false;
    queueReplot();
    Q_EMIT undoneZoom();
}

QRect Chart::plotRect() const
{
    return m_plot->axisRect()->rect();
}

void Chart::toggleCrosshair(QPoint point)
{
    if (m_crosshair == point) {
        m_crosshair.reset();
    } else {
        m_crosshair = point;
    }
    m_plot->update();
}

void Chart::queueReplot()
{
    // An animation changes the chart every few milliseconds; the screen shows
    // at most one redraw per display refresh.
    m_changedAll = true;
    m_refresh.request();
}

void Chart::showChanges()
{
    if (m_changedAll || !m_moving) {
        m_plot->replot(QCustomPlot::rpQueuedReplot);
    } else if (m_changedMoving) {
        m_moving->replot(); // the whole chart again if its buffers are out of date
        m_refresh.shown();
        m_changedMoving = false;
    }
}

void Chart::setSeriesMoving(int series)
{
    if (!m_moving) {
        m_plot->addLayer(QStringLiteral("moving"), m_plot->layer(QStringLiteral("overlay")), QCustomPlot::limAbove);
        m_moving = m_plot->layer(QStringLiteral("moving"));
        m_moving->setMode(QCPLayer::lmBuffered);
    }
    m_plot->graphAt(series)->setLayer(m_moving);
    queueReplot();
}

void Chart::replotNow()
{
    m_plot->replot(QCustomPlot::rpImmediateRefresh);
}

void Chart::render(ChartPainter &painter, const QRect &target)
{
    auto &qcp = static_cast<QCPPainter &>(painter.painter());
    const double scale = qcp.device()->logicalDpiX() / LayoutDpi;
    const int width = qRound(target.width() / scale);
    const int height = qRound(target.height() / scale);
    applyRanges();
    applyZoom(1);
    qcp.save();
    qcp.translate(target.topLeft());
    qcp.scale(scale, scale);
    m_plot->toPainter(&qcp, width, height);
    qcp.restore();
    applyZoom(m_zoom);
    // Rendering laid the chart out at the printed size; lay it out again for the screen.
    queueReplot();
}

QList<QStringList> Chart::dataTable(const QLocale &numbers) const
{
    QList<ChartData::Series> series;
    for (int i = 0; i < m_plot->graphCount(); ++i) {
        const QCPGraph *graph = m_plot->graph(i);
        if (graph->data()->isEmpty()) {
            continue;
        }
        ChartData::Series s{graph->name().isEmpty() ? tr("curve %1").arg(i + 1) : graph->name(), {}};
        for (const QCPGraphData &p : *graph->data()) {
            s.points << QPointF(p.key, p.value);
        }
        series << s;
    }
    const QString xTitle = m_plot->xAxis->label();
    return ChartData::table(xTitle.isEmpty() ? QStringLiteral("x") : xTitle, series, numbers);
}

void Chart::copyToClipboard()
{
    const QColor background = backgroundColor();
    m_plot->setBackground(Qt::white);
    // The copy is the unzoomed chart, whatever the page's zoom.
    applyZoom(1);
    m_plot->replot(QCustomPlot::rpImmediateRefresh);
    const QSize size = m_zoom == 1 ? m_plot->size() : (QSizeF(m_plot->size()) / m_zoom).toSize();

    QBuffer svg;
    svg.open(QIODevice::WriteOnly);
    {
        QSvgGenerator generator;
        generator.setOutputDevice(&svg);
        generator.setSize(size);
        generator.setViewBox(QRect(QPoint(0, 0), size));
        generator.setTitle(QStringLiteral("Chart"));
        QCPPainter painter(&generator);
        m_plot->toPainter(&painter, size.width(), size.height());
    }
    const QImage bitmap = m_plot->toPixmap(size.width(), size.height()).toImage();

    auto *mime = new QMimeData;
    mime->setData(QStringLiteral("image/svg+xml"), svg.data());
    mime->setImageData(bitmap);
    QGuiApplication::clipboard()->setMimeData(mime);

    m_plot->setBackground(background);
    applyZoom(m_zoom);
    m_plot->replot(QCustomPlot::rpImmediateRefresh);
}
