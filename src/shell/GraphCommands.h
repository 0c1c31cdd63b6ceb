#pragma once

#include "gdi/Canvas.h"

#include <QString>

#include <functional>

class ChartPainter;
class QPrinter;

// What the Graph menu offers on a page.
struct GraphMenuState
{
    bool print = false;
    bool copy = false;
    bool crosshair = false;
    bool timeScale = false;
    bool xAxisRange = false;
};

// A printer's geometry in device pixels: resolution, the unprintable offsets
// of the printable area, the printable size and the paper size.
struct PrinterMetrics
{
    int pixelsPerInchX = 0;
    int pixelsPerInchY = 0;
    int offsetX = 0;
    int offsetY = 0;
    int printableWidth = 0;
    int printableHeight = 0;
    int paperWidth = 0;
    int paperHeight = 0;
};
PrinterMetrics printerMetrics(const QPrinter &printer);

// Where a printed chart goes, in the printable area's pixels: one inch from the
// paper's left, top and right edges, down to two thirds of the printable
// height; the lower third is left for the page's text.
Gdi::Rect GetChartPrintRect(const PrinterMetrics &printer);

// Prints one page of a chart topic: opens the job, shows the hourglass while
// `draw` lays out the page on a canvas over the printer (12-point Arial,
// transparent text) with the chart print rectangle, and ends the job. False,
// with a message, when the job cannot start.
using ChartPageDrawer = std::function<void(ChartPainter &target, Gdi::Canvas &canvas, const Gdi::Rect &chartRect)>;
bool printChartPage(QPrinter &printer, QString *error, const ChartPageDrawer &draw);
