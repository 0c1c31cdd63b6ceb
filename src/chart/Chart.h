#pragma once

#include "gdi/RefreshPacer.h"

#include <QColor>
#include <QPointF>
#include <QRect>
#include <QSharedPointer>
#include <QWidget>

#include <memory>
#include <optional>

class PlotWidget;
class QCPAxisTicker;
class QCPLayer;
class QCPTextElement;
class QPaintDevice;
class QPainter;

// A painter that charts can render through; open it on a printer and draw the
// page's texts with the same painter (a printer takes one painter at a time).
class ChartPainter
{
public:
    explicit ChartPainter(QPaintDevice *device);
    ~ChartPainter();
    bool isActive() const;
    QPainter &painter();

private:
    // The painter is a QCustomPlot painter; QPainter's destructor is not
    // virtual, so it must be deleted as what it is.
    struct Deleter
    {
        void operator()(QPainter *painter) const;
    };
    std::unique_ptr<QPainter, Deleter> m_painter;
};

// The program's chart: titled axes with fixed or automatic ranges, line and
// point series, zooming by dragging (down-right zooms, up-left undoes the
// zoom), panning with the right button, printing into a rectangle and copying
// to the clipboard as a vector picture.
class Chart : public QWidget
{
    Q_OBJECT
public:
    enum class Axis { Bottom, Left };
    enum class SeriesKind { FastLine, Point };

    explicit Chart(QWidget *parent = nullptr);
    ~Chart() override;

    // Appearance.
    void setBackgroundColor(const QColor &colour);
    QColor backgroundColor() const;
    void setTitle(const QString &title);
    void setTitleVisible(bool visible);
    void setLegendVisible(bool visible);
    void setAxisTitle(Axis axis, const QString &title);
    // A fixed range, or automatic (fitted to the data at each redraw).
    void setAxisRange(Axis axis, double minimum, double maximum);
    void setAxisAutomatic(Axis axis);
    // A logarithmic axis (ticks at powers of ten) or a linear one again.
    void setLogarithmic(Axis axis, bool logarithmic);
    bool isLogarithmic(Axis axis) const;
    void setMinorTickCount(Axis axis, int count);
    // Major ticks every `step` axis units; 0 lets the chart choose.
    void setTickStep(Axis axis, double step);
    void setTickColor(const QColor &colour);
    void setAxisLinesVisible(bool visible);
    // The page's zoom: fonts, lines, points and ticks grow with it, drawn at
    // the screen's resolution. Printing and copying use the unzoomed chart.
    void setZoom(qreal zoom);
    qreal zoom() const { return m_zoom; }
    // What the chart shows now, in words: title, curves, axis ranges.
    QString describe() const;
    // The tick labels an axis showed at the last redraw.
    QStringList tickLabels(Axis axis) const;
    // The range shown now (after zooming or panning).
    std::pair<double, double> axisRange(Axis axis) const;

    // Series; the returned number names the series in the calls below.
    int addSeries(SeriesKind kind, const QColor &colour, const QString &name = {});
    int seriesCount() const;
    void clear(int series);
    void add(int series, double x, double y);
    int count(int series) const;
    QPointF point(int series, int index) const;
    void setPoint(int series, int index, double x, double y);
    // Draws a series that an animation moves while the rest of the chart
    // stays (a present-state point) on a layer of its own above the chart:
    // moving it then redraws that layer alone, not the whole chart.
    void setSeriesMoving(int series);
    // The largest y of a series; 0 for an empty one.
    double maxY(int series) const;

    bool isZoomed() const { return m_zoomed; }
    void undoZoom();

    // The plot area in the chart's pixels.
    QRect plotRect() const;
    // A crosshair through a point of the plot area, drawn over the chart until
    // the next redraw wipes it. Drawing it twice at the same point removes it,
    // as an XOR line does.
    void toggleCrosshair(QPoint point);
    std::optional<QPoint> crosshair() const { return m_crosshair; }

    // Redraws now (pending changes are otherwise drawn at the next paint).
    void replotNow();
    // Draws the whole chart into a rectangle of a painter's device, at that
    // device's resolution.
    void render(ChartPainter &painter, const QRect &target);
    // Puts the chart on the clipboard at its full size on a white background:
    // an SVG picture and a PNG image.
    void copyToClipboard();
    // The chart's numbers as a table (see ChartData): the x column headed with
    // the bottom axis's title, each series with its name; series without
    // points are left out.
    QList<QStringList> dataTable(const QLocale &numbers) const;

Q_SIGNALS:
    void zoomed();
    void scrolled();
    void undoneZoom();
    // After every redraw.
    void afterDraw();
    void mouseDown(Qt::MouseButton button, int x, int y);
    void mouseMove(Qt::MouseButtons buttons, int x, int y);
    void mouseUp(Qt::MouseButton button, int x, int y);

private:
    friend class PlotWidget;
    // Sizes fonts, pens, points and ticks for a zoom.
    void applyZoom(qreal zoom);
    struct AxisSetting
    {
        bool automatic = true;
        double minimum = 0;
        double maximum = 1;
        // The axis's own ticker while it is logarithmic, to be restored.
        QSharedPointer<QCPAxisTicker> linearTicker;
    };
    void applyRanges();
    void queueReplot();
    // Shows what changed since the last showing: the moving layer alone when
    // nothing else changed.
    void showChanges();
    AxisSetting &setting(Axis axis) { return axis == Axis::Bottom ? m_bottom : m_left; }

    PlotWidget *m_plot;
    AxisSetting m_bottom;
    AxisSetting m_left;
    QColor m_background;
    QCPTextElement *m_title = nullptr;
    qreal m_zoom = 1;
    QFont m_pixelFont;
    RefreshPacer m_refresh;
    QCPLayer *m_moving = nullptr;
    bool m_changedAll = false;
    bool m_changedMoving = false;
    // Line widths at 100%, as set: 0 for a cosmetic line.
    struct LineWidths
    {
        qreal axis = 0;
        qreal ticks = 0;
        qreal series = 1;
    } m_lineWidths;
    // Tick lengths (inside the axis rectangle) and label gaps at 100%.
    struct AxisSpacing
    {
        int tick = 5;
        int subTick = 2;
        int tickLabelPadding = 2;
        int labelPadding = 5;
    } m_axisSpacing;
    bool m_titleVisible = false;
    bool m_zoomed = false;
    std::optional<QPoint> m_crosshair;
};
