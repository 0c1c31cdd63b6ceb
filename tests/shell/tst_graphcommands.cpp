#include "shell/GraphCommands.h"

#include <QPageLayout>
#include <QPrinter>
#include <QTest>

Q_DECLARE_METATYPE(PrinterMetrics)

class TestGraphCommands : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void chartPrintRect_data()
    {
        QTest::addColumn<PrinterMetrics>("printer");
        QTest::addColumn<Gdi::Rect>("rect");
        // Letter paper at 600 pixels per inch with a quarter-inch margin: the
        // printable area is 4800 x 6300 from (150, 150). One inch from the
        // paper's edge is 450 pixels into the printable area; two thirds of
        // 6300 is 4200.
        QTest::newRow("600 ppi, quarter inch")
            << PrinterMetrics{600, 600, 150, 150, 4800, 6300, 5100, 6600} << Gdi::Rect{450, 450, 4350, 4200};
        // Two thirds of 1000 is 666.67: MulDiv rounds to 667.
        QTest::newRow("rounded bottom") << PrinterMetrics{100, 100, 0, 0, 800, 1000, 800, 1000}
                                        << Gdi::Rect{100, 100, 700, 667};
        QTest::newRow("different resolutions")
            << PrinterMetrics{300, 600, 30, 60, 2400, 6000, 2460, 6120} << Gdi::Rect{270, 540, 2130, 4000};
    }
    void chartPrintRect()
    {
        QFETCH(PrinterMetrics, printer);
        QFETCH(Gdi::Rect, rect);
        QCOMPARE(GetChartPrintRect(printer), rect);
    }

    void metricsOfARealPrinter()
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                          QMarginsF(6.35, 6.35, 6.35, 6.35), QPageLayout::Millimeter));
        const PrinterMetrics m = printerMetrics(printer);
        QCOMPARE(m.pixelsPerInchX, printer.resolution());
        // A quarter inch of margin at the printer's resolution.
        QVERIFY(std::abs(m.offsetX - printer.resolution() / 4) <= 1);
        QVERIFY(std::abs(m.paperWidth - m.printableWidth - 2 * m.offsetX) <= 2);
        const Gdi::Rect r = GetChartPrintRect(m);
        QVERIFY(std::abs(r.left - 3 * printer.resolution() / 4) <= 1);
    }
};

QTEST_MAIN(TestGraphCommands)
#include "tst_graphcommands.moc"
