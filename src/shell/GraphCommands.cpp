#include "shell/GraphCommands.h"

#include "chart/Chart.h"
#include "gdi/GdiMath.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPrinter>

PrinterMetrics printerMetrics(const QPrinter &printer)
{
    const QRect paper = printer.paperRect(QPrinter::DevicePixel).toRect();
    const QRect page = printer.pageRect(QPrinter::DevicePixel).toRect();
    PrinterMetrics m;
    m.pixelsPerInchX = printer.logicalDpiX();
    m.pixelsPerInchY = printer.logicalDpiY();
    m.offsetX = page.left() - paper.left();
    m.offsetY = page.top() - paper.top();
    m.printableWidth = page.width();
    m.printableHeight = page.height();
    m.paperWidth = paper.width();
    m.paperHeight = paper.height();
    return m;
}

Gdi::Rect GetChartPrintRect(const PrinterMetrics &p)
{
    return {p.pixelsPerInchX - p.offsetX, p.pixelsPerInchY - p.offsetY,
            p.printableWidth - (p.pixelsPerInchX - p.offsetX), Gdi::mulDiv(p.printableHeight, 2, 3)};
}

bool printChartPage(QPrinter &printer, QString *error, const ChartPageDrawer &draw)
{
    ChartPainter target(&printer);
    if (!target.isActive()) {
        *error = QCoreApplication::translate("GraphCommands", "The printer could not start the print job.");
        return false;
    }
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    Gdi::Canvas canvas(&target.painter());
    canvas.brush.style = Gdi::BrushStyle::Clear;
    canvas.font.name = QStringLiteral("Arial");
    canvas.setFontSize(12);
    draw(target, canvas, GetChartPrintRect(printerMetrics(printer)));
    QGuiApplication::restoreOverrideCursor();
    return true;
}
