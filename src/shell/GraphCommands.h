#pragma once

#include "gdi/Canvas.h"

#include <QString>

class QPrinter;

// What the Graph menu offers on a page, by the page's name.
struct GraphMenuState
{
    bool print = false;
    bool copy = false;
    bool crosshair = false;
    bool timeScale = false;
    bool xAxisRange = false;
};
GraphMenuState graphMenuState(const QString &pageName);

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
